// Every formula template, filled with sample values and evaluated as a plain expression,
// gives what the calculation dispatch gives for the same values as argument groups; the
// template-less calculations give through their argument groups what the dispatch gives.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "calc/Dispatch.h"
#include "eval/Evaluator.h"
#include "insert/FormulaTemplates.h"
#include "insert/InsertFormula.h"

namespace zul {
namespace {

// Sample field values per code, inside each formula's domain; some negative on purpose.
const std::map<int, std::vector<const char*>> kSamples = {
    {1, {"12.5", "80"}}, {51, {"12.5", "0.7"}}, {52, {"100", "0.8", "20"}}, {61, {"-5", "2"}},
    {62, {"5", "3000"}}, {71, {"0.000001", "0.2", "100", "1"}}, {72, {"0.000001", "0.2", "100", "1", "970"}},
    {73, {"10", "0.025", "100", "1", "970"}}, {101, {"100", "0.4"}}, {102, {"100", "20"}},
    {151, {"5", "20"}}, {152, {"100", "0.4", "20"}}, {1001, {"-25"}}, {1006, {"1000", "200"}},
    {1007, {"1000", "0.05"}}, {1012, {"1000", "5"}}, {1015, {"10", "5", "15"}}, {1016, {"10", "5", "15", "-10"}},
    {1022, {"200", "5"}}, {1025, {"12", "10"}}, {1026, {"12", "10", "18"}}, {1032, {"3582.09", "10"}},
    {1033, {"3582.09", "10", "-5"}}, {1035, {"0.1", "4", "12"}}, {1036, {"0.1", "4", "12", "22"}},
    {1042, {"1000", "4"}}, {1045, {"10", "4", "15"}}, {1046, {"10", "4", "15", "-273.15"}},
    {2002, {"2", "3"}}, {2003, {"0.06", "1.1"}}, {2005, {"0.0078"}}, {2010, {"100"}},
    {2021, {"108", "4", "1"}}, {2022, {"500", "300", "0.7", "2.5"}}, {2026, {"108", "3"}},
    {2027, {"500", "300", "0.7", "2.5"}}, {2031, {"108", "40", "3"}}, {2032, {"500", "300", "0.7", "50", "2.5"}},
    {2036, {"108", "40", "3"}}, {2037, {"500", "300", "0.7", "50", "2.5"}}, {3005, {"1000", "3600", "0.5"}},
    {3012, {"2.5", "6", "20"}}, {3014, {"2.5", "6", "1.5"}}, {3020, {"5000", "300", "1500", "20", "250"}},
    {3021, {"1500", "0.5"}}, {3025, {"10", "-20", "18"}}, {3030, {"5000", "3000", "2"}},
    {3031, {"5000", "0.3", "40"}}, {3051, {"12", "-3", "15"}}, {3052, {"12", "0.3", "15"}},
    {4005, {"5000", "1200", "400", "25"}}, {4010, {"5000", "0.4", "-46"}}, {4021, {"150", "70", "95"}},
    {4022, {"20", "1.5", "-2.2"}}, {4023, {"-20", "15"}}, {4024, {"1", "-2.2"}}, {4025, {"1.5", "2.2", "15"}},
    {4030, {"50", "20"}}, {6002, {"0.3", "0.969"}}, {6010, {"10", "0.3", "120", "40"}}, {7010, {"-5"}},
    {7011, {"212"}}, {7022, {"40"}}, {7023, {"0.5", "-10"}}, {7024, {"-22", "8"}}, {7025, {"745", "8"}},
    {7026, {"745", "8", "20"}}, {7027, {"8"}}, {7051, {"20"}}, {7052, {"745", "8", "60"}},
    {7056, {"745", "17.5", "60"}}, {7057, {"101325", "1000"}}, {7058, {"45", "-22"}},
    {8011, {"8500", "2", "90", "1"}}, {8012, {"8500", "10", "88", "1", "660", "100"}},
    {8020, {"1500", "12", "180", "1"}}, {8021, {"101325", "150", "-26", "180"}},
    {8022, {"1500", "12", "180", "1", "8"}}, {50001, {"1", "10", "3", "30", "2"}},
    {50011, {"1", "-2", "4", "2"}}, {50012, {"1", "2", "3", "4", "6", "8"}}, {50027, {"3", "4", "1.2"}},
    {50030, {"0.6", "5", "1.1"}}, {50031, {"3", "4", "1.2"}}, {50032, {"3", "5", "2"}},
    {50102, {"2", "3", "4"}}, {50104, {"1.5", "4"}}, {50106, {"1.5", "4"}}, {50108, {"1.5", "4"}},
    {50110, {"1.5", "4"}}, {50112, {"1.5", "4"}}, {50114, {"1.5", "4"}}, {50116, {"1.5"}},
    {50118, {"1.5"}}, {50201, {"10", "3"}},
};

bool Agrees(Extended a, Extended b, Extended relative) {
    return std::fabs(a - b) <= relative * std::fmax(std::fabs(a), std::fabs(b));
}

TEST(TemplateAgreement, EveryTemplateComputesWhatTheDispatchComputes) {
    const ConstantsArray constants;
    const EvalContext context;
    const SettingsTexts settings;
    int checked = 0;
    for (const auto& row : FormulaTemplateTable()) {
        if (row.pattern.empty()) continue;
        SCOPED_TRACE(row.code);
        const auto sample = kSamples.find(row.code);
        ASSERT_NE(sample, kSamples.end()) << "no sample values";
        ASSERT_EQ(sample->second.size(), static_cast<std::size_t>(row.fieldCount));

        std::array<std::string, 6> fields;
        std::array<bool, 6> visible{};
        std::string groups;
        for (std::size_t i = 0; i < sample->second.size(); ++i) {
            fields[i] = sample->second[i];
            visible[i] = true;
            groups += (i ? " [" : "[") + fields[i] + "]";
        }
        const std::string templ = SpellTemplate(row.pattern, settings);
        const SubstitutionResult sub = SubstituteFields(templ, fields, visible, row.code);
        ASSERT_EQ(sub.firstEmpty, 0);

        Extended fromTemplate = 0, fromDispatch = 0;
        ASSERT_TRUE(EvaluateExpression(sub.text, fromTemplate, context)) << sub.text;
        ASSERT_TRUE(CalculationDispatch(groups, row.code, constants, context, fromDispatch)) << groups;
        const Extended tolerance = TemplateUsesSettings(row.pattern) ? 1e-6L : 1e-12L;
        EXPECT_TRUE(Agrees(fromTemplate, fromDispatch, tolerance))
            << sub.text << " = " << static_cast<double>(fromTemplate) << ", dispatch "
            << static_cast<double>(fromDispatch);
        ++checked;
    }
    EXPECT_EQ(checked, 95);
}

TEST(TemplateAgreement, ArgumentGroupsOfTemplateLessCodesDispatch) {
    struct Case { const char* name; int code; std::array<std::string, 6> fields; double expected; double tolerance; };
    const Case cases[] = {
        {"noise sum", 5002, {"80 80"}, 83.0103, 1e-4},
        {"A-weighting", 5001, {"80"}, 53.8, 1e-5},
        {"heron", 50026, {"3", "4", "5"}, 6, 1e-12},
        {"coefficient a", 6011, {"0.01"}, 0.2, 1e-12},
        {"water flow", 6003, {"10", "0.3", "120"}, 0, 0},
    };
    const ConstantsArray constants;
    const EvalContext context;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string groups = BuildArgumentGroups(c.code, c.fields);
        Extended value = 0;
        ASSERT_TRUE(CalculationDispatch(groups, c.code, constants, context, value)) << groups;
        if (c.tolerance > 0) {
            EXPECT_NEAR(static_cast<double>(value), c.expected, c.tolerance);
        }
    }
    std::string time;
    ASSERT_TRUE(TimeSum(BuildArgumentGroups(kTimeSumCode, {"[01:00:00] [-00:20:00]", "00:05:00"}), kTimeSumCode, time));
    EXPECT_EQ(time, "[00:45:00]");
}

}  // namespace
}  // namespace zul
