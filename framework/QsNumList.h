// A list of numbers parsed from text such as "0,2,5"; the requests use it for the selection of
// a write, the edit constraint for the items of an 'n' field.
#pragma once

#include <string>
#include <vector>

template <class T> class QsNumList {
public:
    // An empty text gives no items; otherwise one item more than there are delimiters. Digits
    // build the current item, a full stop (when it is not the delimiter) starts a fraction
    // whose digits are skipped; other characters are not expected.
    void Parse(const std::string& text) {
        items_.assign(static_cast<std::size_t>(CountItems(text)), T{});
        std::size_t item = 0;
        bool fraction = false;
        for (const char c : text) {
            if (c == Delimiter) {
                ++item;
                fraction = false;
            } else if (c == '.') {
                fraction = true;
            } else if (c >= '0' && c <= '9' && !fraction) {
                items_[item] = static_cast<T>(items_[item] * 10 + (c - '0'));
            }
        }
    }
    int CountItems(const std::string& text) const {
        if (text.empty()) {
            return 0;
        }
        int count = 1;
        for (const char c : text) {
            count += c == Delimiter ? 1 : 0;
        }
        return count;
    }
    int IndexOf(T value) const {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i] == value) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    int GetCount() const { return static_cast<int>(items_.size()); }
    // Every item within min and max, both inclusive.
    bool AllInRange(T min, T max) const {
        for (const T v : items_) {
            if (v < min || v > max) {
                return false;
            }
        }
        return true;
    }
    // The caller keeps i within 0 to GetCount() - 1.
    T GetItem(int i) const { return items_[static_cast<std::size_t>(i)]; }

    char Delimiter = '.';

private:
    std::vector<T> items_;
};
