// The normalising and substitution steps that open every pass: blanks, decimal comma,
// signs, pi, e, g and the user constants; and the comment cut applied once per evaluation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "eval/EvalContext.h"

namespace zul {

// "2*3 // area" -> "2*3"; a text without "//" is returned as it is.
std::string CommentCut(std::string_view text);

void RemoveBlanks(std::string& s);                 // "1 2" -> "12"
void DecimalComma(std::string& s);                 // "1,5" -> "1.5"
void FoldSigns(std::string& s);                    // "2+-3" -> "2-3", "2--3" -> "2+3"
void SubstitutePi(std::string& s);                 // "2*pi" -> "2* 3.14159265358979E+0000"
void SubstituteE(std::string& s);                  // "e" -> " 2.71828182845905E+0000"
void SubstituteG(std::string& s);                  // "g*2" -> "9.80665*2"
// Stops once the text is longer than `limit`, so a value that contains its own name cannot
// blow the text up; the evaluator then gives the expression up. True when a name was replaced.
bool SubstituteUserConstants(std::string& s, const std::vector<UserConstant>& constants,
                             std::size_t limit = std::string::npos);

// N1 to N7 in order. True when a user constant was replaced.
bool NormaliseAndSubstitute(std::string& s, const EvalContext& context, std::size_t limit);

// Without a cycle among the values (a = b+1, b = a*2; a = c--a), every pass leaves only names
// of a shorter chain, so no user constant is replaced after as many passes as there are
// constants. One replaced later belongs to a cycle: that text never settles.
bool UserConstantsCycle(int pass, bool replaced, const std::vector<UserConstant>& constants);

}  // namespace zul
