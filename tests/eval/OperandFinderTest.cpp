// The operand finders decide precedence: which number belongs to which operator.
#include <gtest/gtest.h>

#include "eval/OperandFinder.h"

namespace zul {
namespace {

struct Case {
    const char* text;
    std::size_t op;     // 0-based operator position
    bool found;
    Extended value;
    std::size_t edge;   // start (left) or end (right), 0-based
};

TEST(OperandFinder, RightSide) {
    const Case cases[] = {
        {"2+3*4", 1, false, 0, 0},   // 3 belongs to the "*"
        {"2*3+4", 1, true, 3, 2},
        {"2*-3", 1, true, -3, 3},    // sign after "*" belongs to the operand
        {"2+-3", 1, false, 0, 0},    // sign after "+" is an operator
        {"2*1E-5+1", 1, true, 1e-5L, 5},
        {"2^3^2", 1, true, 3, 2},
        {"2*3^2", 1, false, 0, 0},   // 3 belongs to the "^"
        {"2*(5)", 1, true, 5, 3},
        {"2*", 1, false, 0, 0},
        {"2*)", 1, false, 0, 0},
        {"2+ 3.00000000000000E+0000", 1, true, 3, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Operand o;
        ASSERT_EQ(FindRightOperand(c.text, c.op, o), c.found);
        if (c.found) {
            EXPECT_EQ(o.value, c.value);
            EXPECT_EQ(o.edge, c.edge);
        }
    }
}

TEST(OperandFinder, LeftSide) {
    const Case cases[] = {
        {"-2*3", 2, true, -2, 0},    // a leading sign belongs to the number
        {"2-3*4", 3, true, 3, 2},
        {"2*3+4", 3, false, 0, 0},   // 3 belongs to the "*"
        {"2^3*4", 3, false, 0, 0},   // 3 belongs to the "^"
        {"(2)*3", 3, false, 0, 0},   // ")" in front: parentheses are unwrapped first
        {"(2*3", 2, true, 2, 1},
        {"1E-5*2", 4, true, 1e-5L, 0},
        {"-1.00000000000000E+0000-4", 22, true, -1, 0},
        {"a*2", 1, false, 0, 0},
        {"(-2+1)", 3, true, -2, 1},  // an opening sign belongs to the number
        {"(-2*3)", 3, true, -2, 1},
        {"2*-3+1", 4, false, 0, 0},  // -3 belongs to the "*", not to the "+"
        {"2--3*4", 4, true, -3, 2},  // a sign after a binary "-"
        {"1+-2-3", 4, true, -2, 2},
        {"1--2+3", 4, false, 0, 0},  // the pending "-" before -2 claims it
        {"f/2*4", 3, false, 0, 0},   // the pending "/" claims 2
        {"f/-2*4", 4, false, 0, 0},
        {"f*2/4", 3, true, 2, 2},    // a "*" before does not
        {"f-2+3", 3, false, 0, 0},
        {"f+2-3", 3, true, 2, 2},
        {"f^3^2", 3, false, 0, 0},   // the pending "^" claims 3
        {"f^-3*2", 4, false, 0, 0},
        {"-2^2", 2, true, 2, 1},     // the sign in front of "^" and "!" stays outside
        {"2*-3!", 4, true, 3, 3},
        {"2^3!", 3, true, 3, 2},     // "!" binds tighter than "^"
        {"2-+3*4", 4, false, 0, 0},  // "-+" is never folded: never reduced
        {"2++3*4", 4, false, 0, 0},  // "++" waits for the sign folding
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Operand o;
        ASSERT_EQ(FindLeftOperand(c.text, c.op, o), c.found);
        if (c.found) {
            EXPECT_EQ(o.value, c.value);
            EXPECT_EQ(o.edge, c.edge);
        }
    }
}

}  // namespace
}  // namespace zul
