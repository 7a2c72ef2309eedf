// Enumeration tables: agent values <-> display texts, in the order a combo box shows them.
#pragma once

#include "ItemChooser.h"

#include <cstdint>
#include <string>
#include <vector>

enum QsOptionValueType : std::uint32_t {
    OVT_INT = 1,    // 32-bit signed integers, matched numerically
    OVT_STRING = 2, // texts, matched as whole texts
    OVT_PREFIX = 3, // texts, the entry's value is a prefix of the value text
};

// One row of a static option table. A table ends at the first row whose display text is null:
//   static const QsOption kOnOff[] = {{1, "enabled"}, {2, "disabled"}, {}};
struct QsOption {
    int value = 0;                   // OVT_INT
    const char* valueText = nullptr; // OVT_STRING, OVT_PREFIX
    const char* text = nullptr;      // display text

    constexpr QsOption() = default;
    constexpr QsOption(int v, const char* t) : value(v), text(t) {}
    constexpr QsOption(const char* v, const char* t) : valueText(v), text(t) {}
};

// Number of rows before the terminating row; 0 for a null table.
int OptionTableLength(const QsOption* table);

namespace qs {
// One entry owned by a list: its own copies of the texts.
struct OptionEntry {
    int value = 0;
    std::string valueText;
    std::string text;
};
} // namespace qs

class QsOptionList {
public:
    QsOptionList(const QsOption* table, QsOptionValueType type, bool caseSensitive = false);

    void Clear() { entries_.clear(); }
    void Append(const QsOption* table);

    QsOptionValueType ValueType() const { return type_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int GetCount() const { return static_cast<int>(entries_.size()); }
    // The caller keeps i within 0 to GetCount() - 1.
    const qs::OptionEntry& GetOption(int i) const { return entries_[static_cast<std::size_t>(i)]; }

    int IndexOfText(const std::string& text) const;
    int IndexOfValue(const std::string& valueText) const;
    std::string ValueToText(const std::string& valueText) const;
    std::string TextToValue(const std::string& text) const;

    void FillComboBox(qs::ItemChooser& combo) const { Fill(combo); }
    void SelectComboItem(qs::ItemChooser& combo, const std::string& text) const { Select(combo, text); }
    void FillRadioGroup(qs::ItemChooser& group) const { Fill(group); }
    void SelectRadioItem(qs::ItemChooser& group, const std::string& text) const { Select(group, text); }

private:
    bool SameText(const std::string& a, const std::string& b) const;
    bool HasPrefix(const std::string& text, const std::string& prefix) const;
    void Fill(qs::ItemChooser& chooser) const;
    void Select(qs::ItemChooser& chooser, const std::string& text) const;

    QsOptionValueType type_;
    bool caseSensitive_;
    std::vector<qs::OptionEntry> entries_;
};
