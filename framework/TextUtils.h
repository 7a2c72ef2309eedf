// Small text operations shared by the expression evaluators, the message placeholders and the
// value display. Positions count from 1.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Every occurrence of `pattern` replaced; the replacement is not searched again. An empty
// pattern leaves the text unchanged.
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);

// Strips one pair of enclosing double quotes; a lone double quote becomes empty.
std::string Unquote(std::string_view text);

// Splits at the first occurrence of the first operator of the list that occurs in the text.
// Returns that operator's index, or -1 (left and right untouched) when none occurs.
int SplitAtOperator(std::span<const std::string_view> operators, std::string_view text, std::string& left,
                    std::string& right);

// From 1-based `start` on, the position of the last character of the run of `allowed`
// characters; 0 when the character at `start` is not allowed or `start` lies outside the text.
int CharRunEnd(std::string_view text, int start, std::string_view allowed);

// base to the power exponent in 32-bit integer arithmetic, wrapping on overflow.
int IntPower(int base, unsigned exponent);

namespace qs {

// The placeholders of the message texts.
inline constexpr std::string_view kMin = "[MIN]";
inline constexpr std::string_view kMax = "[MAX]";
inline constexpr std::string_view kLen = "[LEN]";
inline constexpr std::string_view kMaxLen = "[MAXLEN]";
inline constexpr std::string_view kCount = "[COUNT]";
inline constexpr std::string_view kMaxCount = "[MAXCOUNT]";
inline constexpr std::string_view kDelimiter = "[DELIMITER]";
inline constexpr std::string_view kError = "[ERROR]";
inline constexpr std::string_view kVarList = "[VARLIST]";
inline constexpr std::string_view kTime = "[TIME]";

struct PlaceholderValue {
    std::string_view placeholder;
    std::string_view value;
};

// Replaces every occurrence of each placeholder, in the order given.
std::string FillPlaceholders(std::string_view text, std::initializer_list<PlaceholderValue> values);

} // namespace qs
