#pragma once
// TComboBox: OnChange fires on a user's choice only; setting ItemIndex or Text by code fires nothing.

#include "Control.h"
#include "Strings.h"

#include <QComboBox>
#include <memory>

enum TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public QComboBox, public TWinControl {
public:
    explicit TComboBox(TComponent* owner, TWinControl* parent = nullptr);
    ~TComboBox() override;

    TStrings& Items() { return *m_items; }
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    // The selected item's text ("" when none); with csDropDown the typed text.
    QString Text() const;
    // Selects the item with this text, or none; with csDropDown the text is typed in.
    void SetText(const QString& text);
    TComboBoxStyle Style() const { return isEditable() ? csDropDown : csDropDownList; }
    void SetStyle(TComboBoxStyle style);
    void SetColor(TColor color);

    TNotifyEvent OnChange;

private:
    std::unique_ptr<TStrings> m_items;
};
