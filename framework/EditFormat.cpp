#include "EditFormat.h"

#include "Exceptions.h"
#include "SnmpErrors.h"

#include <cstdio>

namespace qs {
namespace {

[[noreturn]] void BadFormat() {
    RaiseFrameworkError(err::BadFormatSpecifier);
}

// The run of allowed characters from pos on; at least one character, else the format error.
std::string_view TakeRun(std::string_view body, std::size_t& pos, std::string_view allowed) {
    const std::size_t start = pos;
    while (pos < body.size() && allowed.find(body[pos]) != std::string_view::npos) {
        ++pos;
    }
    if (pos == start) {
        BadFormat();
    }
    return body.substr(start, pos - start);
}

int TakeDigits(std::string_view body, std::size_t& pos) {
    return StrToInt(QString::fromLatin1(TakeRun(body, pos, "0123456789")));
}

double TakeReal(std::string_view body, std::size_t& pos) {
    return StrToFloat(QString::fromLatin1(TakeRun(body, pos, "-0123456789.")));
}

// After l and its digits: up to three of a, f, n, each at most once.
unsigned short TakeLengthFlags(std::string_view body, std::size_t& pos) {
    unsigned short flags = 0;
    for (int n = 0; n < 3 && pos < body.size(); ++n) {
        const unsigned short bit = body[pos] == 'a'   ? LF_AUTO_ADVANCE
                                   : body[pos] == 'f' ? LF_FIXED
                                   : body[pos] == 'n' ? LF_NOT_EMPTY
                                                      : 0;
        if (bit == 0 || (flags & bit)) {
            break;
        }
        flags |= bit;
        ++pos;
    }
    return flags;
}

// I, Im, I6, I6m and M, Mm, Mu: the character after the letter (after I6) is the modifier and
// is taken whatever it is.
unsigned char TakeAddressKind(std::string_view body, std::size_t& pos, char letter) {
    auto modifier = [&]() -> char { return pos < body.size() ? body[pos++] : '\0'; };
    if (letter == 'M') {
        const char m = modifier();
        return m == 'm' ? AK_MULTICAST_MAC : m == 'u' ? AK_UNICAST_MAC : AK_MAC;
    }
    if (pos < body.size() && body[pos] == '6') {
        ++pos;
        return modifier() == 'm' ? AK_MULTICAST_IPV6 : AK_IPV6;
    }
    return modifier() == 'm' ? AK_MULTICAST_IPV4 : AK_IPV4;
}

void ReadFlags(std::string_view body, EditFormat& f) {
    std::size_t pos = 0;
    while (pos < body.size()) {
        const char flag = body[pos++];
        switch (flag) {
        case 'w':
            f.width = TakeDigits(body, pos);
            break;
        case 'n':
            f.minimum = TakeReal(body, pos);
            break;
        case 'x':
            f.maximum = TakeReal(body, pos);
            break;
        case 'l':
            f.length = TakeDigits(body, pos);
            f.lengthFlags = TakeLengthFlags(body, pos);
            break;
        case 'e':
            if (pos >= body.size()) {
                BadFormat();
            }
            f.exitCharacter = body[pos++];
            break;
        case 'Z':
            f.useValidator = true;
            break;
        case 'I':
        case 'M':
            f.addressKind = TakeAddressKind(body, pos, flag);
            break;
        default:
            BadFormat();
        }
    }
}

} // namespace

EditFormat ParseEditFormat(std::string_view format) {
    EditFormat f;
    if (format.size() < 2 || format[0] != '%') {
        BadFormat();
    }
    f.conversion = format[1];
    std::size_t group = 2;
    switch (f.conversion) {
    case 'i':
        f.minimum = -2147483648.0;
        f.maximum = 2147483647.0;
        break;
    case 'u':
        f.minimum = 0;
        f.maximum = 4294967295.0;
        break;
    case 'n':
        if (format.size() < 3) {
            BadFormat();
        }
        f.minimum = 0;
        f.maximum = 4294967295.0;
        f.delimiter = format[2];
        group = 3;
        break;
    case 'f':
    case 'h':
    case 's':
        break;
    default:
        BadFormat();
    }
    if (format.size() > group) {
        if (format[group] != '{' || format.back() != '}' || format.size() < group + 2) {
            BadFormat();
        }
        ReadFlags(format.substr(group + 1, format.size() - group - 2), f);
    }
    return f;
}

std::vector<std::string> SplitEditFormat(std::string_view format) {
    if (format.empty() || format[0] != '%') {
        return {std::string(format)}; // refused when attached
    }
    std::vector<std::string> pieces;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            ++i; // a separator between conversions
            continue;
        }
        std::size_t end = std::min(format.size(), i + 2);
        if (end - i == 2 && format[i + 1] == 'n') {
            end = std::min(format.size(), end + 1);
        }
        if (end < format.size() && format[end] == '{') {
            const std::size_t close = format.find('}', end);
            end = close == std::string_view::npos ? format.size() : close + 1;
        }
        pieces.emplace_back(format.substr(i, end - i));
        i = end;
    }
    return pieces;
}

int HexTextRoom(int digits) {
    if (digits <= 0) {
        return digits;
    }
    const int pairs = (digits + 1) / 2;
    return digits + pairs - 1;
}

int EditTextRoom(const EditFormat& format) {
    return format.conversion == 'h' ? HexTextRoom(format.length) : format.length;
}

std::string FormatBound(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    const std::size_t e = text.find('E');
    if (e == std::string::npos) {
        return text;
    }
    // The exponent without "+" and without leading zeros: E308, E-5.
    std::string exponent = text.substr(e + 1);
    const bool negative = !exponent.empty() && exponent[0] == '-';
    exponent.erase(0, exponent.find_first_not_of("+-"));
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
    return text.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

} // namespace qs
