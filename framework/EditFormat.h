// The edit-format language: "%" and a conversion letter (for 'n' also the item delimiter), then
// optionally one brace group of flags, as in "%i{n1x65535l5}", "%s{l32}", "%h{l8f}", "%s{M}".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qs {

// The address kinds of the I and M flags.
enum EditAddressKind : unsigned char {
    AK_NONE = 0,
    AK_IPV4 = 1,
    AK_MULTICAST_IPV4 = 2,
    AK_IPV6 = 3,
    AK_MULTICAST_IPV6 = 4,
    AK_MAC = 5,
    AK_MULTICAST_MAC = 6,
    AK_UNICAST_MAC = 7,
};

// The length flags after l.
enum EditLengthFlags : unsigned short {
    LF_AUTO_ADVANCE = 1, // a: move on once the text has the length
    LF_FIXED = 2,        // f: exactly the length
    LF_NOT_EMPTY = 4,    // n: an empty text is refused
};

struct EditFormat {
    char conversion = 0; // 's', 'h', 'i', 'u', 'f' or 'n'
    char delimiter = 0;  // item delimiter of 'n'
    double minimum = 2.2250738585072014e-308;
    double maximum = 1.7976931348623157e+308;
    int width = 0;  // pixels; applied when greater than 0
    int length = 0; // largest (or, fixed, exact) length; for 'n' the item count; 0 = none
    unsigned short lengthFlags = 0;
    char exitCharacter = 0;
    unsigned char addressKind = AK_NONE;
    bool useValidator = false;
};

// Parses one format. A malformed format raises the framework error -2 (" Bad format specifier
// of edit's constraint!"); a number run that is no number raises the conversion error.
EditFormat ParseEditFormat(std::string_view format);

// Splits a composite format into its single formats: each starts at a "%" and ends after its
// conversion letter (and delimiter) and its brace group; characters between pieces, such as
// the dots of "%i.%i.%i.%i", join the edits and are skipped.
std::vector<std::string> SplitEditFormat(std::string_view format);

// The characters an edit of the format may hold: the length, and for hex digits room for a
// separator between two pairs ("0A FF 01" for %h{l6}); 0 = no limit.
int EditTextRoom(const EditFormat& format);
// The characters `digits` hex digits take when a separator stands between two pairs.
int HexTextRoom(int digits);

// A bound as the exit messages write it: shortest general form, up to 15 significant digits
// (1, 65535, -2147483648, 2.2250738585072E-308).
std::string FormatBound(double value);

// The whole-text check of a format, the one an edit's exit check makes: the number range of f, i
// and u, the items of n, the address form of I and M, the length of s and h. The failing check's
// message from the common table with its placeholders filled, or empty when the text passes. The
// I form is judged here by its text rule; the exit check shows that form's own message instead.
std::string CheckFormatText(const EditFormat& format, const std::string& text);
// The common table's range message with the bounds written as FormatBound writes them.
std::string RangeMessage(double minimum, double maximum);

} // namespace qs
