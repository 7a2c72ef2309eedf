#include "TextFit.h"

#include "ClientArea.h"
#include "Control.h"
#include "Form.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

namespace qs {

namespace {

// Room a push button keeps beside its caption (bevel and focus frame).
constexpr int kButtonMargin = 8;
// Room a line edit keeps beside its text: frame, inner margin and the caret.
constexpr int kEditMargin = 10;
// Room a group box keeps beside its title.
constexpr int kGroupTitleMargin = 20;

// The widest line of text, "&" marking an access key drawn as its underline.
int TextAdvance(const QFontMetrics& fm, QString text, bool accessKeys) {
    if (accessKeys) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, fm.horizontalAdvance(line));
    }
    return widest;
}

int LabelNeed(const QLabel& label) {
    if (label.wordWrap() || label.text().isEmpty() || label.textFormat() == Qt::RichText) {
        return 0;
    }
    const int chrome =
        label.width() - label.contentsRect().width() + 2 * label.margin() + std::max(0, label.indent());
    return TextAdvance(label.fontMetrics(), label.text(), false) + chrome;
}

int ButtonNeed(const QAbstractButton& button) {
    if (button.text().isEmpty()) {
        return 0;
    }
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
        return button.sizeHint().width();
    }
    int need = TextAdvance(button.fontMetrics(), button.text(), true) + kButtonMargin;
    if (!button.icon().isNull()) {
        need += button.iconSize().width() + 4;
    }
    return need;
}

int EditNeed(const QLineEdit& edit) {
    if (!edit.isReadOnly() || edit.text().isEmpty() || edit.echoMode() != QLineEdit::Normal) {
        return 0;
    }
    const QMargins m = edit.textMargins();
    return edit.fontMetrics().horizontalAdvance(edit.text()) + kEditMargin + m.left() + m.right();
}

int GroupNeed(const QGroupBox& group) {
    int need = group.title().isEmpty()
                   ? 0
                   : TextAdvance(group.fontMetrics(), group.title(), true) + kGroupTitleMargin;
    if (group.layout() != nullptr) {
        need = std::max(need, group.sizeHint().width()); // its laid-out items, side by side
    }
    return need;
}

} // namespace

int TextWidthNeeded(const QWidget* control) {
    const TControl* c = TControl::Of(control);
    if (c == nullptr || c->Align() != alNone) {
        return 0;
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return LabelNeed(*label);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return ButtonNeed(*button);
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return EditNeed(*edit);
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        return GroupNeed(*group);
    }
    return 0;
}

void GrowToText(QWidget* control) {
    const int need = TextWidthNeeded(control);
    const int more = need - control->width();
    if (more <= 0) {
        return;
    }
    QRect r = control->geometry();
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label != nullptr && (label->alignment() & Qt::AlignRight) && r.left() >= more) {
        r.setLeft(r.left() - more);
    } else {
        r.setWidth(need);
    }
    control->setGeometry(r);
    KeepInWindow(control);
}

void KeepInWindow(QWidget* control) {
    auto* area = dynamic_cast<ClientArea*>(control->parentWidget());
    auto* form = area != nullptr ? dynamic_cast<TForm*>(TControl::Of(area->parentWidget())) : nullptr;
    if (form == nullptr || form->ClientWidget() != area || control->isHidden()) {
        return;
    }
    const int margin = std::clamp(control->x(), 0, 8);
    // The form's width, not the area's: a hidden form lays its client area out only when shown.
    const int over = control->x() + control->width() + margin - form->ClientWidth();
    if (over > 0) {
        form->SetClientWidth(form->ClientWidth() + over);
    }
}

void GrowTextsToFit(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        GrowToText(w);
    }
}

} // namespace qs
