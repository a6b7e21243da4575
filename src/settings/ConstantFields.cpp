// The constant fields table and the rules that move field texts into the constants array.
#include "settings/ConstantFields.h"

#include "settings/ConstantsNumber.h"
#include "settings/NoiseText.h"

namespace zul {

namespace {

using CA = ConstantsArray;
const std::array<ConstantFieldInfo, kConstantFieldCount> kFields = {{
    {ConstantField::PlotnVoda, "EditPlotnVoda", "Ro-Voda", CA::RoVoda, DefaultConstantText(CA::RoVoda),
     "Плотность воды.", "rho", "кг/м3"},
    {ConstantField::TeplMVoda, "EditTeplMVoda", "Cm-Voda", CA::CmVoda, DefaultConstantText(CA::CmVoda),
     "Теплоемкость воды (массовая).", "Cm", "кДж/(кг °С)"},
    {ConstantField::TeplMVozd, "EditTeplMVozd", "Cm-Vozd", CA::CmVozd, DefaultConstantText(CA::CmVozd),
     "Теплоемкость воздуха (массовая).", "Cm", "кДж/(кг °С)"},
    {ConstantField::TeplVVozd, "EditTeplVVozd", "Cv-Vozd", CA::CvVozd, DefaultConstantText(CA::CvVozd),
     "Теплоемкость воздуха (объемная).", "Cv", "кДж/(м3 °С)"},
    {ConstantField::PlotnMatTr, "EditPlotnMatTr", "RoMatTrub", CA::RoMatTrub,
     DefaultConstantText(CA::RoMatTrub), "Плотность материала труб.", "m", "кг/м3"},
    {ConstantField::HaraktShum, "EditHaraktShum", "HaraktShumomer", 1, kDefaultNoiseText,
     "", "", "дБА"},
}};

constexpr ConstantField kPhysicalFields[] = {ConstantField::PlotnVoda, ConstantField::TeplMVoda,
                                             ConstantField::TeplMVozd, ConstantField::TeplVVozd,
                                             ConstantField::PlotnMatTr};

bool IsFieldCode(std::uint8_t code) { return code >= 1 && code <= kConstantFieldCount; }

float DefaultValue(ConstantField field) { return ConstantsArray().Get(FieldInfo(field).arrayIndex); }

void SetNoise(ConstantsArray& constants, const std::array<float, kNoiseCount>& values) {
    for (int i = 0; i < kNoiseCount; ++i) constants.Set(i + 1, values[static_cast<std::size_t>(i)]);
}

}  // namespace

std::span<const ConstantFieldInfo> ConstantFieldTable() { return kFields; }

const ConstantFieldInfo& FieldInfo(ConstantField field) {
    return kFields[static_cast<std::size_t>(field) - 1];
}

const ConstantFieldInfo* FieldByIniKey(std::string_view key) {
    for (const ConstantFieldInfo& info : kFields)
        if (key == info.iniKey) return &info;
    return nullptr;
}

ConstantFieldTexts::ConstantFieldTexts() {
    for (const ConstantFieldInfo& info : kFields) (*this)[info.field] = info.defaultText;
}

bool ValidateOptions(const ConstantFieldTexts& fields, std::uint8_t& badField,
                     const UserConstantsCheck& checkGrid) {
    for (ConstantField field : kPhysicalFields) {
        float ignored = 0;
        if (!ReadConstantValue(fields[field], ignored)) {
            badField = static_cast<std::uint8_t>(field);
            return false;
        }
    }
    if (!CheckNoiseText(fields[ConstantField::HaraktShum])) {
        badField = static_cast<std::uint8_t>(ConstantField::HaraktShum);
        return false;
    }
    badField = kBadFieldGrid;
    return !checkGrid || checkGrid();
}

ConstantsArray ReadConstantRecord(const ConstantFieldTexts& fields) {
    ConstantsArray constants;  // the defaults stand wherever a field does not convert
    for (ConstantField field : kPhysicalFields) {
        float v = 0;
        if (ReadConstantValue(fields[field], v)) constants.Set(FieldInfo(field).arrayIndex, v);
    }
    SetNoise(constants, ParseNoiseCorrections(fields[ConstantField::HaraktShum]));
    return constants;
}

bool ApplyConstantFields(ConstantFieldTexts& fields, ConstantsArray& constants) {
    bool replaced = false;
    for (ConstantField field : kPhysicalFields) {
        const ConstantFieldInfo& info = FieldInfo(field);
        float v = 0;
        if (ReadConstantValue(fields[field], v)) {
            constants.Set(info.arrayIndex, v);
        } else {
            constants.Set(info.arrayIndex, DefaultValue(field));
            fields[field] = info.defaultText;
            replaced = true;
        }
    }
    std::string& noise = fields[ConstantField::HaraktShum];
    if (!CheckNoiseText(noise)) replaced = RepairNoiseText(noise) || replaced;
    SetNoise(constants, ParseNoiseCorrections(noise));
    return replaced;
}

bool RepairConstantField(ConstantFieldTexts& fields, std::uint8_t badField) {
    if (!IsFieldCode(badField)) return false;
    const auto field = static_cast<ConstantField>(badField);
    if (field == ConstantField::HaraktShum) {
        RepairNoiseText(fields[field]);
    } else {
        fields[field] = FieldInfo(field).defaultText;
    }
    return true;
}

void ResetConstantFields(ConstantFieldTexts& fields, ConstantsArray& constants) {
    fields = ConstantFieldTexts();
    constants = ConstantsArray();
}

std::string ConstantsErrorText(int kind) {
    if (kind == 1) return "Обнаружена ошибка записи значения константы. Строка с ошибкой сейчас текущая.";
    if (kind == 2) {
        return "В некоторых строках ввода новых констант (пользователя) обнаружены ошибки. "
               "Это может быть:\n\n"
               " 1. Имя константы совпадает с именами базовых констант;\n"
               " 2. Неверная запись значения константы. \n\n"
               "Автоматически исправить нельзя...";
    }
    return {};
}

}  // namespace zul
