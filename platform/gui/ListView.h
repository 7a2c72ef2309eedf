#pragma once
// TListView in report style: columns, items with a caption and sub-items, single selection.
// - OnSelectItem(old, false) then OnSelectItem(new, true) on every selection change, by the
//   user or by code; clearing the items reports the deselection only.
// - A click on the row already selected fires OnClick and no OnSelectItem.
// - OnChange fires once for each added item and whenever an item's texts change.
// - Rows added complete (AddItem(texts), the way a walk fills the list) count at once but reach
//   the view in batches, at most every kFlushInterval ms or when an item is asked for by its
//   position or selected: a fast walk lays the view out and repaints it once per batch, not
//   once per row. OnItemsShown fires after each such batch has joined the view.

#include "Control.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QTreeWidget>
#include <vector>

class TListView;

class TListItem : public QTreeWidgetItem {
public:
    QString Caption() const { return text(0); }
    void SetCaption(const QString& caption);
    int SubItemCount() const { return m_subItems; }
    QString SubItem(int index) const;
    void AddSubItem(const QString& text);
    void SetSubItem(int index, const QString& text);
    int Index() const;

private:
    friend class TListView;
    explicit TListItem(TListView* owner);
    TListView* m_owner;
    int m_subItems = 0;
};

enum TItemChange { ctText, ctImage, ctState };
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;

class TListView : public QTreeWidget, public TWinControl {
public:
    explicit TListView(TComponent* owner, TWinControl* parent = nullptr);
    ~TListView() override;

    // Columns. A width of 0 hides the column (its cells still hold data); -2 fits the header.
    // A shown column is never narrower than its header's caption or the widest text put into it.
    int ColumnCount() const { return columnCount(); }
    void ClearColumns();
    void AddColumn(const QString& caption, int width = -2);
    QString ColumnCaption(int index) const;
    void SetColumnWidth(int index, int width);
    int ColumnWidth(int index) const;

    int ItemCount() const { return topLevelItemCount() + static_cast<int>(m_pending.size()); }
    TListItem* Item(int index) const;
    TListItem* AddItem();
    // Adds an item whose caption and sub-items are already filled in: one OnChange, after the
    // item is complete (a handler may clear the list; nothing touches the item afterwards).
    void AddItem(const QStringList& texts);
    // Puts the rows added so far into the view now.
    void FlushItems();
    // True while rows added complete wait for their batch.
    bool ItemsPending() const { return !m_pending.empty(); }
    void ClearItems();
    TListItem* Selected() const { return m_selected; }
    void SetSelected(TListItem* item);

    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnItemsShown;
    TMouseMoveEvent OnMouseMove; // X, Y in the item area

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    friend class TListItem;
    void SelectionChanged();
    void ItemChanged(TListItem* item, TItemChange change);
    int IndexOf(const TListItem* item) const;
    void FitColumns(const QTreeWidgetItem& item);

    static constexpr qint64 kFlushInterval = 60; // ms, at least between batches
    static constexpr qint64 kFlushShare = 10;    // and ten times as long as the last one took

    qint64 m_flushSpacing = kFlushInterval;

    std::vector<TListItem*> m_pending; // added, not yet in the view, in order
    QTimer m_flushTimer;
    QElapsedTimer m_lastFlush;

    TListItem* m_selected = nullptr;
    std::vector<int> m_need; // per column, the width its widest text needs
};
