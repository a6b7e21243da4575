// Never a wrong number: over thousands of random well-formed expressions, the evaluator either
// fails or gives the conventional value. How many fail is reported, not asserted, so that a
// rule that fails too much shows.
#include <gtest/gtest.h>

#include <cstdio>

#include "RandomExpressions.h"
#include "eval/Evaluator.h"
#include "eval/NumberText.h"

namespace zul {
namespace {

using test::Expression;
using test::ExpressionGenerator;
using test::TreeEvaluator;

constexpr int kPerUnit = 3000;

bool Close(Extended a, Extended b, Extended relative) {
    return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

// A value whose random perturbation by 1e-12 at every node moves it by more than 1e-10 would
// not survive the evaluator's 15 carried digits; such expressions prove nothing.
bool WellConditioned(const Expression& e, AngleUnit unit, Extended& value) {
    value = TreeEvaluator(unit).Evaluate(*e.tree);
    if (std::isnan(value) || std::fabs(value) > 1e30L) return false;
    for (std::uint64_t seed : {11u, 12u, 13u}) {
        const Extended moved = TreeEvaluator(unit, 1e-12L, seed).Evaluate(*e.tree);
        if (std::isnan(moved) || !Close(moved, value, 1e-10L)) return false;
    }
    return true;
}

TEST(Property, EverySuccessIsTheConventionalValue) {
    const AngleUnit units[] = {AngleUnit::Radians, AngleUnit::Degrees, AngleUnit::Grads};
    int checked = 0, failed = 0, faults = 0, wrong = 0;
    for (AngleUnit unit : units) {
        ExpressionGenerator generator(20240611 + static_cast<int>(unit), unit);
        EvalContext context;
        context.angleUnit = unit;
        for (int accepted = 0; accepted < kPerUnit;) {
            const Expression e = generator.Next();
            Extended expected = 0;
            if (!WellConditioned(e, unit, expected)) continue;
            ++accepted;
            ++checked;
            Extended value = 0;
            bool ok = false;
            try {
                ok = EvaluateExpression(e.text, value, context);
            } catch (const ArithmeticFault&) {
                ++faults;
                continue;
            }
            if (!ok) {
                ++failed;
            } else if (!Close(value, expected, 1e-9L)) {
                ++wrong;
                if (wrong <= 10)
                    ADD_FAILURE() << e.text << " (unit " << static_cast<int>(unit) << ") gives "
                                  << ResultText(value) << ", conventional " << ResultText(expected);
            }
        }
    }
    std::printf("property: %d expressions, %d wrong values, %d failures, %d arithmetic messages\n",
                checked, wrong, failed, faults);
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace zul
