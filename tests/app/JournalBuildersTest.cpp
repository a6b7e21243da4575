// Journal entries from a compute: the argument groups as the dispatch splits them, the
// captions and units of every hint line, the literature written out, the whole entry.
#include <gtest/gtest.h>

#include "app/HintCaptions.h"
#include "app/JournalBuilders.h"
#include "app/JournalLiterature.h"
#include "calc/Catalogue.h"
#include "eval/Evaluator.h"

namespace zul {
namespace {

const Stamp kStamp = {"31.01.2025", "14:05:09"};

IniDocument LiteratureFile() {
    IniDocument file;
    file.Parse(
        "[Program]\nName=ZUL (ver 1.4)\n"
        "[LitPoints]\nLP-0=5:/\nLP-1=14:12-15/10:/\nLP-2002=Справочник по гидравлике без номеров\n"
        "LP-51=3:5:7/99:/12:\n"
        "[Literature]\nLit-03=Источник три\nLit-05=Источник пять\nLit-10=Источник десять\n"
        "Lit-12=Источник двенадцать\nLit-14=Шевелев Ф. А. Таблицы.\n");
    return file;
}

TEST(JournalBuilders, VelocityOfCodeOne) {
    const IniDocument literature = LiteratureFile();
    const JournalEntry e = MakeComputeEntry({1, "[12.5] [80]", "0.690776662725"}, {}, &literature, kStamp);
    EXPECT_EQ(e.kind, EntryKind::Calculation);
    EXPECT_EQ(e.stamp, kStamp);
    EXPECT_TRUE(e.inDocument);
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.name, "Скорость жидкости");
    EXPECT_EQ(e.title, "Скорость перемещения жидкости по трубопроводу,  м/с");
    EXPECT_EQ(e.picture, "ZSkor");
    EXPECT_EQ(e.text, "[12.5] [80]");
    EXPECT_EQ(e.result, "0.690776662725");
    const std::vector<ArgumentRecord> arguments = {{"12.5", "12.5", "Расход", "м3/ч"},
                                                   {"80", "80", "Диаметр трубопровода", "мм"}};
    EXPECT_EQ(e.arguments, arguments);
    const std::vector<LiteratureReference> references = {{"Шевелев Ф. А. Таблицы.", "12-15"},
                                                         {"Источник десять", ""}};
    EXPECT_EQ(e.literature, references);
}

TEST(JournalBuilders, RoutesAndArgumentsAsGiven) {
    const JournalEntry plain = MakeComputeEntry({1, "2+3", "5"}, {}, nullptr, kStamp);
    EXPECT_EQ(plain.kind, EntryKind::Expression);
    EXPECT_EQ(plain.text, "2+3");

    const JournalEntry time =
        MakeComputeEntry({50301, "[01:30:00] [ -00:20:00] x", "[01:10:00]"}, {}, nullptr, kStamp);
    EXPECT_EQ(time.kind, EntryKind::TimeSum);
    EXPECT_EQ(time.timeGroups, (std::vector<std::string>{"[01:30:00]", "[-00:20:00]"}));

    // A missing argument is listed with the 0 the formula read; an extra group has no caption.
    const JournalEntry short2002 = MakeComputeEntry({2002, "[3600/4]", "0"}, {}, nullptr, kStamp);
    EXPECT_EQ(short2002.name, "Эквивалентный диаметр — по 2-ум размерам");
    EXPECT_EQ(short2002.arguments,
              (std::vector<ArgumentRecord>{{"3600/4", "900", "Размер А", ""}, {"", "0", "Размер Б", ""}}));
    const JournalEntry long1 = MakeComputeEntry({1, "[1] [2] [3]", "x"}, {}, nullptr, kStamp);
    ASSERT_EQ(long1.arguments.size(), 3u);
    EXPECT_EQ(long1.arguments[2].caption, "");

    // The acoustics calculations list the bands that were given, by their frequencies.
    const JournalEntry noise = MakeComputeEntry({5002, "[80] [80]", "83.0102999566"}, {}, nullptr, kStamp);
    EXPECT_EQ(noise.arguments,
              (std::vector<ArgumentRecord>{{"80", "80", "Уровень шума на частоте 62.5 Гц", "дБ"},
                                           {"80", "80", "Уровень шума на частоте 125 Гц", "дБ"}}));
    EXPECT_TRUE(noise.literature.empty());
}

TEST(JournalBuilders, GroupTextsAgreeWithTheDispatch) {
    const char* const lines[] = {"[12.5] [80]", "[3600/4] [2*40]", "2*[3] [4]", "[5] [6] abc", "   [5]",
                                 "[1][2][3]",   "[1] [2] [3] [4] [5] [6] [7] [8] [9] [10] [11]",
                                 "5] [6]",      "[1] 2] [3]", "[1] [2", "[ 7 ]", "[pi] [ 2^3 ]"};
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        ArgumentGroups groups;
        ASSERT_TRUE(SplitArgumentGroups(line, {}, groups));
        const std::vector<std::string> texts = SplitGroupTexts(line);
        ASSERT_LE(texts.size(), 10u);
        for (std::size_t i = 0; i < groups.slots.size(); ++i) {
            Extended value = 0;
            if (i < texts.size()) {
                ASSERT_TRUE(EvaluateExpression(texts[i], value, {}));
            }
            EXPECT_EQ(value, groups.slots[i]) << "group " << i + 1;
        }
    }
    EXPECT_EQ(SplitGroupTexts("2*[3] [4]"), (std::vector<std::string>{"2*3", "4"}));
    EXPECT_TRUE(SplitGroupTexts("abc").empty());
    EXPECT_TRUE(EvaluateGroups("[1] [abc]", {}).empty());
}

