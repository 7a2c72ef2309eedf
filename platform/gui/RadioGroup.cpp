#include "RadioGroup.h"

#include "Application.h"
#include "Exceptions.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace {
class RadioItems : public TStringList {
public:
    explicit RadioItems(TRadioGroup* group) : m_group(group) {}
    void Insert(int index, const QString& text) override {
        TStringList::Insert(index, text);
        m_group->Rebuild();
    }
    void Delete(int index) override {
        TStringList::Delete(index);
        m_group->Rebuild();
    }
    void Clear() override {
        TStringList::Clear();
        m_group->Rebuild();
    }

private:
    TRadioGroup* m_group;
};
} // namespace

TRadioGroup::TRadioGroup(TComponent* owner, TWinControl* parent)
    : QGroupBox(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner),
      m_items(std::make_unique<RadioItems>(this)), m_group(new QButtonGroup(this)) {
    qs::EnsureApplication();
    new QGridLayout(this);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) {
            qs::Fire(OnClick, this);
        }
    });
}

TRadioGroup::~TRadioGroup() {
    OnClick = nullptr;
}

int TRadioGroup::ItemIndex() const {
    return m_group->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= m_items->Count()) {
        throw EListError::OutOfBounds(index);
    }
    if (index == -1) {
        if (QAbstractButton* b = m_group->checkedButton()) {
            const QSignalBlocker quiet(m_group);
            m_group->setExclusive(false);
            b->setChecked(false);
            m_group->setExclusive(true);
        }
        return;
    }
    m_group->button(index)->setChecked(true);
}

QString TRadioGroup::SelectedText() const {
    return m_items->Strings(ItemIndex());
}

void TRadioGroup::SetColumns(int columns) {
    m_columns = qMax(1, columns);
    Rebuild();
}

void TRadioGroup::Rebuild() {
    const int selected = ItemIndex();
    for (QAbstractButton* b : m_group->buttons()) {
        m_group->removeButton(b);
        delete b;
    }
    auto* grid = static_cast<QGridLayout*>(layout());
    const int n = m_items->Count();
    const int rows = (n + m_columns - 1) / m_columns;
    for (int i = 0; i < n; ++i) {
        auto* b = new QRadioButton(m_items->Strings(i), this);
        b->setObjectName(objectName() + QStringLiteral("Item%1").arg(i));
        m_group->addButton(b, i);
        grid->addWidget(b, i % qMax(1, rows), i / qMax(1, rows));
    }
    if (selected >= 0 && selected < n) {
        const QSignalBlocker quiet(m_group);
        m_group->button(selected)->setChecked(true);
    }
    qs::GrowToText(this);
}
