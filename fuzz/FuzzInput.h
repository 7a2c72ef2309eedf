// Splits a fuzzer's bytes into the pieces a harness needs: small numbers from the front, texts
// cut at a separator byte, and whatever is left. Every read is bounded by what remains, so any
// input, even an empty one, yields values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qs::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t Byte() {
        if (rest_.empty()) {
            return 0;
        }
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }

    std::uint32_t Uint32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            v = (v << 8) | Byte();
        }
        return v;
    }

    // The bytes up to the next separator (dropped), or all that is left.
    std::string Text(char separator = '\0') {
        const std::size_t end = rest_.find(separator);
        const std::string_view piece = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return std::string(piece);
    }

    std::vector<std::uint8_t> Bytes(std::size_t count) {
        const std::size_t n = count < rest_.size() ? count : rest_.size();
        std::vector<std::uint8_t> out(rest_.begin(), rest_.begin() + static_cast<std::ptrdiff_t>(n));
        rest_.remove_prefix(n);
        return out;
    }

    std::string Rest() {
        const std::string out(rest_);
        rest_ = {};
        return out;
    }

    bool Empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

// A file of the process's own in the temporary folder holding the given bytes, for the readers
// that take a file name; removed again when the object goes.
class TempFile {
public:
    TempFile(std::string_view name, std::string_view content);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

} // namespace qs::fuzz
