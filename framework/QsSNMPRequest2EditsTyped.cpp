// What a person typed, checked before it is read for a write: every edit a user can type into
// must hold a value of its column (the edit format's checks, then the column's type and range),
// and a choice box shown for a write must hold a choice. A refusal stops the write before any PDU:
// a message box names the field, the focus returns to it, and the status line says why.
#include "Application.h"
#include "ByteQStrings.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "InputError.h"
#include "PortListTexts.h"
#include "QsByteForms.h"
#include "QsSNMPRequest2Edits.h"
#include "TypedText.h"

#include <algorithm>

namespace {

// A read-only edit, or one its window does not show, holds what the program put there, not what
// someone typed.
bool IsTyped(const TEdit* edit) {
    return edit != nullptr && !edit->ReadOnly() && edit->isVisibleTo(edit->window());
}

int SubIdCount(const std::string& oid) {
    return static_cast<int>(std::count(oid.begin(), oid.end(), '.')) + 1;
}

} // namespace

// The variable's name as its caption shows it, without trailing blanks.
std::string QsSNMPRequest2Edits::FieldName(int varIndex) const {
    const std::string& name = Request.List.GetVar(varIndex)->Name;
    const std::size_t end = name.find_last_not_of(' ');
    return name.substr(0, end == std::string::npos ? 0 : end + 1);
}

// The sub-identifiers a row's instance leaves key varIndex: 128 less the longest column OID
// and one for each other key; 0 for a variable that is no key.
int QsSNMPRequest2Edits::KeyRoom(int varIndex) const {
    const QsSNMPVarList& list = Request.List;
    if (!list.IsTable() || varIndex >= list.PKeyCount) {
        return 0;
    }
    int longest = 0;
    for (int i = list.PKeyCount; i < list.GetCount(); ++i) {
        longest = std::max(longest, SubIdCount(list.GetVar(i)->Oid));
    }
    return std::max(1, 128 - longest - (list.PKeyCount - 1));
}

std::optional<std::string> QsSNMPRequest2Edits::CheckTyped(const _ControlAssociation_s& a) {
    if (ConvertsOwnText(a.VarIndex)) {
        return std::nullopt;
    }
    TComponent* first = a.Controls.front();
    if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        if (combo->ItemIndex() < 0 && combo->isVisibleTo(combo->window())) {
            throw qs::EInputError(FieldName(a.VarIndex), qs::NoChoiceRefusal(), combo);
        }
        return std::nullopt;
    }
    auto* edit = dynamic_cast<TEdit*>(first);
    if (!IsTyped(edit)) {
        return std::nullopt;
    }
    if (a.ControlCount() > 1) {
        std::vector<std::string> texts;
        for (TComponent* c : a.Controls) {
            auto* e = dynamic_cast<TEdit*>(c);
            texts.push_back(e ? qs::QStringToBytes(e->Text()) : std::string());
        }
        if (const auto refusal = qs::RefuseTypedGroup(texts, a.PartSyntax)) {
            auto* bad = dynamic_cast<TEdit*>(a.Controls[static_cast<std::size_t>(refusal->edit)]);
            throw qs::EInputError(FieldName(a.VarIndex), refusal->message, bad);
        }
        return std::nullopt;
    }
    return CheckTypedEdit(a, edit);
}

qs::TypedField QsSNMPRequest2Edits::FieldOf(int varIndex, const _EditConstraint_s* record) const {
    const QsSNMPVar& var = *Request.List.GetVar(varIndex);
    qs::TypedField field;
    field.syntax = var.Syntax;
    field.options = var.OptionList;
    field.format = record ? &record->format : nullptr;
    field.keyRoom = KeyRoom(varIndex);
    field.key = field.keyRoom > 0;
    return field;
}

// The width of the map a port-list edit is read into: the value it showed, else the widest map
// it was shown with, else as wide as the text needs.
std::string QsSNMPRequest2Edits::PortTemplate(const _ControlAssociation_s& a,
                                              const std::string& typed) const {
    const QsSNMPVar& var = *Request.List.GetVar(a.VarIndex);
    std::string templ = qs::IsValueMarker(var.Value) ? std::string() : var.Value;
    if (templ.empty()) {
        templ = a.PortTemplate.empty() ? qs::PortTemplateFor(typed) : a.PortTemplate;
    }
    return templ;
}

