#include "MessageTable.h"

#include "FilePath.h"
#include "TextTrim.h"

#include <algorithm>

namespace qs {

namespace {

// The loader reads a line in pieces of a 1024-byte buffer: 1023 characters and the end mark.
constexpr std::size_t kPieceLength = 1023;

void AddPieces(std::string_view line, std::vector<std::string>& out) {
    while (!line.empty()) {
        const std::string_view piece = line.substr(0, kPieceLength);
        if (!TrimView(piece).empty()) {
            out.emplace_back(piece);
        }
        line.remove_prefix(piece.size());
    }
}

} // namespace

std::string MessageTable::Text(int entry) const {
    if (entry < 0) {
        return {};
    }
    const auto n = static_cast<std::size_t>(entry);
    if (n < loaded_.size()) {
        return loaded_[n];
    }
    if (n < builtIn_.size()) {
        return builtIn_[n];
    }
    return {};
}

std::size_t MessageTable::Size() const {
    return std::max(loaded_.size(), builtIn_.size());
}

std::vector<std::string> SplitMessageLines(std::string_view content) {
    std::vector<std::string> out;
    while (!content.empty()) {
        const auto end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        AddPieces(line, out);
    }
    return out;
}

} // namespace qs

void LoadMessageTable(qs::MessageTable& table, std::string_view fileName) {
    std::string content;
    if (!qs::ReadWholeFile(fileName, content)) {
        return;
    }
    auto entries = qs::SplitMessageLines(content);
    if (!entries.empty()) {
        table.Replace(std::move(entries));
    }
}
