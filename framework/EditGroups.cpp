#include "EditGroups.h"

#include "DateTimeNumber.h"
#include "DateTimeOctets.h"
#include "Exceptions.h"
#include "QsSNMPVar.h"
#include "SnmpErrors.h"
#include "TextNumbers.h"

#include <QString>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

using Shown = std::vector<std::optional<std::string>>;

constexpr std::uint32_t kTicksPerDay = 8640000;
constexpr std::uint32_t kTicksPerHour = 360000;
constexpr std::uint32_t kTicksPerMinute = 6000;

bool IsHexGroup(std::uint32_t s) {
    return s == SYN_BITSTR || s == SYN_OCTETSTR || s == SYN_OPAQUE;
}

std::string Hex2(std::uint8_t b) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", b);
    return buf;
}

std::uint32_t Le32(const QsOctets& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        const std::size_t k = at + static_cast<std::size_t>(i);
        v = (v << 8) | (k < b.size() ? b[k] : 0u);
    }
    return v;
}

// Each edit one byte in hex; edits beyond the bytes stay as they are.
Shown HexEdits(const QsOctets& bytes, int count) {
    Shown out(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < out.size() && i < bytes.size(); ++i) {
        out[i] = Hex2(bytes[i]);
    }
    return out;
}

Shown DecimalEdits(const QsOctets& bytes, int count, int fields) {
    Shown out(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < static_cast<std::size_t>(fields) && i < bytes.size(); ++i) {
        out[i] = std::to_string(bytes[i]);
    }
    return out;
}

Shown NumberEdits(const std::vector<long long>& numbers, int count) {
    Shown out(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < numbers.size() && i < out.size(); ++i) {
        out[i] = std::to_string(numbers[i]);
    }
    return out;
}

Shown OidEdits(const QsOctets& bytes, int count) {
    std::vector<long long> subs;
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        subs.push_back(Le32(bytes, i));
    }
    return NumberEdits(subs, count);
}

Shown TicksEdits(const QsOctets& bytes, int count) {
    if (bytes.size() < 4) {
        return Shown(static_cast<std::size_t>(count));
    }
    const std::uint32_t t = Le32(bytes, 0);
    return NumberEdits({t / kTicksPerDay, t % kTicksPerDay / kTicksPerHour,
                        t % kTicksPerHour / kTicksPerMinute, t % kTicksPerMinute / 100, t % 100},
                       count);
}

Shown DateTimeEdits(const QsOctets& b, int count) {
    if (b.size() < 11) {
        return Shown(static_cast<std::size_t>(count));
    }
    Shown out = NumberEdits({(b[0] << 8) | b[1], b[2], b[3], b[4], b[5], b[6], b[7], 0, b[9], b[10]}, count);
    out[7] = std::string(1, static_cast<char>(b[8]));
    return out;
}

Shown BcDateTimeEdits(const QsOctets& bytes, int count) {
    double d = 0;
    if (!qs::DoubleFromOctets(bytes, d) || qs::DateTimeNumberToText(d).empty()) {
        return Shown(static_cast<std::size_t>(count));
    }
    using namespace std::chrono;
    const double whole = std::trunc(d);
    const long long ms = std::llround(std::fabs(d - whole) * 86400000.0) % 86400000;
    const year_month_day ymd{sys_days(year(1899) / December / 30) + days(static_cast<long long>(whole))};
    return NumberEdits({static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                        static_cast<unsigned>(ymd.day()), ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                        ms % 1000},
                       count);
}

void NeedEdits(int have, int need) {
    if (have < need) {
        qs::RaiseFrameworkError(qs::err::BindControlCount);
    }
}

// The hex-pair rule: empty is "00", one character c is "0" c, longer texts as typed.
std::string HexPairs(const std::vector<std::string>& texts, std::size_t count) {
    std::string hex;
    for (std::size_t i = 0; i < count && i < texts.size(); ++i) {
        const std::string& t = texts[i];
        hex += t.empty() ? "00" : t.size() == 1 ? "0" + t : t;
    }
    return hex;
}

std::string JoinNumbers(const std::vector<std::string>& texts, std::size_t count, bool signedValues) {
    std::string out;
    for (std::size_t i = 0; i < count && i < texts.size(); ++i) {
        out += i == 0 ? "" : ".";
        out +=
            signedValues ? std::to_string(qs::AtolInt32(texts[i])) : std::to_string(qs::AtolUint32(texts[i]));
    }
    return out;
}

