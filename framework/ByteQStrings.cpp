#include "ByteQStrings.h"

#include <cstdint>

namespace qs {
namespace {

constexpr char16_t kEscapeBase = 0xDC00; // + a byte of 0x80 to 0xFF

// The length of the valid UTF-8 sequence at bytes[i] and its code point; 0 when there is none
// (a stray or missing continuation byte, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t Utf8Sequence(const std::string& bytes, std::size_t i, char32_t& code) {
    const auto at = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    const std::uint8_t lead = at(i);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        least = 0x10000;
    } else {
        return 0;
    }
    code = lead & (0x7F >> length);
    if (i + length > bytes.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (at(i + k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}

void AppendUtf8(std::string& out, char32_t code) {
    const auto put = [&out](char32_t c) { out.push_back(static_cast<char>(c)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

} // namespace

QString BytesToQString(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = Utf8Sequence(bytes, i, code);
        if (length == 0) {
            out.append(QChar(static_cast<char16_t>(kEscapeBase + static_cast<std::uint8_t>(bytes[i]))));
            ++i;
            continue;
        }
        const char32_t one[] = {code};
        out.append(QString::fromUcs4(one, 1));
        i += length;
    }
    return out;
}

std::string QStringToBytes(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) {
            AppendUtf8(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
            out.push_back(static_cast<char>(c - kEscapeBase));
        } else if (QChar::isSurrogate(c)) {
            AppendUtf8(out, 0xFFFD); // a lone surrogate no byte was escaped as
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

} // namespace qs
