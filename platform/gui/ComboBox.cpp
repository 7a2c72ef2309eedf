#include "ComboBox.h"

#include "Application.h"
#include "Exceptions.h"

#include <QLineEdit>

namespace {
class ComboItems : public TStrings {
public:
    explicit ComboItems(QComboBox* combo) : m_combo(combo) {}
    int Count() const override { return m_combo->count(); }
    QString Strings(int index) const override {
        CheckIndex(index, Count());
        return m_combo->itemText(index);
    }
    void Insert(int index, const QString& text) override {
        CheckIndex(index, Count() + 1);
        const QSignalBlocker quiet(m_combo);
        m_combo->insertItem(index, text);
        if (!m_combo->isEditable() && m_combo->count() == 1) {
            m_combo->setCurrentIndex(-1); // a new list starts without a selection
        }
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        const QSignalBlocker quiet(m_combo);
        m_combo->removeItem(index);
    }
    void Clear() override {
        const QSignalBlocker quiet(m_combo);
        m_combo->clear();
    }

private:
    QComboBox* m_combo;
};
} // namespace

TComboBox::TComboBox(TComponent* owner, TWinControl* parent)
    : QComboBox(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner),
      m_items(std::make_unique<ComboItems>(this)) {
    qs::EnsureApplication();
    connect(this, &QComboBox::activated, this, [this] { qs::Fire(OnChange, this); });
}

TComboBox::~TComboBox() {
    OnChange = nullptr;
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= count()) {
        throw EListError::OutOfBounds(index);
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
}

QString TComboBox::Text() const {
    if (isEditable()) {
        return currentText();
    }
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

void TComboBox::SetText(const QString& text) {
    const QSignalBlocker quiet(this);
    if (isEditable()) {
        setEditText(text);
        return;
    }
    setCurrentIndex(findText(text, Qt::MatchFixedString));
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    const QSignalBlocker quiet(this);
    setEditable(style == csDropDown);
}

void TComboBox::SetColor(TColor color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, qs::ToQColor(color));
    p.setColor(QPalette::Button, qs::ToQColor(color));
    setPalette(p);
}
