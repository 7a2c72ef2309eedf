// The two event handlers of the edit constraint: the keystroke filter on change and the check
// on exit.
#include "AddressChecks.h"
#include "AddressValidators.h"
#include "Application.h"
#include "ByteQStrings.h"
#include "Dialogs.h"
#include "MessageTable.h"
#include "QsEditConstraint.h"
#include "TypedText.h"

#include <algorithm>

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

// Hex digits may be typed in pairs joined by blanks, ":" or "-" (snmpwalk's "80 00 E4 F5").
const QString kHexSeparators = QStringLiteral(" :-");

// Position of the first character from `from` on that the conversion does not allow, or -1; extra
// holds characters allowed besides the conversion's own.
int BadCharacter(const EditFormat& f, const QString& t, const QString& extra = QString(), int from = 0) {
    bool dot = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (extra.contains(c)) {
            continue;
        }
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
        if (!ok && i >= from) {
            return i;
        }
    }
    return -1;
}

std::string Entry(int k) {
    return CommonErrTable().Text(k);
}

bool IsIPv6Kind(const EditFormat& f) {
    return f.addressKind == qs::AK_IPV6 || f.addressKind == qs::AK_MULTICAST_IPV6;
}

// The characters the record's edit may hold besides its conversion's own.
QString ExtraCharacters(const _EditConstraint_s& r) {
    if (r.format.conversion != 'h') {
        return r.writingCharacters;
    }
    return kHexSeparators + (IsIPv6Kind(r.format) ? QStringLiteral(".") : QString()) + r.writingCharacters;
}

// The reading of a hex edit no column reads: an IPv6 address for the I6 kinds, else hex octets.
QsEditReading HexReading(const EditFormat& f, const QString& text) {
    const std::string typed = text.toStdString();
    if (IsIPv6Kind(f)) {
        const std::string v6 = qs::CanonicalIPv6Text(typed);
        return v6.empty() ? QsEditReading{{}, qs::IPv6AddressMessage()} : QsEditReading{v6, {}};
    }
    const std::optional<std::string> hex = qs::CanonicalHexText(typed);
    return hex ? QsEditReading{*hex, {}} : QsEditReading{{}, qs::HexWritingRefusal()};
}

// The length the auto-advance compares: hex digits for a hex edit (separators do not count).
int TypedLength(const EditFormat& f, const QString& text) {
    if (f.conversion != 'h') {
        return static_cast<int>(text.size());
    }
    return static_cast<int>(std::count_if(text.begin(), text.end(), IsHex));
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
    if ((f.lengthFlags & qs::LF_AUTO_ADVANCE) && f.length > 0 && TypedLength(f, edit->Text()) == f.length) {
        FocusNext();
    }
}

bool QsEditConstraint::TakesInsertion(TEdit* edit, const QString& text, int at, int count) const {
    const _EditConstraint_s* r = Find(edit);
    if (!r) {
        return true;
    }
    QString extra = ExtraCharacters(*r);
    if (r->format.exitCharacter) {
        extra += QLatin1Char(r->format.exitCharacter); // the change handler takes it out
    }
    const int bad = BadCharacter(r->format, text, extra, at);
    return bad < 0 || bad >= at + count;
}

bool QsEditConstraint::FilterKeystroke(TEdit* edit, const _EditConstraint_s& r, const QString& text) {
    const int bad = BadCharacter(r.format, text, ExtraCharacters(r));
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
    std::string refusal;
    const QString shown = Canonical(*r, text, &refusal);
    if (!refusal.empty()) {
        Fail(edit, refusal);
        return;
    }
    r = Find(edit); // showing the text ran the edit's own change handler
    if (!r) {
        return;
    }
    if (r->format.useValidator && r->validator) {
        if (!r->validator(edit)) {
            Refuse(edit); // the validator showed its own message
            return;
        }
    } else {
        bool own = false;
        const std::string message = Check(*r, shown, &own);
        if (own || !message.empty()) {
            own ? Refuse(edit) : Fail(edit, message);
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
        r->lastValidText = edit->Text();
    }
}

QString QsEditConstraint::Canonical(_EditConstraint_s& r, const QString& text, std::string* refusal) {
    QsEditReading reading;
    if (r.writing) {
        reading = r.writing(qs::QStringToBytes(text));
    } else if (r.format.conversion == 'h') {
        reading = HexReading(r.format, text);
    } else {
        return text;
    }
    if (!reading.refusal.empty()) {
        // A text the format alone takes is the format's to judge; one that holds a character only
        // the writings need is refused here, with the column's reason.
        if (BadCharacter(r.format, text) >= 0) {
            *refusal = reading.refusal;
        }
        return text;
    }
    const QString canonical = qs::BytesToQString(reading.text);
    if (canonical != text && BadCharacter(r.format, canonical, ExtraCharacters(r)) < 0) {
        QPointer<TEdit> edit = r.edit;
        edit->SetText(canonical);
        return edit ? canonical : text;
    }
    return canonical;
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
