// Setting a constant from a KEY=TEXT assignment, as the command line does.
#include <gtest/gtest.h>

#include <string>

#include "settings/ConstantsOption.h"

namespace zul {
namespace {

const char* const kBadValue = "Обнаружена ошибка записи значения константы. Строка с ошибкой сейчас текущая.";

struct OptionCase { const char* assignment; int index; float value; };
const OptionCase kGood[] = {
    {"Ro-Voda=1000", 9, 1000.0f},
    {"Ro-Voda= 1000", 9, 1000.0f},
    {"Cm-Voda=4.2", 11, 4.2f},
    {"Cm-Vozd=1e0", 12, 1.0f},
    {"Cv-Vozd=1.3", 13, 1.3f},
    {"RoMatTrub=7850", 10, 7850.0f},
    {"HaraktShumomer=1 2 3 4 5 6 7 8", 8, 8.0f},
};

TEST(ConstantOption, AppliesAValidValue) {
    for (const auto& c : kGood) {
        SCOPED_TRACE(c.assignment);
        ConstantFieldTexts fields;
        ConstantsArray constants;
        std::string error;
        EXPECT_TRUE(ApplyConstantOption(c.assignment, fields, constants, error));
        EXPECT_EQ(error, "");
        EXPECT_EQ(constants.Get(c.index), c.value);
        EXPECT_EQ(constants, ReadConstantRecord(fields));
    }
}

struct BadCase { const char* assignment; const char* error; };
const BadCase kBad[] = {
    {"Ro-Voda=9,7", kBadValue},
    {"Ro-Voda=970 ", kBadValue},
    {"Ro-Voda=", kBadValue},
    {"Cv-Vozd=1e39", kBadValue},
    {"HaraktShumomer=1 2 3", kBadValue},
    {"ro-voda=1", "Неизвестная константа: \"ro-voda\". Допустимы: Ro-Voda, Cm-Voda, Cm-Vozd, Cv-Vozd, "
                  "RoMatTrub, HaraktShumomer."},
    {"Ro-Voda", "Ожидается КЛЮЧ=ЗНАЧЕНИЕ, где КЛЮЧ: Ro-Voda, Cm-Voda, Cm-Vozd, Cv-Vozd, RoMatTrub, "
                "HaraktShumomer."},
};

TEST(ConstantOption, RejectsAndChangesNothing) {
    for (const auto& c : kBad) {
        SCOPED_TRACE(c.assignment);
        ConstantFieldTexts fields;
        fields[ConstantField::TeplMVoda] = "4.2";
        ConstantsArray constants;
        constants.Set(ConstantsArray::RoVoda, 1000.0f);
        const ConstantFieldTexts fieldsBefore = fields;
        const ConstantsArray constantsBefore = constants;
        std::string error;
        EXPECT_FALSE(ApplyConstantOption(c.assignment, fields, constants, error));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(fields, fieldsBefore);
        EXPECT_EQ(constants, constantsBefore);
    }
}

// Each assignment closes the window once more: earlier ones stay in the fields.
TEST(ConstantOption, LaterAssignmentsKeepEarlierOnes) {
    ConstantFieldTexts fields;
    ConstantsArray constants;
    std::string error;
    ASSERT_TRUE(ApplyConstantOption("Ro-Voda=1000", fields, constants, error));
    ASSERT_FALSE(ApplyConstantOption("Cm-Voda=x", fields, constants, error));
    ASSERT_TRUE(ApplyConstantOption("RoMatTrub=7850", fields, constants, error));
    EXPECT_EQ(constants.Get(ConstantsArray::RoVoda), 1000.0f);
    EXPECT_EQ(constants.Get(ConstantsArray::RoMatTrub), 7850.0f);
    EXPECT_EQ(constants.Get(ConstantsArray::CmVoda), 4.18f);
    EXPECT_EQ(fields[ConstantField::TeplMVoda], "4.18");
}

}  // namespace
}  // namespace zul
