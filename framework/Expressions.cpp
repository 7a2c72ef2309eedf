#include "Expressions.h"

#include "SnmpErrors.h"
#include "TextTrim.h"
#include "TextUtils.h"

#include <array>
#include <charconv>
#include <chrono>
#include <ctime>

namespace {

constexpr auto npos = std::string_view::npos;

// The ")" that closes the "(" at `open`, or npos.
std::size_t MatchingParen(std::string_view text, std::size_t open) {
    int depth = 1;
    for (std::size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')' && --depth == 0) {
            return i;
        }
    }
    return npos;
}

// The stretch strictly between the first two double quotes of a text.
struct Quoted {
    std::size_t open = npos;
    std::size_t close = npos;
    bool Holds(std::size_t pos) const { return close != npos && pos != npos && pos > open && pos < close; }
};

Quoted FindQuoted(std::string_view text) {
    Quoted q;
    q.open = text.find('"');
    if (q.open != npos) {
        q.close = text.find('"', q.open + 1);
    }
    return q;
}

std::string Spliced(std::string_view text, std::size_t open, std::size_t close, std::string_view value) {
    std::string out(text.substr(0, open));
    out += value;
    out += text.substr(close + 1);
    return out;
}

// The position of `op` when it occurs outside the quoted stretch (only its first occurrence counts).
std::size_t Unquoted(std::string_view text, char op, const Quoted& quoted) {
    const auto at = text.find(op);
    return quoted.Holds(at) ? npos : at;
}

std::string ComparisonSide(std::string_view side) {
    std::string out = Unquote(qs::TrimView(side));
    if (qs::EqualsNoCase(out, "NOW")) {
        out = qs::FormatGeneral(qs::NowAsDayNumber());
    }
    return out;
}

double Operand(std::string_view text) {
    return qs::EqualsNoCase(text, "NOW") ? qs::NowAsDayNumber() : qs::LeadingReal(text);
}

} // namespace

bool EvalCondition(std::string_view text) {
    const Quoted quoted = FindQuoted(text);
    const auto open = text.find('(');
    if (open != npos) {
        const auto close = MatchingParen(text, open);
        if (close != npos && !quoted.Holds(open) && !quoted.Holds(close)) {
            const bool inner = EvalCondition(text.substr(open + 1, close - open - 1));
            return EvalCondition(Spliced(text, open, close, inner ? "true" : "false"));
        }
    }
    if (const auto at = Unquoted(text, '|', quoted); at != npos) {
        return EvalCondition(text.substr(0, at)) || EvalCondition(text.substr(at + 1));
    }
    if (const auto at = Unquoted(text, '&', quoted); at != npos) {
        return EvalCondition(text.substr(0, at)) && EvalCondition(text.substr(at + 1));
    }
    if (Unquoted(text, '!', quoted) != npos) {
        return !EvalCondition(text.substr(1));
    }
    return EvalComparison(text);
}

bool EvalComparison(std::string_view text) {
    static constexpr std::array<std::string_view, 6> kOperators = {"<>", ">=", "<=", ">", "<", "="};
    std::string left;
    std::string right;
    const int op = SplitAtOperator(kOperators, text, left, right);
    if (op < 0) {
        if (qs::EqualsNoCase(text, "true")) {
            return true;
        }
        if (qs::EqualsNoCase(text, "false")) {
            return false;
        }
        qs::RaiseFrameworkError(qs::err::BadLogicOperand);
    }
    const int order = ComparisonSide(left).compare(ComparisonSide(right));
    switch (op) {
    case 0:
        return order != 0;
    case 1:
        return order >= 0;
    case 2:
        return order <= 0;
    case 3:
        return order > 0;
    case 4:
        return order < 0;
    default:
        return order == 0;
    }
}

double EvalArithmetic(std::string_view text) {
    const auto open = text.find('(');
    if (open != npos) {
        const auto close = MatchingParen(text, open);
        if (close != npos) {
            const double inner = EvalArithmetic(text.substr(open + 1, close - open - 1));
            return EvalArithmetic(Spliced(text, open, close, qs::FormatGeneral(inner)));
        }
    }
    if (const auto at = text.find('+'); at != npos) {
        return EvalArithmetic(text.substr(0, at)) + EvalArithmetic(text.substr(at + 1));
    }
    if (const auto at = text.find('-'); at != npos) {
        return EvalArithmetic(text.substr(0, at)) - EvalArithmetic(text.substr(at + 1));
    }
    if (const auto at = text.find('*'); at != npos) {
        return Operand(text.substr(0, at)) * EvalArithmetic(text.substr(at + 1));
    }
    if (const auto at = text.find('/'); at != npos) {
        return Operand(text.substr(0, at)) / EvalArithmetic(text.substr(at + 1));
    }
    return Operand(text);
}

namespace qs {

double NowAsDayNumber() {
    using namespace std::chrono;
    constexpr double kDaysBefore1970 = 25569.0; // 30 December 1899 to 1 January 1970
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const double millis = static_cast<double>(duration_cast<milliseconds>(now.time_since_epoch()).count());
    return kDaysBefore1970 + (millis / 1000.0 + static_cast<double>(local.tm_gmtoff)) / 86400.0;
}

std::string FormatGeneral(double value) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

double LeadingReal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlankOrControl(text[i])) {
        ++i;
    }
    if (i < text.size() && text[i] == '+') {
        ++i;
    }
    const std::size_t sign = i < text.size() && text[i] == '-' ? 1 : 0;
    const std::size_t first = i + sign;
    if (first >= text.size() || !((text[first] >= '0' && text[first] <= '9') || text[first] == '.')) {
        return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

} // namespace qs
