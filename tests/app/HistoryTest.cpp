// The input history with its previous-expression command, and the recent calculations.
#include <gtest/gtest.h>

#include "app/InputHistory.h"
#include "app/RecentCalculations.h"

namespace zul {
namespace {

TEST(InputHistory, PreviousExpressionCycles) {
    const struct {
        const char* name;
        std::vector<std::string> items;
        std::vector<std::string> shown;  // successive presses; "-" nothing happens
    } cases[] = {
        {"empty history", {}, {"-", "-"}},
        {"one item alternates with an empty line", {"A"}, {"A", "", "A", ""}},
        {"three items then empty then again", {"A", "B", "C"}, {"A", "B", "C", "", "A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InputHistory h;
        h.Replace(c.items);
        for (const std::string& expected : c.shown) {
            const auto shown = h.PreviousExpression();
            if (expected == "-") {
                EXPECT_FALSE(shown.has_value());
            } else {
                ASSERT_TRUE(shown.has_value());
                EXPECT_EQ(*shown, expected);
            }
        }
    }
}

TEST(InputHistory, ExactComparison) {
    InputHistory h;
    h.InsertNewest("2+3");
    h.InsertNewest("4*5");
    const struct {
        const char* text;
        bool found;
    } cases[] = {{"2+3", true}, {"4*5", true}, {"2 + 3", false}, {"2+3 ", false}, {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(h.Contains(c.text), c.found);
    }
    EXPECT_EQ(h.Items().front(), "4*5");
}

TEST(RecentCalculations, Recording) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, int>> records;  // entry text, node
        std::vector<std::string> items;
        int count;
    } cases[] = {
        {"same calculation three times", {{"=1", 5}, {"=2", 5}, {"=3", 5}}, {"№1. =3"}, 1},
        {"then another", {{"=1", 5}, {"=3", 5}, {"=7", 9}}, {"№2. =7", "№1. =3"}, 2},
        {"insert-formula entry", {{"#12.5", 5}}, {"№1. #12.5"}, 1},
        {"back to the first node", {{"=1", 5}, {"=2", 9}, {"=3", 5}}, {"№3. =3", "№2. =2", "№1. =1"}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecentCalculations r;
        for (const auto& [text, node] : c.records) r.Record(text, node);
        EXPECT_EQ(r.Items(), c.items);
        EXPECT_EQ(r.Count(), c.count);
        EXPECT_EQ(r.SelectedItem(), 0);
    }
}

TEST(RecentCalculations, FullAfter255) {
    RecentCalculations r;
    for (int i = 0; i < 255; ++i) EXPECT_TRUE(r.Record("=1", i % 2));
    EXPECT_FALSE(r.Record("=2", 7));
    EXPECT_EQ(r.Count(), 255);
    EXPECT_EQ(r.Items().front(), "№255. =1");
}

TEST(RecentCalculations, PreviousCalculation) {
    // Recorded nodes 10, 20, 30; each row presses once with the given selected node.
    const struct {
        const char* name;
        int selected;
        int node;
        int listItem;
    } presses[] = {
        {"at the newest node: step back", 30, 20, 1},
        {"elsewhere: stay", 99, 20, 1},
        {"at that node: step back", 20, 10, 2},
        {"cursor below 2: newest again", 10, 30, 0},
    };
    RecentCalculations r;
    for (int node : {10, 20, 30}) r.Record("=1", node);
    for (const auto& p : presses) {
        SCOPED_TRACE(p.name);
        const auto recalled = r.PreviousCalculation(p.selected);
        ASSERT_TRUE(recalled.has_value());
        EXPECT_EQ(recalled->nodeIndex, p.node);
        EXPECT_EQ(recalled->listItem, p.listItem);
    }
    RecentCalculations empty;
    EXPECT_FALSE(empty.PreviousCalculation(0).has_value());

    RecentCalculations one;
    one.Record("=1", 0);
    for (int i = 0; i < 3; ++i) {
        const auto again = one.PreviousCalculation(0);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->nodeIndex, 0);
        EXPECT_TRUE(again->showStartPicture);
    }
}

TEST(RecentCalculations, PickItem) {
    RecentCalculations r;
    for (int node : {10, 20, 30}) r.Record("=1", node);
    const struct {
        int item;
        int node;
    } cases[] = {{0, 30}, {1, 20}, {2, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const auto recalled = r.PickItem(c.item);
        ASSERT_TRUE(recalled.has_value());
        EXPECT_EQ(recalled->nodeIndex, c.node);
        EXPECT_EQ(r.Cursor(), 3 - c.item);
    }
    EXPECT_FALSE(r.PickItem(3).has_value());
}

}  // namespace
}  // namespace zul
