#include "ListView.h"

#include "Application.h"
#include "Exceptions.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <utility>

namespace {
// Paints each cell as usual, then its right and bottom grid lines.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(QColor(0xd0, 0xd0, 0xd0));
        const QRect r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }
    // Rows keep room below the descenders (and an underscore) for the grid line.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + kRowRoom));
        return size;
    }
    static constexpr int kRowRoom = 4;
};

// Room a cell keeps beside its text: the item's margins and the grid line.
constexpr int kCellMargin = 8;
} // namespace

TListItem::TListItem(TListView* owner) : m_owner(owner) {}

void TListItem::SetCaption(const QString& caption) {
    setText(0, caption);
    m_owner->ItemChanged(this, ctText);
}

QString TListItem::SubItem(int index) const {
    if (index < 0 || index >= m_subItems) {
        throw EListError::OutOfBounds(index);
    }
    return text(index + 1);
}

void TListItem::AddSubItem(const QString& text) {
    setText(++m_subItems, text);
    m_owner->ItemChanged(this, ctText);
}

void TListItem::SetSubItem(int index, const QString& text) {
    if (index < 0 || index >= m_subItems) {
        throw EListError::OutOfBounds(index);
    }
    setText(index + 1, text);
    m_owner->ItemChanged(this, ctText);
}

int TListItem::Index() const {
    return m_owner->IndexOf(this);
}

TListView::TListView(TComponent* owner, TWinControl* parent)
    : QTreeWidget(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    setMouseTracking(true); // OnMouseMove also without a pressed button
    setItemDelegate(new GridDelegate(this));
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setColumnCount(0);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    connect(this, &QTreeWidget::itemClicked, this, [this] { qs::Fire(OnClick, this); });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { qs::Fire(OnDblClick, this); });
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, [this] { FlushItems(); });
}

TListView::~TListView() {
    OnSelectItem = nullptr;
    OnChange = nullptr;
    OnItemsShown = nullptr;
    const QSignalBlocker quiet(this);
    m_selected = nullptr;
    clear();
    qDeleteAll(std::exchange(m_pending, {}));
}

void TListView::ClearColumns() {
    m_need.clear();
    setColumnCount(0);
    setHeaderLabels({});
}

void TListView::AddColumn(const QString& caption, int width) {
    const int index = columnCount();
    setColumnCount(index + 1);
    headerItem()->setText(index, caption);
    SetColumnWidth(index, width);
}

QString TListView::ColumnCaption(int index) const {
    if (index < 0 || index >= columnCount()) {
        throw EListError::OutOfBounds(index);
    }
    return headerItem()->text(index);
}

void TListView::SetColumnWidth(int index, int width) {
    if (width == -2) {
        width = header()->sectionSizeHint(index) + 8;
    }
    if (width > 0) { // a hidden column stays hidden
        const auto at = static_cast<size_t>(index);
        const int values = at < m_need.size() ? m_need[at] : 0;
        width = std::max({width, header()->sectionSizeHint(index), values});
    }
    setColumnWidth(index, qMax(0, width));
}

// Widens the columns whose width is too small for a text of the item.
void TListView::FitColumns(const QTreeWidgetItem& item) {
    const QFontMetrics fm(font());
    const int n = std::min(item.columnCount(), columnCount());
    if (static_cast<int>(m_need.size()) < columnCount()) {
        m_need.resize(static_cast<size_t>(columnCount()), 0);
    }
    for (int i = 0; i < n; ++i) {
        const int need = fm.horizontalAdvance(item.text(i)) + kCellMargin;
        int& widest = m_need[static_cast<size_t>(i)];
        if (need > widest) {
            widest = need;
            if (columnWidth(i) > 0 && columnWidth(i) < need) {
                setColumnWidth(i, need);
            }
        }
    }
}

int TListView::ColumnWidth(int index) const {
    return columnWidth(index);
}

