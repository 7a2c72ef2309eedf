#include "PortListTexts.h"

#include <vector>

namespace {

constexpr std::size_t kMaxText = 255;
constexpr std::size_t kMaxDigits = 7;
constexpr std::size_t kWidestTemplate = 256; // 1024 ports

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return 0;
}

std::vector<bool> BitsOf(const std::string& hexText) {
    std::vector<bool> bits;
    for (std::size_t i = 0; i + 1 < hexText.size(); i += 2) {
        const int byte = HexDigit(hexText[i]) * 16 + HexDigit(hexText[i + 1]);
        for (int b = 7; b >= 0; --b) {
            bits.push_back(((byte >> b) & 1) != 0);
        }
    }
    return bits;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A port number of 1 to 7 digits (blanks around it allowed); 0 when it is none.
long PortNumber(const std::string& text) {
    const std::string t = Trimmed(text);
    if (t.empty() || t.size() > kMaxDigits || t.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return std::stol(t);
}

// Sets the ports of one piece; false when it breaks a rule.
bool MarkPiece(const std::string& piece, std::vector<bool>& bits) {
    const long n = static_cast<long>(bits.size());
    const std::size_t dash = piece.find('-');
    const long first = PortNumber(piece.substr(0, dash));
    const long last = dash == std::string::npos ? first : PortNumber(piece.substr(dash + 1));
    if (first < 1 || last < 1 || first > n || last > n || first > last) {
        return false;
    }
    for (long p = first; p <= last; ++p) {
        bits[static_cast<std::size_t>(p - 1)] = true;
    }
    return true;
}

bool MarkPorts(const std::string& portText, std::vector<bool>& bits) {
    if (portText.size() > kMaxText) {
        return false;
    }
    if (Trimmed(portText) == "0") {
        return true;
    }
    std::size_t start = 0;
    while (start <= portText.size()) {
        std::size_t comma = portText.find(',', start);
        if (comma == std::string::npos) {
            comma = portText.size();
        }
        const std::string piece = portText.substr(start, comma - start);
        if (!Trimmed(piece).empty() && !MarkPiece(piece, bits)) {
            return false;
        }
        start = comma + 1;
    }
    return true;
}

std::string HexOf(const std::vector<bool>& bits) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        out += kDigits[(bits[i] ? 8 : 0) | (bits[i + 1] ? 4 : 0) | (bits[i + 2] ? 2 : 0) |
                       (bits[i + 3] ? 1 : 0)];
    }
    return out;
}

std::string Run(std::size_t first, std::size_t last) {
    const std::string head = std::to_string(first + 1);
    return first == last ? head : head + "-" + std::to_string(last + 1);
}

} // namespace

std::string BitListToPortText(const std::string& hexText, bool withHex) {
    const std::vector<bool> bits = BitsOf(hexText);
    std::string text;
    std::size_t i = 0;
    while (i < bits.size()) {
        if (!bits[i]) {
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 1 < bits.size() && bits[last + 1]) {
            ++last;
        }
        text += (text.empty() ? "" : ",") + Run(i, last);
        i = last + 1;
    }
    if (text.empty()) {
        text = "0";
    }
    return withHex ? text + "[" + hexText + "]" : text;
}

bool PortTextToBitList(const std::string& portText, const std::string& templateHex, std::string& out) {
    std::vector<bool> bits(4 * templateHex.size(), false);
    if (portText == "all") {
        bits.assign(bits.size(), true);
    } else if (!MarkPorts(portText, bits)) {
        return false;
    }
    out = HexOf(bits);
    return true;
}

std::string TextInBrackets(const std::string& text) {
    const std::size_t open = text.find('[');
    const std::size_t start = open == std::string::npos ? 0 : open + 1;
    const std::size_t close = text.find(']', start);
    return text.substr(start, close == std::string::npos ? std::string::npos : close - start);
}

namespace qs {

std::string PortTemplateFor(const std::string& portText) {
    std::string wide;
    if (portText == "all" || !PortTextToBitList(portText, std::string(kWidestTemplate, '0'), wide)) {
        return {};
    }
    const std::size_t lastSet = wide.find_last_not_of('0');
    if (lastSet == std::string::npos) {
        return {};
    }
    return std::string((lastSet / 2 + 1) * 2, '0');
}

} // namespace qs
