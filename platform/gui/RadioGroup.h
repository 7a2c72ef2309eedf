#pragma once
// TRadioGroup: a framed group of radio buttons in Columns columns. OnClick fires when an item
// becomes selected, by the user or by setting ItemIndex; setting -1 clears it without an event.

#include "Control.h"
#include "Strings.h"
#include "TextFit.h"

#include <QGroupBox>
#include <memory>

class QButtonGroup;

class TRadioGroup : public QGroupBox, public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner, TWinControl* parent = nullptr);
    ~TRadioGroup() override;

    TStrings& Items() { return *m_items; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The selected item's text; with no selection the list-index error.
    QString SelectedText() const;
    int Columns() const { return m_columns; }
    void SetColumns(int columns);
    QString Caption() const { return title(); }
    void SetCaption(const QString& caption) {
        setTitle(caption);
        qs::GrowToText(this);
    }

    TNotifyEvent OnClick;

    // Rebuilds the buttons from Items (called by Items when it changes).
    void Rebuild();

private:
    std::unique_ptr<TStrings> m_items;
    QButtonGroup* m_group;
    int m_columns = 1;
};
