// The evaluators behind row conditions and variable formulas. Their texts have had the variable
// references replaced by values already.
//
// Conditions: "|" binds loosest, then "&", then a leading "!", then one comparison; parentheses
// group. Comparisons are textual ("10" < "9"). Blanks around operators are not removed, so a
// truth value is recognised only when the text is exactly "true" or "false" (any case).
//
// Arithmetic: every split is made at the first occurrence of its operator and the right side is
// evaluated whole, so "10-2-3" is 10 - (2 - 3) = 11; "2*3+4" is 10. A text without a number
// counts as 0; division by zero gives the floating-point infinity or NaN.
#pragma once

#include <string>
#include <string_view>

// Raises QsException " Bad logic operand!" (help context -1) for a part that is neither a
// comparison nor a truth value.
bool EvalCondition(std::string_view text);
bool EvalComparison(std::string_view text);
double EvalArithmetic(std::string_view text);

namespace qs {

// The current local date and time as a day number: days since 30 December 1899, the fraction
// being the time of day.
double NowAsDayNumber();

// The shortest general text of a number with up to 15 significant digits, "." as decimal point.
std::string FormatGeneral(double value);

// The decimal real at the start of the text (leading blanks skipped), 0 when there is none.
double LeadingReal(std::string_view text);

} // namespace qs
