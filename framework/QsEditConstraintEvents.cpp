// The two event handlers of the edit constraint: the keystroke filter on change and the check
// on exit.
#include "AddressValidators.h"
#include "Application.h"
#include "Dialogs.h"
#include "MessageTable.h"
#include "QsEditConstraint.h"

using qs::EditFormat;

namespace {

const QString kNotDone = QStringLiteral("(NOTDONE)");
const QString kNull = QStringLiteral("(NULL)");

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsHex(QChar c) {
    const char16_t u = c.unicode();
    return IsDigit(c) || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

// Position of the first character the conversion does not allow, or -1.
int BadCharacter(const EditFormat& f, const QString& t) {
    bool dot = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        bool ok = true;
        switch (f.conversion) {
        case 'f':
            ok = IsDigit(c) || (c == QLatin1Char('-') && i == 0) || (c == QLatin1Char('.') && !dot);
            dot = dot || c == QLatin1Char('.');
            break;
        case 'h':
            ok = IsHex(c);
            break;
        case 'i':
            ok = IsDigit(c) || (c == QLatin1Char('-') && i == 0);
            break;
        case 'u':
            ok = IsDigit(c);
            break;
        case 'n':
            ok = IsDigit(c) ||
                 (c == QLatin1Char(f.delimiter) && i > 0 && t[i - 1] != QLatin1Char(f.delimiter));
            break;
        default:
            break;
        }
        if (!ok) {
            return i;
        }
    }
    return -1;
}

std::string Entry(int k) {
    return CommonErrTable().Text(k);
}

} // namespace

void QsEditConstraint::OnChange(TObject* Sender) {
    QPointer<TEdit> edit = dynamic_cast<TEdit*>(Sender);
    _EditConstraint_s* r = Find(edit);
    const QString text = edit ? edit->Text() : QString();
    if (!r || text.isEmpty() || text == kNotDone || text == kNull) {
        return;
    }
    const EditFormat f = r->format;
    const auto exitAt = f.exitCharacter ? text.indexOf(QLatin1Char(f.exitCharacter)) : -1;
    if (exitAt >= 0) {
        edit->SetText(QString(text).remove(exitAt, 1));
        FocusNext();
        return;
    }
    if (FilterKeystroke(edit, *r, text)) {
        return;
    }
    if (TNotifyEvent saved = r->savedChange) {
        saved(edit);
        if (!edit || edit->Tag == -1) {
            return;
        }
    }
    if ((f.lengthFlags & qs::LF_AUTO_ADVANCE) && f.length > 0 && edit->Text().size() == f.length) {
        FocusNext();
    }
}

bool QsEditConstraint::FilterKeystroke(TEdit* edit, const _EditConstraint_s& r, const QString& text) {
    const int bad = BadCharacter(r.format, text);
    if (bad < 0) {
        return false;
    }
    edit->SetText(QString(text).remove(bad, 1)); // the change event comes back for the rest
    Tone(1000, 200);
    return true;
}

void QsEditConstraint::OnExit(TObject* Sender) {
    QPointer<TEdit> edit = dynamic_cast<TEdit*>(Sender);
    _EditConstraint_s* r = Find(edit);
    const QString text = edit ? edit->Text() : QString();
    if (!r || text == kNotDone || text == kNull) {
        return;
    }
    if (text.isEmpty()) {
        if (r->format.lengthFlags & qs::LF_NOT_EMPTY) {
            Fail(edit, Entry(3));
        }
        return;
    }
    if (r->format.useValidator && r->validator) {
        if (!r->validator(edit)) {
            Refuse(edit); // the validator showed its own message
            return;
        }
    } else {
        bool shown = false;
        const std::string message = Check(*r, text, &shown);
        if (shown || !message.empty()) {
            shown ? Refuse(edit) : Fail(edit, message);
            return;
        }
    }
    if (TNotifyEvent saved = r->savedExit) {
        saved(edit);
        r = Find(edit);
        if (!r) {
            return;
        }
        if (edit->Tag == -1) {
            edit->SetText(r->lastValidText);
            return;
        }
    }
    if (m_remember) {
        r->lastValidText = text;
    }
}

std::string QsEditConstraint::Check(_EditConstraint_s& r, const QString& text, bool* shown) {
    const EditFormat& f = r.format;
    if ((f.conversion == 's' || f.conversion == 'h') && f.addressKind == qs::AK_IPV4) {
        *shown = !IsValidIPv4Control(r.edit); // that check shows its own message
        return {};
    }
    return qs::CheckFormatText(f, text.toStdString());
}

void QsEditConstraint::Fail(const QPointer<TEdit>& edit, const std::string& message) {
    MessageBox(m_owner ? m_owner->Widget() : nullptr, QString::fromStdString(message), Application->Title,
               MB_OK);
    Refuse(edit);
}

// Looked up again: a modal box was open, and anything may have happened meanwhile.
void QsEditConstraint::Refuse(const QPointer<TEdit>& edit) {
    if (_EditConstraint_s* r = Find(edit)) {
        edit->SetText(r->lastValidText);
        edit->SetFocus();
    }
}
