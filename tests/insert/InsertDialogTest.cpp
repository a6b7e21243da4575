// The insert-formula dialog's flow: configure, preview, insert and leave, with a scripted
// main window standing in for the evaluator, the dispatch and the time sum.
#include <gtest/gtest.h>

#include <map>

#include "eval/Evaluator.h"
#include "eval/Extended.h"
#include "insert/FormulaTemplates.h"
#include "insert/InsertFormula.h"

namespace zul {
namespace {

// Answers from tables; records what the dialog asked.
class ScriptedHost : public InsertFormulaHost {
public:
    int code = 1;
    bool timeSum = false;
    std::map<std::string, Extended> values;      // expression or argument text -> value
    std::map<std::string, std::string> times;    // time-sum text -> result
    std::string faultOn;                         // this text raises a division fault
    std::vector<std::string> recent;
    std::vector<std::string> asked;

    int CalculationCode() const override { return code; }
    bool TimeSumMode() const override { return timeSum; }
    bool Evaluate(std::string_view text, Extended& value) override { return Answer(text, value); }
    bool Dispatch(std::string_view text, Extended& value) override { return Answer(text, value); }
    bool TimeSum(std::string_view text, std::string& result) override {
        asked.emplace_back(text);
        auto it = times.find(std::string(text));
        if (it == times.end()) return false;
        result = it->second;
        return true;
    }
    void RecordRecentCalculation(const std::string& entry) override { recent.push_back(entry); }

private:
    bool Answer(std::string_view text, Extended& value) {
        asked.emplace_back(text);
        if (text == faultOn) RaiseFault(FaultKind::DivisionByZero);
        auto it = values.find(std::string(text));
        if (it == values.end()) return false;
        value = it->second;
        return true;
    }
};

TMasDatStr Record(const std::string& templ, std::initializer_list<const char*> captions) {
    TMasDatStr r;
    r.strings[0] = templ;
    int k = 1;
    for (const char* c : captions) r.strings[static_cast<std::size_t>(k++)] = c;
    r.count = static_cast<std::uint8_t>(captions.size());
    return r;
}

TEST(InsertDialog, ConfigureShowsTemplateOrTheNoFormulaText) {
    struct Case { const char* name; std::string templ; int count; int code; bool shown; const char* readFunc; const char* field1; };
    const Case cases[] = {
        {"template", "X1*2", 1, 1, true, "X1*2", ""},
        {"no template", "", 3, 50026, true, "Расчет имеет несколько формул или формула слишком сложная...", ""},
        {"time presets", "", 2, 50301, true, "Расчет имеет несколько формул или формула слишком сложная...", "[00:00:00]"},
        {"nothing to show", "X1", 0, 1, false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InsertFormulaDialog dialog;
        TMasDatStr record = Record(c.templ, {"a", "b", "c"});
        record.count = static_cast<std::uint8_t>(c.count);
        EXPECT_EQ(dialog.Configure("T", record, c.code), c.shown);
        if (!c.shown) {
            EXPECT_FALSE(dialog.Finish().inserted);
            continue;
        }
        EXPECT_EQ(dialog.ReadFunc(), c.readFunc);
        EXPECT_EQ(dialog.ReadRez(), "=");
        EXPECT_EQ(dialog.FieldText(1), c.field1);
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(dialog.FieldVisible(k), k <= c.count || k == 1) << k;
    }
}

TEST(InsertDialog, PreviewShowsResultOrError) {
    struct Case { const char* name; const char* value; const char* readFunc; const char* readRez; const char* recent; };
    const Case cases[] = {
        {"computed", "10", "9/5*10+32", "= 50", "#50"},
        {"negative wrapped", "-5", "9/5*(-5)+32", "= 23", "#23"},
        {"rejected", "abc", "9/5*abc+32", "= Error", nullptr},
        {"empty field", "", "9/5*X1+32", "= Error", nullptr},
        {"blank field leaves blanks", "  ", "9/5*+32", "= Error", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost host;
        host.values = {{"9/5*10+32", 50}, {"9/5*(-5)+32", 23}};
        InsertFormulaDialog dialog;
        dialog.Configure("F", Record("9/5*X1+32", {"t"}), 7010);
        dialog.SetFieldText(1, c.value);
        dialog.Preview(host);
        EXPECT_EQ(dialog.ReadFunc(), c.readFunc);
        EXPECT_EQ(dialog.ReadRez(), c.readRez);
        EXPECT_EQ(dialog.InsertState(), InsertFormulaDialog::kPreviewed);
        if (c.recent) {
            ASSERT_EQ(host.recent.size(), 1u);
            EXPECT_EQ(host.recent[0], c.recent);
            EXPECT_EQ(dialog.ValueList(1).front(), c.value);
        } else {
            EXPECT_TRUE(host.recent.empty());
            EXPECT_TRUE(dialog.ValueList(1).empty());
        }
        EXPECT_EQ(dialog.FocusRequest(), std::string(c.value).empty() ? 1 : 0);
    }
}

TEST(InsertDialog, PreviewWithoutTemplateGoesToDispatchOrTimeSum) {
    ScriptedHost host;
    host.code = 50026;
    host.values = {{"[3] [4] [5]", 6}};
    InsertFormulaDialog dialog;
    dialog.Configure("H", Record("", {"1", "2", "3"}), 50026);
    dialog.SetFieldText(1, "3");
    dialog.SetFieldText(2, "4");
    dialog.SetFieldText(3, "5");
    dialog.Preview(host);
    EXPECT_EQ(dialog.ReadRez(), "= 6");
    EXPECT_EQ(host.recent.back(), "#6");
    EXPECT_TRUE(dialog.Insert(host));
    EXPECT_EQ(dialog.Finish().text, "[3] [4] [5]");
    EXPECT_TRUE(dialog.Finish().inserted);

    ScriptedHost timeHost;
    timeHost.code = 50301;
    timeHost.timeSum = true;
    timeHost.times = {{"[01:00:00] [-00:20:00] [00:00:00]", " [00:40:00] "}};
    InsertFormulaDialog time;
    time.Configure("S", Record("", {"1", "2"}), 50301);
    time.SetFieldText(1, "[01:00:00] [-00:20:00]");
    time.Preview(timeHost);
    EXPECT_EQ(time.ReadRez(), "= [00:40:00]");
    EXPECT_EQ(timeHost.recent.back(), "#[00:40:00]");
}

TEST(InsertDialog, InsertStateDecidesWhatRunDialogReports) {
    struct Case { const char* name; const char* value; bool pressInsert; bool leave; bool inserted; const char* text; };
    const Case cases[] = {
        {"insert computed", "10", true, false, true, "10/(2)"},
        {"insert rejected all the same", "x", true, false, true, "x/(2)"},
        {"preview then close box", "10", false, false, false, "10/(2)"},
        {"preview then exit", "10", false, true, false, "10/(2)"},
        {"insert refused on empty field", "", true, false, false, "X1/(2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost host;
        host.values = {{"10/(2)", 5}};
        InsertFormulaDialog dialog;
        dialog.Configure("F", Record("X1/(2)", {"a"}), 1);
        dialog.SetFieldText(1, c.value);
        if (c.pressInsert) {
            EXPECT_EQ(dialog.Insert(host), std::string(c.value) != "");
        } else {
            dialog.Preview(host);
        }
        if (c.leave) dialog.Leave();
        const DialogOutcome out = dialog.Finish();
        EXPECT_EQ(out.inserted, c.inserted);
        EXPECT_EQ(out.text, c.text);
    }
}

TEST(InsertDialog, ReopeningStartsWithNothingInserted) {
    ScriptedHost host;
    host.values = {{"2*2", 4}};
    InsertFormulaDialog dialog;
    dialog.Configure("F", Record("X1*2", {"a"}), 1);
    dialog.SetFieldText(1, "2");
    ASSERT_TRUE(dialog.Insert(host));
    dialog.Configure("F", Record("X1*2", {"a"}), 1);
    EXPECT_FALSE(dialog.Finish().inserted);
    EXPECT_EQ(dialog.FieldText(1), "");
    EXPECT_EQ(dialog.ValueList(1), std::vector<std::string>{"2"});
}

TEST(InsertDialog, ValueListsKeepEachValueOnceNewestFirst) {
    ScriptedHost host;
    host.values = {{"1+2", 3}, {"5+2", 7}, {"1+9", 10}};
    InsertFormulaDialog dialog;
    dialog.Configure("F", Record("X1+X2", {"a", "b"}), 1);
    const std::pair<const char*, const char*> runs[] = {{"1", "2"}, {"5", "2"}, {"1", "2"}, {"1", "9"}};
    for (const auto& [a, b] : runs) {
        dialog.SetFieldText(1, a);
        dialog.SetFieldText(2, b);
        dialog.Preview(host);
    }
    EXPECT_EQ(dialog.ValueList(1), (std::vector<std::string>{"5", "1"}));
    EXPECT_EQ(dialog.ValueList(2), (std::vector<std::string>{"9", "2"}));
    // The lists belong to the field position, whatever the calculation.
    dialog.Configure("G", Record("X1", {"a"}), 51);
    EXPECT_EQ(dialog.ValueList(1), (std::vector<std::string>{"5", "1"}));
}

TEST(InsertDialog, ChangingAFieldResetsOnlyTheResultLine) {
    ScriptedHost host;
    host.values = {{"3*2", 6}};
    InsertFormulaDialog dialog;
    dialog.Configure("F", Record("X1*2", {"a"}), 1);
    dialog.SetFieldText(1, "3");
    dialog.Preview(host);
    dialog.SetFieldText(1, "4");
    EXPECT_EQ(dialog.ReadRez(), "=");
    EXPECT_EQ(dialog.ReadFunc(), "3*2");
}

TEST(InsertDialog, FaultEndsTheCommandAndKeepsTheDialogOpen) {
    ScriptedHost host;
    host.faultOn = "1/(0)";
    InsertFormulaDialog dialog;
    dialog.Configure("F", Record("1/(X1)", {"a"}), 1);
    dialog.SetFieldText(1, "0");
    EXPECT_THROW(dialog.Insert(host), ArithmeticFault);
    EXPECT_EQ(dialog.ReadRez(), "= Error");
    EXPECT_FALSE(dialog.Finish().inserted);
    EXPECT_TRUE(dialog.ValueList(1).empty());
    EXPECT_TRUE(host.recent.empty());
}

// The preview of code 50012 through the evaluator: coordinate differences of 0 and below
// square to what they should (the template multiplies each difference by itself).
TEST(InsertDialog, DistanceInSpacePreviewsTheDistance) {
    class EvaluatingHost : public ScriptedHost {
    public:
        bool Evaluate(std::string_view text, Extended& value) override {
            return EvaluateExpression(text, value, EvalContext{});
        }
    };
    struct Case { std::array<const char*, 6> fields; const char* readRez; };
    const Case cases[] = {
        {{"0", "0", "1", "3", "4", "0"}, "= 5.099019513593"},
        {{"-1", "2", "3", "2", "-2", "3"}, "= 5"},
        {{"1", "1", "1", "1", "4", "5"}, "= 5"},
    };
    std::string title;
    TMasDatStr record;
    ASSERT_TRUE(MakeSetupRecord(50012, SettingsTexts{}, title, record));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readRez);
        EvaluatingHost host;
        host.code = 50012;
        InsertFormulaDialog dialog;
        dialog.Configure(title, record, 50012);
        for (int f = 1; f <= 6; ++f) dialog.SetFieldText(f, c.fields[static_cast<std::size_t>(f - 1)]);
        dialog.Preview(host);
        EXPECT_EQ(dialog.ReadRez(), c.readRez) << dialog.ReadFunc();
    }
}

}  // namespace
}  // namespace zul
