#include "QsOptionList.h"

#include "TextNumbers.h"

#include <cctype>

namespace {

const char kNullText[] = "(NULL)";

char Fold(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

int OptionTableLength(const QsOption* table) {
    int n = 0;
    while (table != nullptr && table[n].text != nullptr) {
        ++n;
    }
    return n;
}

QsOptionList::QsOptionList(const QsOption* table, QsOptionValueType type, bool caseSensitive)
    : type_(type), caseSensitive_(caseSensitive) {
    Append(table);
}

void QsOptionList::Append(const QsOption* table) {
    const int n = OptionTableLength(table);
    entries_.reserve(entries_.size() + static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        qs::OptionEntry e;
        e.value = table[i].value;
        e.valueText = table[i].valueText != nullptr ? table[i].valueText : "";
        e.text = table[i].text;
        entries_.push_back(std::move(e));
    }
}

// Whole-text comparison; the C locale's letter case rules.
bool QsOptionList::SameText(const std::string& a, const std::string& b) const {
    if (a.size() != b.size()) {
        return false;
    }
    if (caseSensitive_) {
        return a == b;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) {
            return false;
        }
    }
    return true;
}

bool QsOptionList::HasPrefix(const std::string& text, const std::string& prefix) const {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

int QsOptionList::IndexOfText(const std::string& text) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const bool match = type_ == OVT_PREFIX ? HasPrefix(text, entries_[i].text)
                                               : (type_ == OVT_INT || type_ == OVT_STRING) &&
                                                     SameText(entries_[i].text, text);
        if (match) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int QsOptionList::IndexOfValue(const std::string& valueText) const {
    std::int32_t number = 0;
    if (type_ == OVT_INT && (valueText == kNullText || !qs::ParseInt32Exact(valueText, number))) {
        return -1;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& e = entries_[i];
        const bool match = type_ == OVT_INT      ? e.value == number
                           : type_ == OVT_STRING ? SameText(e.valueText, valueText)
                           : type_ == OVT_PREFIX ? HasPrefix(valueText, e.valueText)
                                                 : false;
        if (match) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string QsOptionList::ValueToText(const std::string& valueText) const {
    const int i = IndexOfValue(valueText);
    if (i < 0) {
        return valueText;
    }
    const auto& e = GetOption(i);
    if (type_ == OVT_PREFIX) {
        return e.text + valueText.substr(e.valueText.size());
    }
    return e.text;
}

std::string QsOptionList::TextToValue(const std::string& text) const {
    const int i = IndexOfText(text);
    if (i < 0) {
        return text;
    }
    const auto& e = GetOption(i);
    switch (type_) {
    case OVT_INT:
        return std::to_string(e.value);
    case OVT_PREFIX:
        return e.valueText + text.substr(e.text.size());
    default:
        return e.valueText;
    }
}

void QsOptionList::Fill(qs::ItemChooser& chooser) const {
    chooser.ClearItems();
    for (const auto& e : entries_) {
        chooser.AddItem(e.text);
    }
}

// A control can be set from either form: the display text first, then the agent value.
void QsOptionList::Select(qs::ItemChooser& chooser, const std::string& text) const {
    chooser.SetSelectedIndex(IndexOfText(text));
    if (chooser.SelectedIndex() < 0) {
        chooser.SetSelectedIndex(IndexOfValue(text));
    }
}
