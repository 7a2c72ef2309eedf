#include "VlanBitmapText.h"

#include "OctetTexts.h"

#include "Exceptions.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> NonEmptyParts(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= text.size()) {
        std::string::size_type end = text.find(separator, start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            parts.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

long long Number(const std::string& part) {
    return qs::StrToInt(QString::fromStdString(part));
}

void Mark(VlanMembers& members, long long n) {
    if (n >= 1) {
        members.set(static_cast<std::size_t>((n - 1) % 512));
    }
}

// Marks first..last; 0 marks nothing, and a span of 512 numbers from 1 up covers every position
// of the block.
void MarkRange(VlanMembers& members, long long first, long long last) {
    first = std::max(first, 1LL);
    if (last - first >= 511) {
        members.set();
        return;
    }
    for (long long n = first; n <= last; ++n) {
        Mark(members, n);
    }
}

// Octet k holds flags 8k (value 128) to 8k+7 (value 1), written as two upper-case hex digits.
std::string PackHex(const VlanMembers& members) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(128);
    for (int k = 0; k < 64; ++k) {
        int octet = 0;
        for (int b = 0; b < 8; ++b) {
            octet = (octet << 1) | (members.test(static_cast<std::size_t>(8 * k + b)) ? 1 : 0);
        }
        hex += kDigits[octet >> 4];
        hex += kDigits[octet & 15];
    }
    return hex;
}

void AppendRun(std::string& text, long long first, long long last) {
    if (!text.empty()) {
        text += ',';
    }
    text += std::to_string(first);
    if (last > first) {
        text += '-';
        text += std::to_string(last);
    }
}

} // namespace

bool ParseListText(const std::string& text, VlanMembers& members) {
    members.reset();
    for (const std::string& item : NonEmptyParts(text, ',')) {
        if (item.find('-') == std::string::npos) {
            Mark(members, Number(item));
            continue;
        }
        const std::vector<std::string> ends = NonEmptyParts(item, '-');
        if (ends.size() < 2) {
            return false; // "5-" or "-5": no range to read
        }
        const long long first = Number(ends[0]);
        const long long last = Number(ends[1]);
        if (last < first) {
            return false;
        }
        MarkRange(members, first, last);
    }
    return true;
}

bool ListTextToHexBitmap(std::string& text) {
    VlanMembers members;
    if (!ParseListText(text, members)) {
        return false;
    }
    text = PackHex(members);
    return true;
}

std::string HexBitmapToListText(const std::string& hexText, int block, bool appendHex) {
    std::string text;
    const long long base = static_cast<long long>(block) * 512 + 1;
    long long runStart = -1;
    long long bit = 0;
    for (std::string::size_type i = 0; i + 1 < hexText.size(); i += 2, bit += 8) {
        const int octet = qs::HexValue(hexText[i]) * 16 + qs::HexValue(hexText[i + 1]);
        for (int b = 0; b < 8; ++b) {
            const bool set = (octet & (0x80 >> b)) != 0;
            if (set && runStart < 0) {
                runStart = bit + b;
            } else if (!set && runStart >= 0) {
                AppendRun(text, base + runStart, base + bit + b - 1);
                runStart = -1;
            }
        }
    }
    if (runStart >= 0) {
        AppendRun(text, base + runStart, base + bit - 1);
    }
    if (text.empty()) {
        text.push_back('0');
    }
    if (appendHex) {
        text += '[';
        text += hexText;
        text += ']';
    }
    return text;
}
