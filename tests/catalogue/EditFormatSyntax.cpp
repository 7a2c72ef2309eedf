#include "EditFormatSyntax.h"

#include <cctype>
#include <string>

namespace {

class FlagReader {
public:
    explicit FlagReader(std::string_view flags) : text_(flags) {}

    bool ReadAll() {
        while (pos_ < text_.size()) {
            if (!ReadFlag(text_[pos_++])) {
                return false;
            }
        }
        return true;
    }

private:
    bool ReadFlag(char flag) {
        switch (flag) {
        case 'w':
            return Run("0123456789");
        case 'n':
        case 'x':
            return Run("-0123456789.");
        case 'l':
            return Run("0123456789") && LengthLetters();
        case 'e':
            return pos_++ < text_.size();
        case 'Z':
            return true;
        case 'I':
            Optional("m6");
            Optional("m");
            return true;
        case 'M':
            Optional("mu");
            return true;
        default:
            return false;
        }
    }

    // At least one character of the set.
    bool Run(std::string_view set) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && set.find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
        return pos_ > start;
    }

    void Optional(std::string_view set) {
        if (pos_ < text_.size() && set.find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
    }

    // Up to three of a, f, n, each at most once.
    bool LengthLetters() {
        std::string seen;
        while (pos_ < text_.size() && std::string_view("afn").find(text_[pos_]) != std::string_view::npos) {
            if (seen.find(text_[pos_]) != std::string::npos) {
                return false;
            }
            seen += text_[pos_++];
        }
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

bool IsWellFormedEditFormat(std::string_view format) {
    if (format.size() < 2 || format[0] != '%' ||
        std::string_view("shiufn").find(format[1]) == std::string_view::npos) {
        return false;
    }
    std::size_t pos = format[1] == 'n' ? 3 : 2;
    if (pos > format.size()) {
        return false;
    }
    if (pos == format.size()) {
        return true;
    }
    if (format[pos] != '{' || format.back() != '}') {
        return false;
    }
    return FlagReader(format.substr(pos + 1, format.size() - pos - 2)).ReadAll();
}
