#include "ProfileFile.h"

#include "FilePath.h"
#include "TextTrim.h"

#include <optional>

namespace qs {

namespace {

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string Capped(std::string_view text) {
    return std::string(text.substr(0, kProfileValueMax));
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return TrimView(line.substr(1, close - 1));
}

std::string_view NextLine(std::string_view& rest) {
    const auto end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return line;
}

// Looks the key up in the first section of that name; nothing when either is missing.
std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key) {
    bool inSection = false;
    while (!content.empty()) {
        const std::string_view line = TrimView(NextLine(content));
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (const auto name = SectionName(line)) {
            if (inSection) {
                return std::nullopt;
            }
            inSection = EqualsNoCase(*name, section);
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) {
            continue;
        }
        if (EqualsNoCase(TrimView(line.substr(0, equals)), key)) {
            return Capped(Unquoted(TrimView(line.substr(equals + 1))));
        }
    }
    return std::nullopt;
}

} // namespace

std::string ReadProfileString(std::string_view fileName, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
    std::string content;
    if (ReadWholeFile(fileName, content)) {
        std::string_view view(content);
        if (view.starts_with("\xEF\xBB\xBF")) {
            view.remove_prefix(3);
        }
        if (auto value = FindValue(view, section, key)) {
            return *value;
        }
    }
    return Capped(TrimRight(defaultValue));
}

} // namespace qs
