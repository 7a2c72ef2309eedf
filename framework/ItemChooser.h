// What option lists need of a combo box or a radio group: an item list and a selected index.
// The GUI layer implements it for its controls; tests implement it in memory.
#pragma once

#include <string>

namespace qs {

class ItemChooser {
public:
    virtual ~ItemChooser() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& text) = 0;
    // -1 means nothing is selected.
    virtual int SelectedIndex() const = 0;
    virtual void SetSelectedIndex(int index) = 0;
};

} // namespace qs
