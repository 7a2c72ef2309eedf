// Combo boxes and radio groups as the item choosers that option lists fill and select.
#pragma once

#include "ComboBox.h"
#include "ItemChooser.h"
#include "RadioGroup.h"

namespace qs {

template <class Control> class ControlChooser : public ItemChooser {
public:
    explicit ControlChooser(Control& control) : control_(control) {}
    void ClearItems() override { control_.Items().Clear(); }
    void AddItem(const std::string& text) override { control_.Items().Add(QString::fromStdString(text)); }
    int SelectedIndex() const override { return control_.ItemIndex(); }
    void SetSelectedIndex(int index) override { control_.SetItemIndex(index); }

private:
    Control& control_;
};

using ComboChooser = ControlChooser<TComboBox>;
using RadioChooser = ControlChooser<TRadioGroup>;

} // namespace qs