TEST(HintCaptions, SplitCaptionAndUnit) {
    struct Case { const char* text; const char* caption; const char* unit; };
    const Case cases[] = {
        {"Расход, м3/ч", "Расход", "м3/ч"},
        {"Температурный перепад,°C", "Температурный перепад", "°C"},
        {"Т1,°C - в тепловой сети", "Т1 - в тепловой сети", "°C"},
        {"Удельные теплопотери, Вт/(м3 К)", "Удельные теплопотери", "Вт/(м3 К)"},
        {"Влагосодержание воздуха, г/(кг сух. возд.)", "Влагосодержание воздуха", "г/(кг сух. возд.)"},
        {"КПД,%", "КПД", "%"},
        {"Радиус окружности, лежащей в основании", "Радиус окружности, лежащей в основании", ""},
        {"Сумма к.м.с.", "Сумма к.м.с.", ""},
        {"Скорость перемещения жидкости по трубопроводу,  м/с",
         "Скорость перемещения жидкости по трубопроводу", "м/с"},
        {"Удельные потери давления по длине трубопровода ,  Па/м",
         "Удельные потери давления по длине трубопровода", "Па/м"},
        {"Безразмерный коэффициент  а,  зависящий от произведения  PN",
         "Безразмерный коэффициент а, зависящий от произведения PN", ""},
        {", м", ", м", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitCaptionUnit(c.text), (QuantityCaption{c.caption, c.unit}));
    }
}

// Every calculation's hint line gives one caption per argument of its bracket template.
// The raw hint of the acoustics calculations names two bands and "и т.д." for eight.
TEST(HintCaptions, EveryCalculationHasOneCaptionPerArgument) {
    int calculations = 0;
    for (const CatalogueRow& row : CatalogueRows()) {
        if (row.pairs == kGroup || row.pairs == kTimeTemplate) continue;
        SCOPED_TRACE(row.code);
        ++calculations;
        const std::vector<QuantityCaption> captions = CalculationCaptions(row.code);
        EXPECT_EQ(captions.size(), static_cast<std::size_t>(row.pairs));
        for (const QuantityCaption& c : captions) EXPECT_FALSE(c.caption.empty());
        const bool acoustics = row.code == 5001 || row.code == 5002;
        EXPECT_EQ(ParseHintCaptions(row.hint).size(), acoustics ? 2u : captions.size());
    }
    EXPECT_EQ(calculations, kCalculationCount - 1);  // all but the time sum
}

TEST(JournalLiterature, ReferencesWrittenOut) {
    const IniDocument file = LiteratureFile();
    EXPECT_EQ(
        CalculationReferences(file, 51),
        (std::vector<LiteratureReference>{{"Источник три", "5:7"},
                                          {"Источник пять", "7"},
                                          {"Источник Lit-99 не найден в файле литературы «Zul.lit»", ""},
                                          {"Источник двенадцать", ""}}));
    EXPECT_EQ(CalculationReferences(file, 2002),
              (std::vector<LiteratureReference>{{"Справочник по гидравлике без номеров", ""}}));
    EXPECT_EQ(CalculationReferences(file, 1001), (std::vector<LiteratureReference>{{"Источник пять", ""}}));

    IniDocument foreign;
    foreign.Parse("[Program]\nName=zul\n[LitPoints]\nLP-1=3:/\n");
    EXPECT_TRUE(CalculationReferences(foreign, 1).empty());
    IniDocument none;
    none.Parse("[Program]\nName=ZUL\n");
    EXPECT_TRUE(CalculationReferences(none, 1).empty());
}

}  // namespace
}  // namespace zul
