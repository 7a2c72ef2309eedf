#include "Edit.h"

#include "Application.h"

#include <QKeyEvent>
#include <QValidator>

namespace {
// Refuses user input that makes the text longer than the limit and longer than it was.
class LengthLimit : public QValidator {
public:
    LengthLimit(QObject* parent, const int& limit, const int& before)
        : QValidator(parent), m_limit(limit), m_before(before) {}
    State validate(QString& input, int&) const override {
        const auto n = input.size();
        return m_limit > 0 && n > m_limit && n > m_before ? Invalid : Acceptable;
    }

private:
    const int& m_limit;
    const int& m_before;
};

int CommonPrefix(const QString& a, const QString& b) {
    int i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        ++i;
    }
    return i;
}
} // namespace

TEdit::TEdit(TComponent* owner, TWinControl* parent)
    : QLineEdit(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner) {
    qs::EnsureApplication();
    setMaxLength(32767);
    setValidator(new LengthLimit(this, m_maxLength, m_lengthBefore));
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

void TEdit::TextChanged() {
    m_lengthBefore = static_cast<int>(text().size());
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