std::string ReadTicks(const std::vector<std::string>& t) {
    const std::uint32_t ticks = qs::AtolUint32(t[0]) * kTicksPerDay + qs::AtolUint32(t[1]) * kTicksPerHour +
                                qs::AtolUint32(t[2]) * kTicksPerMinute + qs::AtolUint32(t[3]) * 100 +
                                qs::AtolUint32(t[4]);
    return FormatTicksText(ticks);
}

std::string ReadDateTime(const std::vector<std::string>& t) {
    const std::uint32_t y = qs::AtolUint32(t[0]);
    QsOctets b{static_cast<std::uint8_t>(y >> 8), static_cast<std::uint8_t>(y)};
    for (const int i : {1, 2, 3, 4, 5, 6}) {
        b.push_back(static_cast<std::uint8_t>(qs::AtolUint32(t[static_cast<std::size_t>(i)])));
    }
    b.push_back(static_cast<std::uint8_t>(t[7].empty() ? '+' : t[7][0]));
    b.push_back(static_cast<std::uint8_t>(qs::AtolUint32(t[8])));
    b.push_back(static_cast<std::uint8_t>(qs::AtolUint32(t[9])));
    return qs::DateTimeOctetsToText(b);
}

std::string ReadBcDateTime(const std::vector<std::string>& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", qs::AtolInt32(t[0]), qs::AtolInt32(t[1]),
                  qs::AtolInt32(t[2]), qs::AtolInt32(t[3]), qs::AtolInt32(t[4]), qs::AtolInt32(t[5]));
    double d = 0;
    if (!qs::TextToDateTimeNumber(buf, d)) {
        throw EConvertError(
            QStringLiteral("'%1' is not a valid date and time").arg(QString::fromLatin1(buf)));
    }
    return qs::DateTimeNumberToText(d);
}

} // namespace

namespace qs {

int EditGroupMinimum(std::uint32_t s, const QsOctets& bytes, bool reading) {
    const int n = static_cast<int>(bytes.size());
    switch (s) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
        return reading ? 0 : n;
    case SYN_OBJECTID:
        return reading ? 0 : (n + 3) / 4;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
    case SYN_INETADDRESS:
        return 4;
    case SYN_TIMETICKS:
        return 5;
    case SYN_MACADDRESS:
        return 6;
    case SYN_DATETIME:
        return 10;
    case SYN_BCDATETIME:
        return 7;
    case SYN_IPV6ADDRESS:
        return 16;
    default:
        return 0;
    }
}

Shown EditGroupShow(const QsOctets& bytes, const std::string& text, std::uint32_t s, int editCount) {
    NeedEdits(editCount, EditGroupMinimum(s, bytes, false));
    if (IsHexGroup(s) || s == SYN_MACADDRESS || s == SYN_IPV6ADDRESS ||
        (s == SYN_INETADDRESS && editCount >= 16)) {
        return HexEdits(bytes, editCount);
    }
    switch (s) {
    case SYN_OBJECTID:
        return OidEdits(bytes, editCount);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
    case SYN_INETADDRESS:
        return DecimalEdits(bytes, editCount, 4);
    case SYN_TIMETICKS:
        return TicksEdits(bytes, editCount);
    case SYN_DATETIME:
        return DateTimeEdits(bytes, editCount);
    case SYN_BCDATETIME:
        return BcDateTimeEdits(bytes, editCount);
    default: {
        Shown out(static_cast<std::size_t>(editCount));
        if (!out.empty()) {
            out[0] = text;
        }
        return out;
    }
    }
}

std::string EditGroupRead(const std::vector<std::string>& texts, std::uint32_t s) {
    const int count = static_cast<int>(texts.size());
    NeedEdits(count, EditGroupMinimum(s, {}, true));
    if (IsHexGroup(s)) {
        return HexPairs(texts, texts.size());
    }
    switch (s) {
    case SYN_OBJECTID:
        return JoinNumbers(texts, texts.size(), false); // arcs run to 4294967295
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return JoinNumbers(texts, 4, false);
    case SYN_INETADDRESS:
        return count >= 16 ? HexPairs(texts, 16) : JoinNumbers(texts, 4, false);
    case SYN_TIMETICKS:
        return ReadTicks(texts);
    case SYN_MACADDRESS:
        return HexPairs(texts, 6);
    case SYN_DATETIME:
        return ReadDateTime(texts);
    case SYN_BCDATETIME:
        return ReadBcDateTime(texts);
    case SYN_IPV6ADDRESS:
        return HexPairs(texts, 16);
    default:
        return texts.empty() ? std::string() : texts[0];
    }
}

} // namespace qs
