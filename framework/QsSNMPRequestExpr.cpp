// Row conditions and variable formulas of QsSNMPRequest: "$d" references to variable d are
// replaced by its value before the evaluators of the framework see the text.
#include "DateTimeNumber.h"
#include "Expressions.h"
#include "OctetTexts.h"
#include "QsSNMPRequest.h"
#include "SnmpErrors.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace {

constexpr const char* kNull = "(NULL)";

// Truncates toward zero; NaN gives 0 and values beyond the range give its ends.
std::int64_t Truncated(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x >= 9.2e18) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (x <= -9.2e18) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(x);
}

std::string FormulaText(std::uint32_t syntax, double x) {
    const std::int64_t t = Truncated(x);
    switch (syntax) {
    case SYN_BOOLEAN:
        return x != 0 ? "true" : "false";
    case SYN_INTEGER:
        return std::to_string(static_cast<std::int32_t>(t));
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
        return std::to_string(static_cast<std::uint32_t>(t));
    case SYN_TIMETICKS:
        return FormatTicksText(static_cast<std::uint32_t>(t));
    case SYN_COUNTER64:
        return std::to_string(static_cast<std::uint64_t>(t));
    case SYN_DOUBLE:
        return qs::FormatGeneral(x);
    case SYN_BCDATETIME:
        return qs::DateTimeNumberToText(x);
    default:
        qs::RaiseFrameworkError(qs::err::ExpressionSyntax);
    }
}

} // namespace

std::string QsSNMPRequest::ReferenceText(int d, bool quoteTexts) {
    if (d >= List.GetCount()) {
        qs::RaiseFrameworkError(qs::err::IndexOutOfRange);
    }
    const QsSNMPVar& var = *List.GetVar(d);
    const std::string value = var.OptionList ? var.OptionList->TextToValue(var.Value) : var.Value;
    if (value == kNull) {
        qs::RaiseFrameworkError(qs::err::NullInExpression);
    }
    switch (var.Syntax) {
    case SYN_BOOLEAN:
    case SYN_BOOL8:
    case SYN_BOOL16:
        return value == "true" ? "1" : "0";
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_COUNTER64:
    case SYN_UINTEGER:
    case SYN_DOUBLE:
    case SYN_INT8:
    case SYN_UINT8:
    case SYN_INT16:
    case SYN_UINT16:
        return value;
    case SYN_TIMETICKS:
        return std::to_string(ParseTicksText(value));
    case SYN_BCDATETIME: {
        double day = 0;
        if (!qs::TextToDateTimeNumber(value, day)) {
            qs::RaiseFrameworkError(qs::err::ExpressionSyntax);
        }
        return qs::FormatGeneral(day);
    }
    default:
        if (!quoteTexts) {
            qs::RaiseFrameworkError(qs::err::ExpressionSyntax);
        }
        return "\"" + value + "\"";
    }
}

std::string QsSNMPRequest::ExpandReferences(const std::string& expression, bool quoteTexts,
                                            const std::string& marker) {
    std::string text = expression;
    std::size_t at = 0;
    while (!marker.empty() && (at = text.find(marker, at)) != std::string::npos) {
        std::size_t end = at + marker.size();
        int d = 0;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) && d < 100000) {
            d = d * 10 + (text[end] - '0');
            ++end;
        }
        const std::string inserted = ReferenceText(d, quoteTexts);
        text.replace(at, end - at, inserted);
        at += inserted.size();
    }
    return text;
}

bool QsSNMPRequest::CheckCondition(const std::string& expression) {
    if (expression.empty()) {
        return true;
    }
    return EvalCondition(ExpandReferences(expression, true, "$"));
}

void QsSNMPRequest::ApplyFormula(int i, bool afterGet) {
    QsSNMPVar& var = *List.GetVar(i);
    const std::optional<std::string>& formula = afterGet ? var.GetFormula : var.SetFormula;
    if (!formula) {
        return;
    }
    const double x = EvalArithmetic(ExpandReferences(*formula, false, "$"));
    const std::string text = FormulaText(var.Syntax, x);
    var.Value = var.OptionList ? var.OptionList->ValueToText(text) : text;
}