TListItem* TListView::Item(int index) const {
    if (index < 0 || index >= ItemCount()) {
        throw EListError::OutOfBounds(index);
    }
    if (index >= topLevelItemCount()) {
        // An item asked for by position may be drawn, measured or selected next: it joins the
        // view first. Only the pending rows change, not what the list holds.
        const_cast<TListView*>(this)->FlushItems();
    }
    return static_cast<TListItem*>(topLevelItem(index));
}

int TListView::IndexOf(const TListItem* item) const {
    if (item->treeWidget() == this) {
        return indexOfTopLevelItem(const_cast<TListItem*>(item));
    }
    const auto at = std::find(m_pending.begin(), m_pending.end(), item);
    return at == m_pending.end() ? -1 : topLevelItemCount() + static_cast<int>(at - m_pending.begin());
}

TListItem* TListView::AddItem() {
    FlushItems();
    auto* item = new TListItem(this);
    addTopLevelItem(item);
    ItemChanged(item, ctState);
    return item;
}

void TListView::AddItem(const QStringList& texts) {
    auto* item = new TListItem(this);
    for (int i = 0; i < texts.size(); ++i) {
        item->setText(i, texts[i]);
    }
    item->m_subItems = texts.isEmpty() ? 0 : static_cast<int>(texts.size()) - 1;
    FitColumns(*item);
    m_pending.push_back(item);
    if (!m_flushTimer.isActive()) {
        const qint64 since = m_lastFlush.isValid() ? m_lastFlush.elapsed() : m_flushSpacing;
        m_flushTimer.start(static_cast<int>(std::max<qint64>(0, m_flushSpacing - since)));
    }
    ItemChanged(item, ctState);
}

// One insertion for the whole batch: the view lays itself out and repaints once for it. Laying
// out takes longer as the list grows; batches are spaced so that it stays a small share of the
// time, which keeps a long fill linear.
void TListView::FlushItems() {
    m_flushTimer.stop();
    if (m_pending.empty()) {
        return;
    }
    QElapsedTimer cost;
    cost.start();
    const QList<QTreeWidgetItem*> batch(m_pending.begin(), m_pending.end());
    m_pending.clear();
    addTopLevelItems(batch);
    executeDelayedItemsLayout();
    m_flushSpacing = std::max<qint64>(kFlushInterval, kFlushShare * cost.elapsed());
    m_lastFlush.start();
    qs::Fire(OnItemsShown, this);
}

void TListView::ClearItems() {
    if (TListItem* old = m_selected) {
        m_selected = nullptr;
        qs::Fire(OnSelectItem, this, old, false);
    }
    const QSignalBlocker quiet(this);
    m_flushTimer.stop();
    qDeleteAll(std::exchange(m_pending, {}));
    clear();
    m_need.assign(m_need.size(), 0);
}

void TListView::SetSelected(TListItem* item) {
    FlushItems();
    if (item) {
        setCurrentItem(item);
        item->setSelected(true);
    } else {
        clearSelection();
    }
}

void TListView::SelectionChanged() {
    const QList<QTreeWidgetItem*> items = selectedItems();
    auto* now = items.isEmpty() ? nullptr : static_cast<TListItem*>(items.first());
    if (now == m_selected) {
        return;
    }
    TListItem* old = std::exchange(m_selected, now);
    if (old) {
        qs::Fire(OnSelectItem, this, old, false);
    }
    if (now && m_selected == now) { // the deselection handler may have cleared the list
        qs::Fire(OnSelectItem, this, now, true);
    }
}

void TListView::mouseMoveEvent(QMouseEvent* event) {
    QTreeWidget::mouseMoveEvent(event);
    const Qt::KeyboardModifiers m = event->modifiers();
    const TShiftState shift = (m & Qt::ShiftModifier ? ssShift : 0u) | (m & Qt::AltModifier ? ssAlt : 0u) |
                              (m & Qt::ControlModifier ? ssCtrl : 0u);
    const QPoint at = event->position().toPoint();
    qs::Fire(OnMouseMove, this, shift, at.x(), at.y());
}

void TListView::ItemChanged(TListItem* item, TItemChange change) {
    if (change == ctText) {
        FitColumns(*item);
    }
    qs::Fire(OnChange, this, item, change);
}