// The canonical text of the value the edit holds; the selected row's own value, as the program
// showed it, is never refused (a value the rule would refuse is read as before).
std::optional<std::string> QsSNMPRequest2Edits::CheckTypedEdit(const _ControlAssociation_s& a, TEdit* edit) {
    const std::string text = qs::QStringToBytes(edit->Text());
    const _EditConstraint_s* record = Constraint.Find(edit);
    qs::TypedField field = FieldOf(a.VarIndex, record);
    field.syntax = a.PartSyntax;
    field.options = OptionsOf(a);
    if (field.syntax == SYN_BITLIST) {
        field.portTemplate = PortTemplate(a, text);
    }
    const qs::TypedValue typed = qs::ParseTypedText(text, field);
    if (!text.empty() && text == Request.List.GetVar(a.VarIndex)->Value) {
        return typed.Taken() && !typed.marker ? std::optional<std::string>(typed.text) : std::nullopt;
    }
    if (!typed.Taken()) {
        throw qs::EInputError(FieldName(a.VarIndex), typed.refusal, edit);
    }
    if (record && record->format.useValidator && record->validator && !record->validator(edit)) {
        throw qs::EInputError(FieldName(a.VarIndex), " Please enter a valid value!", edit, true);
    }
    return typed.marker ? std::nullopt : std::optional<std::string>(typed.text);
}

void QsSNMPRequest2Edits::RefuseInput(const qs::EInputError& e) {
    TWinControl* parent = Constraint.Owner() ? Constraint.Owner() : Owner;
    if (!e.Shown()) {
        MessageBox(parent ? parent->Widget() : nullptr, QString::fromStdString(e.what()), Application->Title,
                   MB_OK);
    }
    if (TWinControl* control = e.Control()) {
        control->SetFocus();
    }
    LastOperation = 1;
    ShowStatus(e.what());
}

namespace {

// The characters writings of the syntax need beyond an edit format's own.
QString WritingCharacters(std::uint32_t syntax) {
    switch (syntax) {
    case SYN_MACADDRESS:
        return QStringLiteral(":-.");
    case SYN_IPV6ADDRESS:
    case SYN_INETADDRESS:
        return QStringLiteral(":.");
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GUAGE:
    case SYN_UINTEGER:
    case SYN_COUNTER64:
        return QStringLiteral("+ ");
    default:
        return {};
    }
}

// The longest writing of an address: an IPv6 text with an IPv4 tail, a MAC in pairs.
constexpr int kLongestIPv6 = 45;
constexpr int kLongestMac = 17;
// A date-time with leading zeros and an offset: 2007-05-26,15:30:15.0,+08:00.
constexpr int kLongestDateTime = 28;

} // namespace

void QsSNMPRequest2Edits::SetWriting(int varIndex, TEdit* edit) {
    const std::uint32_t syntax = Request.List.GetVar(varIndex)->Syntax;
    if (syntax == SYN_BITLIST) {
        return; // the edit shows ports, the value is their map
    }
    Constraint.SetWriting(
        edit,
        [this, varIndex, edit](const std::string& typed) {
            if (varIndex >= Request.List.GetCount() || Request.List.GetVar(varIndex)->Syntax == SYN_BITLIST) {
                return QsEditReading{typed, {}}; // the list changed under the edit: read where it is read
            }
            const qs::TypedValue value = qs::ParseTypedText(typed, FieldOf(varIndex, Constraint.Find(edit)));
            return QsEditReading{value.marker ? typed : value.text, value.refusal};
        },
        WritingCharacters(syntax));
}

// A single edit takes its column's writings; a text column without a size of its own in its
// format takes the default size. The size a format gives counts the canonical text (hex digits,
// 12 for a MAC, 32 for IPv6): the edit leaves room for the separators of the writings it takes.
void QsSNMPRequest2Edits::LimitTextLength(int varIndex, const std::vector<TEdit*>& edits) {
    const std::uint32_t syntax = Request.List.GetVar(varIndex)->Syntax;
    if (edits.size() != 1) {
        return;
    }
    SetWriting(varIndex, edits[0]);
    const int room = edits[0]->MaxLength();
    const _EditConstraint_s* record = Constraint.Find(edits[0]);
    const bool hexFormat = record != nullptr && record->format.conversion == 'h'; // room for pairs already
    if (syntax == SYN_DISPLAYSTR && room == 0) {
        edits[0]->SetMaxLength(qs::kDefaultStringSize);
    } else if (syntax == SYN_OCTETSTR || syntax == SYN_BITSTR || syntax == SYN_OPAQUE) {
        if (room == 0 || !hexFormat) {
            edits[0]->SetMaxLength(qs::HexTextRoom(room == 0 ? 2 * qs::kDefaultStringSize : room));
        }
    } else if ((syntax == SYN_IPV6ADDRESS || syntax == SYN_INETADDRESS) && room > 0) {
        edits[0]->SetMaxLength(std::max(room, kLongestIPv6));
    } else if (syntax == SYN_MACADDRESS && room > 0) {
        edits[0]->SetMaxLength(std::max(room, kLongestMac));
    } else if (syntax == SYN_DATETIME && room > 0) {
        edits[0]->SetMaxLength(std::max(room, kLongestDateTime));
    }
}
