// Selection rules of the topic tree and the bracket template command.
#include <gtest/gtest.h>

#include "calc/Catalogue.h"
#include "calc/Pictures.h"
#include "calc/Selection.h"

namespace zul {
namespace {

struct SelectCase {
    const char* name;
    int code;
    bool timeSum;
    bool insertFormula;
    const char* hint;
    const char* picture;
};
const SelectCase kSelections[] = {
    {"leaf", 1, false, true, "[Расход, м3/ч] [Диаметр трубопровода, мм]", "ZSkor"},
    {"leaf at level 4", 1016, false, true,
     "[Тепловой поток, кВт] [Скорость, м/с] [Температурный перепад,°C] [Определяющая температура,°C]",
     "Diam-05"},
    {"acoustics leaf", 5002, false, true,
     "[Уровень шума на частоте 62.5 Гц, дБ] [Уровень шума на частоте 125 Гц, дБ] и т.д.", "SdBdBA"},
    {"group node", 50, false, false, "Диаметр трубопровода...", "ZDiam"},
    {"group sharing a picture", 2025, false, false,
     "Площадь поверхности окраски трубы круглого или прямоугольного сечения", "ZGeom-t"},
    {"topic with code 0", 0, false, false, "Течение жидкостей по трубопроводам", "ZGidravl"},
    {"topic", 50000, false, false, "Расчеты (формулы) по математике", "ZMatem"},
    {"time sum", 50301, true, true,
     "Сложить значения времени:  [чч:мм:сс] [чч:мм:сс] [-чч:мм:сс]  и т.д.", "Zast-001"},
};

TEST(TopicSelection, SetsCodeModeHintPictureAndCommands) {
    for (const auto& c : kSelections) {
        SCOPED_TRACE(c.name);
        const int index = IndexOfCode(c.code);
        const auto s = SelectTopicNode(index);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->state.selectedNodeIndex, index);
        EXPECT_EQ(s->state.calculationCode, c.code);
        EXPECT_EQ(s->state.timeSumMode, c.timeSum);
        EXPECT_EQ(s->hint, c.hint);
        EXPECT_EQ(PictureName(s->pictureIndex), c.picture);
        EXPECT_EQ(s->insertFormulaEnabled, c.insertFormula);
        EXPECT_TRUE(s->literatureEnabled);
        EXPECT_TRUE(s->setsSettingsModified);
    }
}

TEST(TopicSelection, TimeSumModeOnlyFor50301) {
    for (int i = 0; i < kCatalogueSize; ++i) {
        const auto s = SelectTopicNode(i);
        ASSERT_TRUE(s.has_value());
        SCOPED_TRACE(s->state.calculationCode);
        EXPECT_EQ(s->state.timeSumMode, s->state.calculationCode == kTimeSumCode);
        EXPECT_EQ(s->insertFormulaEnabled, IsCalculationCode(s->state.calculationCode));
    }
}

TEST(TopicSelection, IndexOutsideTheTreeSelectsNothing) {
    for (int index : {-1, 143, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(SelectTopicNode(index).has_value());
    }
}

TEST(TopicSelection, StateAtCreation) {
    const TopicSelection start;
    EXPECT_EQ(start.state.calculationCode, 0);
    EXPECT_EQ(start.state.selectedNodeIndex, 0);
    EXPECT_FALSE(start.state.timeSumMode);
    EXPECT_EQ(start.hint, "");
    EXPECT_EQ(PictureName(start.pictureIndex), "Zast-001");
    EXPECT_FALSE(start.insertFormulaEnabled);
    EXPECT_FALSE(start.literatureEnabled);
}

struct TemplateCase { int code; const char* text; };
const TemplateCase kTemplates[] = {
    {1001, "[]"},
    {1, "[] []"},
    {52, "[] [] []"},
    {72, "[] [] [] [] []"},
    {8012, "[] [] [] [] [] []"},
    {5001, "[] [] [] [] [] [] [] []"},
    {50301, "[00:00:00] [00:00:00] [-00:00:00]"},
    {0, ""},
    {50, ""},
    {50000, ""},
    {99999, ""},
    {-1, ""},
};

TEST(BracketTemplate, PairsJoinedBySingleBlanks) {
    for (const auto& c : kTemplates) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(BracketTemplate(c.code), c.text);
    }
}

struct CommandCase {
    const char* name;
    int code;
    const char* input;
    bool setInput;
    const char* newInput;
    bool yellow;
};
const CommandCase kCommands[] = {
    {"empty line gets the template", 1, "", true, "[] []", true},
    {"other text gets the template", 1, "[12.5] [80]", true, "[] []", true},
    {"template toggles to empty", 1, "[] []", true, "", true},
    {"template with a blank is other text", 1, "[] [] ", true, "[] []", true},
    {"time template toggles", 50301, "[00:00:00] [00:00:00] [-00:00:00]", true, "", true},
    {"group node only paints", 50, "2+3", false, "", true},
    {"topic with code 0 does nothing", 0, "2+3", false, "", false},
    {"unknown code above 0 paints", 12345, "", false, "", true},
};

TEST(BracketTemplate, CommandTogglesTheInputLine) {
    for (const auto& c : kCommands) {
        SCOPED_TRACE(c.name);
        const auto e = BracketTemplateCommand(c.code, c.input);
        EXPECT_EQ(e.setInput, c.setInput);
        EXPECT_EQ(e.focusInput, c.setInput);
        if (c.setInput) {
            EXPECT_EQ(e.inputText, c.newInput);
        }
        EXPECT_EQ(e.paintHintYellow, c.yellow);
    }
}

}  // namespace
}  // namespace zul
