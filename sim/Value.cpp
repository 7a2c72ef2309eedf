#include "Value.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>

namespace krssim {
namespace {

struct TypeName {
    Type type;
    const char* name;
};

constexpr std::array<TypeName, 13> kTypeNames{{
    {Type::Integer, "INTEGER"},
    {Type::OctetString, "STRING"},
    {Type::Null, "NULL"},
    {Type::ObjectId, "OID"},
    {Type::IpAddress, "IpAddress"},
    {Type::Counter32, "Counter32"},
    {Type::Gauge32, "Gauge32"},
    {Type::TimeTicks, "Timeticks"},
    {Type::Opaque, "Opaque"},
    {Type::Counter64, "Counter64"},
    {Type::NoSuchObject, "noSuchObject"},
    {Type::NoSuchInstance, "noSuchInstance"},
    {Type::EndOfMibView, "endOfMibView"},
}};

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

template <typename T> bool parseNumber(std::string_view s, T& out) {
    s = trim(s);
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

// "up(1)" -> "1"; enumeration labels appear when the walk was taken with MIBs loaded.
std::string_view stripLabel(std::string_view s) {
    s = trim(s);
    auto open = s.find('(');
    if (open != std::string_view::npos && !s.empty() && s.back() == ')') {
        return s.substr(open + 1, s.size() - open - 2);
    }
    return s;
}

bool parseQuoted(std::string_view s, std::string& out) {
    s = trim(s);
    if (s.size() < 2 || s.front() != '"' || s.back() != '"') {
        return false;
    }
    s = s.substr(1, s.size() - 2);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            ++i;
        } else if (s[i] == '"') {
            return false;
        }
        out += s[i];
    }
    return true;
}

bool parseHex(std::string_view s, std::string& out) {
    std::string digits;
    for (char c : s) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        digits += c;
    }
    if (digits.size() % 2 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        out += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    }
    return true;
}

bool parseIp(std::string_view s, std::string& out) {
    s = trim(s);
    for (int part = 0; part < 4; ++part) {
        auto dot = part < 3 ? s.find('.') : s.size();
        unsigned byte = 0;
        if (dot == std::string_view::npos || !parseNumber(s.substr(0, dot), byte) || byte > 255) {
            return false;
        }
        out += static_cast<char>(byte);
        s.remove_prefix(part < 3 ? dot + 1 : dot);
    }
    return true;
}

bool parseUnsigned(Type type, std::string_view body, Value& value) {
    if (type == Type::TimeTicks) {
        body = trim(body);
        if (!body.empty() && body.front() == '(') {
            body = body.substr(1, body.find(')') - 1);
        }
    }
    std::uint64_t n = 0;
    if (!parseNumber(stripLabel(body), n)) {
        return false;
    }
    if (type != Type::Counter64 && n > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    value = Value::ofUnsigned(type, n);
    return true;
}

bool parseTyped(std::string_view tag, std::string_view body, Value& value) {
    if (tag == "INTEGER") {
        std::int64_t i = 0;
        bool ok = parseNumber(stripLabel(body), i) && i >= std::numeric_limits<std::int32_t>::min() &&
                  i <= std::numeric_limits<std::int32_t>::max();
        value = Value::ofInteger(i);
        return ok;
    }
    if (tag == "STRING") {
        value = Value::ofBytes({});
        return parseQuoted(body, value.bytes);
    }
    if (tag == "Hex-STRING" || tag == "BITS") {
        value = Value::ofBytes({});
        auto end = body.find_first_not_of("0123456789abcdefABCDEF \t\r\n");
        return parseHex(tag == "BITS" ? body.substr(0, end) : body, value.bytes);
    }
    if (tag == "IpAddress") {
        value = {Type::IpAddress, 0, {}, {}};
        return parseIp(body, value.bytes);
    }
    if (tag == "OID") {
        auto oid = parseOid(trim(body));
        value = {Type::ObjectId, 0, {}, oid.value_or(Oid{})};
        return oid.has_value();
    }
    for (auto [type, name] : {std::pair{Type::Counter32, "Counter32"},
                              {Type::Gauge32, "Gauge32"},
                              {Type::Gauge32, "UInteger32"},
                              {Type::TimeTicks, "Timeticks"},
                              {Type::Counter64, "Counter64"}}) {
        if (tag == name) {
            return parseUnsigned(type, body, value);
        }
    }
    return false;
}

bool printable(const std::string& bytes) {
    for (unsigned char c : bytes) {
        if ((c < 0x20 && c != '\n' && c != '\r' && c != '\t') || c >= 0x7f) {
            return false;
        }
    }
    return true;
}

std::string hexText(const std::string& bytes) {
    std::string text;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", c);
        if (!text.empty()) {
            text += ' ';
        }
        text += buf;
    }
    return text;
}

} // namespace

std::string typeName(Type type) {
    for (auto [t, name] : kTypeNames) {
        if (t == type) {
            return name;
        }
    }
    return "unknown";
}

bool parseValue(std::string_view text, Value& value, std::string& error) {
    text = trim(text);
    if (text == "\"\"") {
        value = Value::ofBytes({});
        return true;
    }
    if (text == "NULL") {
        value = {};
        return true;
    }
    auto colon = text.find(": ");
    if (colon == std::string_view::npos && !text.empty() && text.back() == ':') {
        colon = text.size() - 1;
    }
    if (colon == std::string_view::npos) {
        error = "value without a type";
        return false;
    }
    auto tag = text.substr(0, colon);
    auto body = colon + 1 < text.size() ? text.substr(colon + 2) : std::string_view{};
    if (!parseTyped(tag, body, value)) {
        bool known = tag == "INTEGER" || tag == "STRING" || tag == "Hex-STRING" || tag == "BITS" ||
                     tag == "IpAddress" || tag == "OID" || tag == "Counter32" || tag == "Gauge32" ||
                     tag == "UInteger32" || tag == "Timeticks" || tag == "Counter64";
        error =
            known ? "malformed " + std::string(tag) + " value" : "unknown type \"" + std::string(tag) + "\"";
        return false;
    }
    return true;
}

std::string valueText(const Value& value) {
    switch (value.type) {
    case Type::Integer:
        return std::to_string(value.integer());
    case Type::OctetString:
    case Type::Opaque:
        return printable(value.bytes) ? value.bytes : hexText(value.bytes);
    case Type::ObjectId:
        return formatOid(value.oid);
    case Type::IpAddress: {
        std::string text;
        for (unsigned char c : value.bytes) {
            text += (text.empty() ? "" : ".") + std::to_string(c);
        }
        return text;
    }
    case Type::Counter32:
    case Type::Gauge32:
    case Type::TimeTicks:
    case Type::Counter64:
        return std::to_string(value.number);
    default:
        return "";
    }
}

std::string formatValue(const Value& value) {
    switch (value.type) {
    case Type::OctetString: {
        // A line break is written in hex: a directive line has no continuation lines, and a
        // carriage return would not survive the reading of lines.
        if (!printable(value.bytes) || value.bytes.find_first_of("\r\n") != std::string::npos) {
            return value.bytes.empty() ? "\"\"" : "Hex-STRING: " + hexText(value.bytes);
        }
        std::string text = "STRING: \"";
        for (char c : value.bytes) {
            if (c == '"' || c == '\\') {
                text += '\\';
            }
            text += c;
        }
        return text + '"';
    }
    case Type::TimeTicks:
        return "Timeticks: (" + std::to_string(value.number) + ")";
    case Type::Null:
        return "NULL";
    default:
        return typeName(value.type) + ": " + valueText(value);
    }
}

} // namespace krssim
