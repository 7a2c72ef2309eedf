// A list of unsigned numbers parsed from a delimited text, as the edit constraint's exit check
// reads an 'n' field ("1,2,3").
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

template <class T> class QsNumList {
public:
    int count = 0;
    std::vector<T> items;
    char delimiter = '.';

    // 0 for an empty text, else 1 plus the number of delimiters.
    int CountItems(std::string_view text) const {
        if (text.empty()) {
            return 0;
        }
        int n = 1;
        for (char c : text) {
            n += c == delimiter ? 1 : 0;
        }
        return n;
    }

    // Digits build each item (item * 10 + digit); a delimiter moves to the next item; a "."
    // that is not the delimiter starts a fraction whose digits leave the item unchanged.
    void Parse(std::string_view text) {
        count = CountItems(text);
        items.assign(static_cast<std::size_t>(count), T{});
        std::size_t at = 0;
        bool fraction = false;
        for (char c : text) {
            if (c == delimiter) {
                ++at;
                fraction = false;
            } else if (c == '.') {
                fraction = true;
            } else if (c >= '0' && c <= '9' && !fraction) {
                items[at] = static_cast<T>(items[at] * 10 + static_cast<T>(c - '0'));
            }
        }
    }

    // Every item within min and max, both inclusive.
    bool AllInRange(T min, T max) const {
        for (T v : items) {
            if (v < min || v > max) {
                return false;
            }
        }
        return true;
    }
};
