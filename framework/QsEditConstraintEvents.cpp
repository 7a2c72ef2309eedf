// The two event handlers of the edit constraint: the keystroke filter on change and the check
// on exit.
#include "AddressValidators.h"
#include "Application.h"
#include "Dialogs.h"
#include "MessageTable.h"
#include "QsEditConstraint.h"
#include "QsNumList.h"
#include "TextUtils.h"

#include <cmath>
#include <cstdlib>

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

// The leading decimal real of the text (sign, digits, fraction); 0 when it starts with none.
double LeadingReal(const QString& text) {
    const std::string s = text.toStdString();
    std::size_t n = 0;
    if (n < s.size() && (s[n] == '-' || s[n] == '+')) {
        ++n;
    }
    const std::size_t digits = n;
    while (n < s.size() && (std::isdigit(static_cast<unsigned char>(s[n])) || s[n] == '.')) {
        ++n;
    }
    return n == digits ? 0.0 : std::strtod(s.substr(0, n).c_str(), nullptr);
}

// A bound cut toward zero and taken as an unsigned 32-bit value.
unsigned AsUnsigned(double v) {
    const double t = std::fmod(std::trunc(v), 4294967296.0);
    return static_cast<unsigned>(static_cast<long long>(t < 0 ? t + 4294967296.0 : t));
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
    const std::string len = std::to_string(f.length);
    switch (f.conversion) {
    case 'f':
    case 'i':
    case 'u': {
        const double v = LeadingReal(text);
        if (v < f.minimum || v > f.maximum) {
            return qs::FillPlaceholders(
                Entry(8), {{qs::kMin, qs::FormatBound(f.minimum)}, {qs::kMax, qs::FormatBound(f.maximum)}});
        }
        return {};
    }
    case 'n':
        return CheckItems(f, text);
    default:
        break;
    }
    if (f.addressKind != qs::AK_NONE) {
        const int entry = CheckAddress(r.edit, f.addressKind, shown);
        return entry > 0 ? qs::FillPlaceholders(Entry(entry), {{qs::kMaxLen, len}}) : std::string();
    }
    const bool hex = f.conversion == 'h';
    if (f.length > 0 && (f.lengthFlags & qs::LF_FIXED) && text.size() != f.length) {
        return qs::FillPlaceholders(Entry(hex ? 7 : 5), {{qs::kLen, len}});
    }
    if (f.length > 0 && !(f.lengthFlags & qs::LF_FIXED) && text.size() > f.length) {
        return qs::FillPlaceholders(Entry(hex ? 6 : 4), {{qs::kMaxLen, len}});
    }
    return {};
}

int QsEditConstraint::CheckAddress(TEdit* edit, unsigned char kind, bool* shown) {
    switch (kind) {
    case qs::AK_IPV4:
        *shown = !IsValidIPv4Control(edit); // that check shows its own message
        return 0;
    case qs::AK_MULTICAST_IPV4:
        return IsMulticastIPv4Control(edit) ? 0 : 20;
    case qs::AK_IPV6:
        return IsIPv6HexControl(edit) ? 0 : 21;
    case qs::AK_MULTICAST_IPV6:
        return IsMulticastIPv6Control(edit) ? 0 : 22;
    case qs::AK_MAC:
        return IsValidMacControl(edit) ? 0 : 23;
    case qs::AK_MULTICAST_MAC:
        return IsValidMacControl(edit) && IsMulticastMacControl(edit) ? 0 : 24;
    case qs::AK_UNICAST_MAC:
        return IsValidMacControl(edit) && IsUnicastMacControl(edit) ? 0 : 25;
    default:
        return 0;
    }
}

std::string QsEditConstraint::CheckItems(const EditFormat& f, const QString& text) {
    QsNumList<unsigned> list;
    list.Delimiter = f.delimiter;
    list.Parse(text.toStdString());
    const std::string delimiter(1, f.delimiter);
    const std::string len = std::to_string(f.length);
    if (f.length > 0 && (f.lengthFlags & qs::LF_FIXED) && list.GetCount() != f.length) {
        return qs::FillPlaceholders(Entry(10), {{qs::kDelimiter, delimiter}, {qs::kCount, len}});
    }
    if (f.length > 0 && !(f.lengthFlags & qs::LF_FIXED) && list.GetCount() > f.length) {
        return qs::FillPlaceholders(Entry(9), {{qs::kDelimiter, delimiter}, {qs::kMaxCount, len}});
    }
    const unsigned min = AsUnsigned(f.minimum);
    const unsigned max = AsUnsigned(f.maximum);
    if (!list.AllInRange(min, max)) {
        return qs::FillPlaceholders(
            Entry(11),
            {{qs::kDelimiter, delimiter}, {qs::kMin, std::to_string(min)}, {qs::kMax, std::to_string(max)}});
    }
    return {};
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
