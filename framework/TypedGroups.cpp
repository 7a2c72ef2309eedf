// Typed text in a group of edits that make one value between them.
#include "AddressChecks.h"
#include "QsSNMPVar.h"
#include "TypedTextParts.h"

#include <algorithm>
#include <limits>

namespace qs {
namespace {

using namespace typed;

// The common table's entries of the address forms.
constexpr int kIPv4Entry = 19;
constexpr int kIPv6Entry = 21;
constexpr int kMacEntry = 23;

std::optional<GroupRefusal> FirstBad(const std::vector<std::string>& texts, std::size_t count,
                                     bool (*good)(std::string_view), const std::string& message) {
    for (std::size_t i = 0; i < count && i < texts.size(); ++i) {
        if (!good(texts[i])) {
            return GroupRefusal{static_cast<int>(i), message};
        }
    }
    return std::nullopt;
}

bool IsHexByte(std::string_view s) {
    return !s.empty() && s.size() <= 2 && std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

bool IsByte(std::string_view s) {
    return PartIn(s, 0, 255);
}

bool IsSubId(std::string_view s) {
    return PartIn(s, 0, std::numeric_limits<std::uint32_t>::max());
}

long long Number(const std::string& digits) {
    return static_cast<long long>(ParseWhole(digits)->magnitude);
}

std::optional<GroupRefusal> RefuseTicksGroup(const std::vector<std::string>& t) {
    const long long limits[] = {std::numeric_limits<std::uint32_t>::max() / 8640000, 23, 59, 59, 99};
    for (std::size_t i = 0; i < 5; ++i) {
        if (!PartIn(t[i], 0, limits[i])) {
            return GroupRefusal{static_cast<int>(i), kTicks};
        }
    }
    const long double total = Number(t[0]) * 8640000.0L + Number(t[1]) * 360000.0L + Number(t[2]) * 6000.0L +
                              Number(t[3]) * 100.0L + static_cast<long double>(Number(t[4]));
    if (total > std::numeric_limits<std::uint32_t>::max()) {
        return GroupRefusal{0, kTicks};
    }
    return std::nullopt;
}

std::optional<GroupRefusal> RefuseDateGroup(const std::vector<std::string>& t, bool withUtc) {
    const std::optional<DateRefusal> r = RefuseDateGroupParts(t, withUtc);
    return r ? std::optional<GroupRefusal>(GroupRefusal{static_cast<int>(r->part), r->message})
             : std::nullopt;
}

} // namespace

std::vector<std::string> TypedGroupTexts(const std::vector<std::string>& texts) {
    std::vector<std::string> out;
    for (const std::string& text : texts) {
        std::string_view t = TrimBlanks(text);
        if (t.size() > 1 && t[0] == '+' && t[1] >= '0' && t[1] <= '9') {
            t.remove_prefix(1);
        }
        out.emplace_back(t);
    }
    return out;
}

std::optional<GroupRefusal> RefuseTypedGroup(const std::vector<std::string>& typed, std::uint32_t syntax) {
    const std::vector<std::string> texts = TypedGroupTexts(typed);
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
        return FirstBad(texts, texts.size(), IsHexByte, kHexBytes);
    case SYN_OBJECTID:
        return FirstBad(texts, texts.size(), IsSubId, kObjectId);
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return FirstBad(texts, 4, IsByte, Entry(kIPv4Entry));
    case SYN_INETADDRESS:
        return texts.size() >= 16 ? FirstBad(texts, 16, IsHexByte, Entry(kIPv6Entry))
                                  : FirstBad(texts, 4, IsByte, Entry(kIPv4Entry));
    case SYN_MACADDRESS:
        return FirstBad(texts, 6, IsHexByte, Entry(kMacEntry));
    case SYN_IPV6ADDRESS:
        return FirstBad(texts, 16, IsHexByte, Entry(kIPv6Entry));
    case SYN_TIMETICKS:
        return texts.size() >= 5 ? RefuseTicksGroup(texts) : std::nullopt;
    case SYN_DATETIME:
        return texts.size() >= 10 ? RefuseDateGroup(texts, true) : std::nullopt;
    case SYN_BCDATETIME:
        return texts.size() >= 7 ? RefuseDateGroup(texts, false) : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace qs
