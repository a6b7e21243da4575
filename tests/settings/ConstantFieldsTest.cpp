// The constant fields: defaults, validation codes, applying, repairing and the window texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/ConstantFields.h"

namespace zul {
namespace {

struct DefaultCase { ConstantField field; const char* key; const char* text; int index; float value; };
const DefaultCase kDefaults[] = {
    {ConstantField::PlotnVoda, "Ro-Voda", "970", 9, 970.0f},
    {ConstantField::TeplMVoda, "Cm-Voda", "4.18", 11, 4.18f},
    {ConstantField::TeplMVozd, "Cm-Vozd", "1.005", 12, 1.005f},
    {ConstantField::TeplVVozd, "Cv-Vozd", "1.25", 13, 1.25f},
    {ConstantField::PlotnMatTr, "RoMatTrub", "7900", 10, 7900.0f},
};

TEST(ConstantDefaults, FieldsArrayAndKeysAgree) {
    const ConstantFieldTexts fields;
    const ConstantsArray constants;
    for (const auto& c : kDefaults) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(fields[c.field], c.text);
        EXPECT_EQ(constants.Get(c.index), c.value);
        ASSERT_NE(FieldByIniKey(c.key), nullptr);
        EXPECT_EQ(FieldByIniKey(c.key)->field, c.field);
        EXPECT_EQ(FieldInfo(c.field).arrayIndex, c.index);
    }
    EXPECT_EQ(fields[ConstantField::HaraktShum], "-26.2 -16.1 -8.6 -3.2 0 1.2 1 -1.1");
    const float noise[] = {-26.2f, -16.1f, -8.6f, -3.2f, 0.0f, 1.2f, 1.0f, -1.1f};
    for (int i = 1; i <= 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(constants.Get(i), noise[i - 1]);
    }
    // The default texts read back as the default array.
    EXPECT_EQ(ReadConstantRecord(fields), constants);
    EXPECT_EQ(FieldByIniKey("ro-voda"), nullptr);
    EXPECT_EQ(FieldByIniKey("HaraktShumomer")->field, ConstantField::HaraktShum);
}

struct ValidateCase { const char* name; std::vector<std::pair<ConstantField, const char*>> edits; bool ok; int code; };
const ValidateCase kValidations[] = {
    {"defaults", {}, true, 0},
    {"leading blank passes", {{ConstantField::PlotnVoda, " 1000"}}, true, 0},
    {"exponent passes", {{ConstantField::PlotnVoda, "1e3"}}, true, 0},
    {"trailing blank", {{ConstantField::PlotnVoda, "1000 "}}, false, 1},
    {"comma", {{ConstantField::PlotnVoda, "9,7"}}, false, 1},
    {"water Cm empty", {{ConstantField::TeplMVoda, ""}}, false, 2},
    {"air Cm letters", {{ConstantField::TeplMVozd, "abc"}}, false, 3},
    {"air Cv beyond a single", {{ConstantField::TeplVVozd, "1e39"}}, false, 4},
    {"pipe density", {{ConstantField::PlotnMatTr, "7 900"}}, false, 5},
    {"seven noise numbers", {{ConstantField::HaraktShum, "1 2 3 4 5 6 7"}}, false, 6},
    {"first bad field in code order",
     {{ConstantField::PlotnMatTr, "x"}, {ConstantField::TeplVVozd, "x"}}, false, 4},
    {"noise after the five", {{ConstantField::HaraktShum, ""}, {ConstantField::PlotnMatTr, "x"}}, false, 5},
};

TEST(ValidateOptions, NamesTheFirstBadField) {
    for (const auto& c : kValidations) {
        SCOPED_TRACE(c.name);
        ConstantFieldTexts fields;
        for (const auto& [field, text] : c.edits) fields[field] = text;
        std::uint8_t code = 99;
        EXPECT_EQ(ValidateOptions(fields, code), c.ok);
        EXPECT_EQ(code, c.code);
    }
}

TEST(ValidateOptions, GridIsCheckedOnlyAfterTheFields) {
    struct Case { const char* name; bool fieldsGood; bool gridGood; bool ok; int code; bool gridCalled; };
    const Case cases[] = {
        {"grid fails", true, false, false, 0, true},
        {"grid passes", true, true, true, 0, true},
        {"bad field stops first", false, false, false, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConstantFieldTexts fields;
        if (!c.fieldsGood) fields[ConstantField::PlotnVoda] = "x";
        bool called = false;
        std::uint8_t code = 99;
        EXPECT_EQ(ValidateOptions(fields, code, [&] { called = true; return c.gridGood; }), c.ok);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(called, c.gridCalled);
    }
}

struct ApplyCase {
    const char* name; ConstantField field; const char* text; const char* shown; int index; float value; bool replaced;
};
const ApplyCase kApplies[] = {
    {"number is stored", ConstantField::PlotnVoda, "1000", "1000", 9, 1000.0f, false},
    {"leading blank stays in the field", ConstantField::TeplMVoda, " 4.2", " 4.2", 11, 4.2f, false},
    {"bad text takes the default", ConstantField::TeplMVozd, "1,0", "1.005", 12, 1.005f, true},
    {"empty takes the default", ConstantField::PlotnMatTr, "", "7900", 10, 7900.0f, true},
    {"nine noise numbers are repaired", ConstantField::HaraktShum, "1 2 3 4 5 6 7 8 9",
     "1 2 3 4 5 6 7 -1.1", 8, -1.1f, true},
    {"good noise text is kept", ConstantField::HaraktShum, "1 2 3 4 5 6 7  8", "1 2 3 4 5 6 7  8", 8,
     8.0f, false},
};

TEST(ApplyConstantFields, ConvertsOrFallsBackSilently) {
    for (const auto& c : kApplies) {
        SCOPED_TRACE(c.name);
        ConstantFieldTexts fields;
        fields[c.field] = c.text;
        ConstantsArray constants;
        constants.Set(c.index, 12345.0f);
        EXPECT_EQ(ApplyConstantFields(fields, constants), c.replaced);
        EXPECT_EQ(fields[c.field], c.shown);
        EXPECT_EQ(constants.Get(c.index), c.value);
    }
}

TEST(ReadConstantRecord, TakesAllThirteenFromTheFields) {
    ConstantFieldTexts fields;
    fields[ConstantField::PlotnVoda] = "1000";
    fields[ConstantField::TeplMVoda] = "4.2";
    fields[ConstantField::TeplMVozd] = "1";
    fields[ConstantField::TeplVVozd] = "1.3";
    fields[ConstantField::PlotnMatTr] = "7850";
    fields[ConstantField::HaraktShum] = "1 2 3 4 5 6 7 8";
    const ConstantsArray c = ReadConstantRecord(fields);
    const float expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 1000, 7850, 4.2f, 1, 1.3f};
    for (int i = 1; i <= ConstantsArray::kCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(c.Get(i), expected[i - 1]);
    }
}

struct RepairCase { int code; ConstantField field; const char* bad; const char* repaired; };
const RepairCase kRepairs[] = {
    {1, ConstantField::PlotnVoda, "x", "970"},
    {2, ConstantField::TeplMVoda, "x", "4.18"},
    {3, ConstantField::TeplMVozd, "x", "1.005"},
    {4, ConstantField::TeplVVozd, "x", "1.25"},
    {5, ConstantField::PlotnMatTr, "x", "7900"},
    {6, ConstantField::HaraktShum, "1 2 3", "1 2 3 -3.2 0.0 1.2 1.0 -1.1"},
};

TEST(RepairConstantField, YesRepairsOnlyTheBadField) {
    for (const auto& c : kRepairs) {
        SCOPED_TRACE(c.code);
        ConstantFieldTexts fields;
        fields[ConstantField::PlotnVoda] = "x";  // another bad field stays as it is
        fields[c.field] = c.bad;
        ConstantFieldTexts expected = fields;
        expected[c.field] = c.repaired;
        EXPECT_TRUE(RepairConstantField(fields, static_cast<std::uint8_t>(c.code)));
        EXPECT_EQ(fields, expected);
    }
    for (int code : {0, 7, 255}) {
        SCOPED_TRACE(code);
        ConstantFieldTexts fields;
        fields[ConstantField::PlotnVoda] = "x";
        const ConstantFieldTexts before = fields;
        EXPECT_FALSE(RepairConstantField(fields, static_cast<std::uint8_t>(code)));
        EXPECT_EQ(fields, before);
    }
}

// "Закрыть" with a bad density answered Yes; the second "Закрыть" takes 970.
TEST(RepairConstantField, SecondCloseTakesTheRepairedValue) {
    ConstantFieldTexts fields;
    fields[ConstantField::PlotnVoda] = "9,7";
    ConstantsArray constants;
    constants.Set(ConstantsArray::RoVoda, 1000.0f);
    std::uint8_t code = 0;
    ASSERT_FALSE(ValidateOptions(fields, code));
    ASSERT_TRUE(RepairConstantField(fields, code));
    EXPECT_EQ(fields[ConstantField::PlotnVoda], "970");
    ASSERT_TRUE(ValidateOptions(fields, code));
    constants = ReadConstantRecord(fields);
    EXPECT_EQ(constants.Get(ConstantsArray::RoVoda), 970.0f);
}

TEST(ConstantsError, TextsAndKinds) {
    struct Case { int kind; const char* text; };
    const Case cases[] = {
        {1, "Обнаружена ошибка записи значения константы. Строка с ошибкой сейчас текущая."},
        {2, "В некоторых строках ввода новых констант (пользователя) обнаружены ошибки. Это может быть:"
            "\n\n 1. Имя константы совпадает с именами базовых констант;"
            "\n 2. Неверная запись значения константы. \n\nАвтоматически исправить нельзя..."},
        {0, ""},
        {3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(ConstantsErrorText(c.kind), c.text);
    }
    EXPECT_EQ(ConstantsErrorKind(0), 2);
    for (int code = 1; code <= 6; ++code) EXPECT_EQ(ConstantsErrorKind(static_cast<std::uint8_t>(code)), 1);
}

TEST(ResetConstantFields, BringsBackTheDefaults) {
    ConstantFieldTexts fields;
    fields[ConstantField::HaraktShum] = "x";
    fields[ConstantField::PlotnMatTr] = "1";
    ConstantsArray constants;
    constants.Set(3, 99.0f);
    ResetConstantFields(fields, constants);
    EXPECT_EQ(fields, ConstantFieldTexts());
    EXPECT_EQ(constants, ConstantsArray());
}

}  // namespace
}  // namespace zul
