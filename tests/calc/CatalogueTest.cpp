// The shape of the topic tree, its codes and pictures, and the catalogue listing.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Catalogue.h"
#include "calc/Pictures.h"

namespace zul {
namespace {

TEST(CatalogueShape, CountsOfNodesLeavesGroupsAndTopics) {
    ASSERT_EQ(CatalogueRows().size(), 143u);
    int leaves = 0, groups = 0, topics = 0, maxLevel = 0;
    for (int i = 0; i < kCatalogueSize; ++i) {
        const CatalogueRow& row = *NodeByIndex(i);
        (IsGroupIndex(i) ? groups : leaves) += 1;
        if (row.level == 1) ++topics;
        maxLevel = std::max(maxLevel, row.level);
    }
    EXPECT_EQ(leaves, 101);
    EXPECT_EQ(leaves, kCalculationCount);
    EXPECT_EQ(groups, 42);
    EXPECT_EQ(topics, 10);
    EXPECT_EQ(maxLevel, 4);
}

TEST(CatalogueShape, LevelsDescendOneStepAtATime) {
    int previous = 0;
    for (int i = 0; i < kCatalogueSize; ++i) {
        SCOPED_TRACE(NodeByIndex(i)->text);
        const int level = NodeByIndex(i)->level;
        EXPECT_GE(level, 1);
        EXPECT_LE(level, previous + 1);
        const int parent = ParentIndex(i);
        if (level == 1) {
            EXPECT_EQ(parent, -1);
        } else {
            ASSERT_GE(parent, 0);
            EXPECT_EQ(NodeByIndex(parent)->level, level - 1);
            EXPECT_TRUE(IsGroupIndex(parent));
        }
        previous = level;
    }
}

TEST(CatalogueShape, PairsColumnMarksExactlyTheLeaves) {
    for (int i = 0; i < kCatalogueSize; ++i) {
        const CatalogueRow& row = *NodeByIndex(i);
        SCOPED_TRACE(std::to_string(row.code) + " " + row.text);
        if (IsGroupIndex(i)) {
            EXPECT_EQ(row.pairs, kGroup);
            EXPECT_FALSE(IsCalculationCode(row.code));
        } else {
            EXPECT_TRUE(row.pairs == kTimeTemplate || (row.pairs >= 1 && row.pairs <= 8));
            EXPECT_TRUE(IsCalculationCode(row.code));
        }
        EXPECT_EQ(row.pairs == kTimeTemplate, row.code == 50301);
    }
}

TEST(CatalogueCodes, AreUniqueAndFoundByCode) {
    std::set<int> codes;
    for (int i = 0; i < kCatalogueSize; ++i) {
        const int code = NodeByIndex(i)->code;
        SCOPED_TRACE(code);
        EXPECT_TRUE(codes.insert(code).second);
        EXPECT_EQ(IndexOfCode(code), i);
        EXPECT_EQ(NodeByCode(code), NodeByIndex(i));
    }
}

struct Anchor { const char* text; int index; int code; int level; };
const Anchor kAnchors[] = {
    {"Акустика", 0, 5000, 1},
    {"Аэродинамика", 3, 1000, 1},
    {"Гидравлика", 26, 0, 1},
    {"Инженерная геометрия", 41, 2000, 1},
    {"Отопление", 59, 4000, 1},
    {"Вентиляция", 72, 3000, 1},
    {"Кондиционирование", 89, 7000, 1},
    {"Водоснабжение и канализация", 105, 6000, 1},
    {"Теплогенерирующие установки", 111, 8000, 1},
    {"Математика", 118, 50000, 1},
    {"Скорость жидкости", 27, 1, 2},
    {"Сложение значений времени: [чч:мм:сс]", 141, 50301, 2},
    {"Интерполяция (линейная)", 142, 50001, 2},
};

TEST(CatalogueCodes, AnchorNodesStandAtTheirAbsoluteIndexes) {
    for (const auto& a : kAnchors) {
        SCOPED_TRACE(a.text);
        const CatalogueRow* row = NodeByIndex(a.index);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->text, a.text);
        EXPECT_EQ(row->code, a.code);
        EXPECT_EQ(row->level, a.level);
    }
}

TEST(CatalogueCodes, LookupsOutsideTheTreeFindNothing) {
    for (int index : {-1, 143, 100000}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(NodeByIndex(index), nullptr);
        EXPECT_EQ(ParentIndex(index), -1);
        EXPECT_FALSE(IsGroupIndex(index));
    }
    for (int code : {-1, 2, 999, 50302}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(IndexOfCode(code), -1);
        EXPECT_EQ(NodeByCode(code), nullptr);
        EXPECT_FALSE(IsCalculationCode(code));
    }
}

// Each topic's codes lie in its subject's range, except the blocks that stand under
// another topic.
struct Range { int low, high; };
struct TopicRanges { int topicCode; std::vector<Range> ranges; };
const TopicRanges kTopicRanges[] = {
    {5000, {{5000, 5002}}},
    {1000, {{1000, 1046}, {3010, 3014}}},
    {0, {{0, 149}}},
    {2000, {{2000, 2037}}},
    {4000, {{4000, 4030}, {150, 152}}},
    {3000, {{3000, 3052}, {1030, 1036}}},
    {7000, {{7000, 7058}}},
    {6000, {{6000, 6011}}},
    {8000, {{8000, 8022}}},
    {50000, {{50000, 50301}}},
};

TEST(CatalogueCodes, FallInTheirTopicsRanges) {
    int topic = -1;
    for (int i = 0; i < kCatalogueSize; ++i) {
        const CatalogueRow& row = *NodeByIndex(i);
        if (row.level == 1) ++topic;
        SCOPED_TRACE(row.code);
        ASSERT_LT(topic, 10);
        const TopicRanges& t = kTopicRanges[topic];
        if (row.level == 1) {
            EXPECT_EQ(row.code, t.topicCode);
        }
        bool inside = false;
        for (const Range& r : t.ranges) inside = inside || (row.code >= r.low && row.code <= r.high);
        EXPECT_TRUE(inside);
    }
}

TEST(CataloguePictures, EveryNodePictureIsInThePictureTable) {
    for (const CatalogueRow& row : CatalogueRows()) {
        SCOPED_TRACE(row.code);
        const int index = PictureIndex(row.picture);
        EXPECT_GE(index, 1);
        EXPECT_EQ(PictureName(index), row.picture);
    }
}

TEST(CataloguePictures, TableHas125DistinctNames) {
    std::set<std::string_view> names;
    for (int i = 1; i <= kPictureCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(PictureName(i).empty());
        EXPECT_TRUE(names.insert(PictureName(i)).second);
    }
    EXPECT_EQ(names.size(), 125u);
}

struct PictureCase { int index; const char* name; };
const PictureCase kPictureCases[] = {
    {1, "Zast-001"}, {2, "ZGidravl"}, {60, "Rasst"}, {97, "ZGeom-t"}, {124, "dP-L"}, {125, "ZdP-L"},
    {0, ""}, {126, ""}, {-5, ""},
};

TEST(CataloguePictures, NameByIndexAndBack) {
    for (const auto& c : kPictureCases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(PictureName(c.index), c.name);
        if (*c.name != '\0') {
            EXPECT_EQ(PictureIndex(c.name), c.index);
        }
    }
    EXPECT_EQ(PictureIndex("zast-001"), 0);  // names are case-sensitive
    EXPECT_EQ(PictureIndex(""), 0);
}

struct SharedPicture { int code; const char* picture; };
const SharedPicture kSharedPictures[] = {
    {50011, "Rasst"},   {50012, "Rasst"},   {7010, "CondCF"},  {7011, "CondCF"},
    {50026, "FSTr"},    {50027, "FSTr"},    {50032, "FSTr"},   {50030, "SinCos"},
    {50031, "SinCos"},  {50104, "Cilindr"}, {50106, "Cilindr"}, {50108, "Cilindr"},
    {50110, "Konus"},   {50112, "Konus"},   {50114, "Konus"},  {50116, "Shar"},
    {50118, "Shar"},    {2020, "ZGeom-t"},  {2025, "ZGeom-t"}, {2030, "ZGeom-t"},
    {2035, "ZGeom-t"},  {150, "ZTP"},       {1030, "ZTP"},     {50010, "Zast-001"},
    {50020, "Zast-001"}, {50100, "Zast-001"}, {50200, "Zast-001"}, {50301, "Zast-001"},
};

TEST(CataloguePictures, SharedPicturesOfNodes) {
    for (const auto& c : kSharedPictures) {
        SCOPED_TRACE(c.code);
        ASSERT_NE(NodeByCode(c.code), nullptr);
        EXPECT_STREQ(NodeByCode(c.code)->picture, c.picture);
    }
}

std::vector<std::string> ListingLines() {
    std::vector<std::string> lines;
    std::istringstream in(CatalogueListing());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct ListingCase { int index; const char* line; };
const ListingCase kListing[] = {
    {0, "0\t5000\t1\tАкустика\tРасчеты по шуму..."},
    {26, "26\t0\t1\tГидравлика\tТечение жидкостей по трубопроводам"},
    {32, "32\t61\t3\tпо G (т/ч ) и H (м)\t[Расход жидкости, т/ч] [Требуемое снижение напора, м] "},
    {126, "126\t50030\t3\tТеорема синусов\t[Угол \"A\"] [Сторона \"b\"] [Угол \"B\"]"},
    {142, "142\t50001\t2\tИнтерполяция (линейная)\t[M1] [N1] [M2] [N2] [Y]"},
};

TEST(CatalogueListing, OneTabSeparatedLinePerNode) {
    const auto lines = ListingLines();
    ASSERT_EQ(lines.size(), 143u);
    for (const auto& c : kListing) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(lines[static_cast<std::size_t>(c.index)], c.line);
    }
}

}  // namespace
}  // namespace zul
