#include "Edit.h"

#include "Application.h"
#include "Dialogs.h"
#include "TextFit.h"

#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

namespace {
// Judges every change the user makes (typing, deleting, pasting, dropping) by the edit's rules;
// a refused change is undone by the line edit.
class InputCheck : public QValidator {
public:
    explicit InputCheck(TEdit* edit) : QValidator(edit), m_edit(edit) {}
    State validate(QString& input, int&) const override {
        return m_edit->TakesInput(input) ? Acceptable : Invalid;
    }

private:
    TEdit* m_edit;
};

int CommonPrefix(const QString& a, const QString& b) {
    int i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        ++i;
    }
    return i;
}

// The characters of b after the common prefix that also end a, at most `room` of them.
int CommonSuffix(const QString& a, const QString& b, int room) {
    int i = 0;
    while (i < room && a[a.size() - 1 - i] == b[b.size() - 1 - i]) {
        ++i;
    }
    return i;
}

constexpr int kToneFrequency = 1000;
constexpr int kToneMs = 200;
} // namespace

TEdit::TEdit(TComponent* owner, TWinControl* parent)
    : QLineEdit(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    setMaxLength(32767);
    setValidator(new InputCheck(this));
    connect(this, &QLineEdit::textChanged, this, [this] { TextChanged(); });
}

TEdit::~TEdit() {
    OnChange = nullptr;
    OnExit = nullptr;
}

void TEdit::SetText(const QString& value) {
    if (value == text()) {
        return;
    }
    const QString old = text();
    const int caret = cursorPosition();
    // The length limit is for typing only; a programmatic set goes in whole.
    const QValidator* limit = validator();
    setValidator(nullptr);
    setText(value);
    setValidator(limit);
    qs::GrowToText(this); // a read-only edit shows its value whole
    if (hasFocus() && !old.isEmpty()) {
        setCursorPosition(qMin(caret, CommonPrefix(old, value)));
    } else if (!hasFocus()) {
        setCursorPosition(0); // a value too long for the box shows its beginning
    }
}

void TEdit::SetMaxLength(int length) {
    m_maxLength = qMax(0, length);
}

void TEdit::SetColor(TColor color) {
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, qs::ToQColor(color));
    setPalette(p);
}

void TEdit::SetFontColor(TColor color) {
    QPalette p = palette();
    p.setColor(QPalette::Text, qs::ToQColor(color));
    setPalette(p);
}

bool TEdit::TakesInput(const QString& input) const {
    const auto n = input.size();
    if (m_maxLength > 0 && n > m_maxLength && n > m_textBefore.size()) {
        return false;
    }
    const int at = CommonPrefix(m_textBefore, input);
    const int room = static_cast<int>(std::min(m_textBefore.size(), n)) - at;
    const int count = static_cast<int>(n) - at - CommonSuffix(m_textBefore, input, room);
    if (count < 2 || !OnInsert || OnInsert(const_cast<TEdit*>(this), input, at, count)) {
        return true;
    }
    Tone(kToneFrequency, kToneMs);
    return false;
}

void TEdit::TextChanged() {
    m_textBefore = text();
    qs::Fire(OnChange, this);
}

void TEdit::FireExit() {
    if (auto handler = OnExit) {
        handler(this);
    }
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text();
    if (OnKeyPress && t.size() == 1 && t[0].isPrint()) {
        char16_t key = t[0].unicode();
        qs::Fire(OnKeyPress, this, key);
        if (key == 0) {
            return;
        }
        if (key != t[0].unicode()) {
            QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(QChar(key)));
            QLineEdit::keyPressEvent(&changed);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        qs::Fire(OnClick, this);
    }
}
