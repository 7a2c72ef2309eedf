#include "ControlText.h"

#include "ComboBox.h"
#include "Panel.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace qs {

QString ControlText(const TObject* control) {
    const auto* c = dynamic_cast<const TControl*>(control);
    if (!c) {
        return QString();
    }
    QWidget* w = c->Widget();
    if (auto* combo = dynamic_cast<const TComboBox*>(c)) {
        return combo->Text();
    }
    if (auto* panel = dynamic_cast<const TPanel*>(c)) {
        return panel->Caption();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text(); // labels and static texts
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text(); // buttons, check boxes, radio buttons
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        return memo->toPlainText();
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        return group->title();
    }
    return QString();
}

} // namespace qs
