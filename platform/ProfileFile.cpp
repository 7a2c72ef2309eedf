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

// Calls visit(name, value) for each key line of the first section of that name, in file order,
// until it returns true; true when one did.
template <class Visit> bool VisitKeys(std::string_view content, std::string_view section, Visit visit) {
    bool inSection = false;
    while (!content.empty()) {
        const std::string_view line = TrimView(NextLine(content));
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (const auto name = SectionName(line)) {
            if (inSection) {
                return false;
            }
            inSection = EqualsNoCase(*name, section);
            continue;
        }
        const auto equals = line.find('=');
        if (inSection && equals != std::string_view::npos &&
            visit(TrimView(line.substr(0, equals)), TrimView(line.substr(equals + 1)))) {
            return true;
        }
    }
    return false;
}

// Looks the key up in the first section of that name; nothing when either is missing.
std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key) {
    std::optional<std::string> found;
    VisitKeys(content, section, [&](std::string_view name, std::string_view value) {
        if (EqualsNoCase(name, key)) {
            found = Capped(Unquoted(value));
        }
        return found.has_value();
    });
    return found;
}

// The file's text without a leading byte-order mark; false when it cannot be read.
bool ReadContent(std::string_view fileName, std::string& content, std::string_view& view) {
    if (!ReadWholeFile(fileName, content)) {
        return false;
    }
    view = content;
    if (view.starts_with("\xEF\xBB\xBF")) {
        view.remove_prefix(3);
    }
    return true;
}

} // namespace

std::string ReadProfileString(std::string_view fileName, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
    std::string content;
    std::string_view view;
    if (ReadContent(fileName, content, view)) {
        if (auto value = FindValue(view, section, key)) {
            return *value;
        }
    }
    return Capped(TrimRight(defaultValue));
}

std::vector<std::string> ReadProfileKeys(std::string_view fileName, std::string_view section) {
    std::vector<std::string> keys;
    std::string content;
    std::string_view view;
    if (ReadContent(fileName, content, view)) {
        VisitKeys(view, section, [&](std::string_view name, std::string_view) {
            keys.emplace_back(name);
            return false;
        });
    }
    return keys;
}

} // namespace qs
