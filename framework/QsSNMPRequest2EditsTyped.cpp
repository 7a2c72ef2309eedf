// What a person typed, checked before it is read for a write: every edit a user can type into
// must hold a value of its column (the edit format's checks, then the column's type and range),
// and a choice box shown for a write must hold a choice. A refusal stops the write before any PDU:
// a message box names the field, the focus returns to it, and the status line says why.
#include "Application.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "InputError.h"
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

void QsSNMPRequest2Edits::CheckTyped(const _ControlAssociation_s& a) {
    if (ConvertsOwnText(a.VarIndex)) {
        return;
    }
    TComponent* first = a.Controls.front();
    if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        if (combo->ItemIndex() < 0 && combo->isVisibleTo(combo->window())) {
            throw qs::EInputError(FieldName(a.VarIndex), qs::NoChoiceRefusal(), combo);
        }
        return;
    }
    auto* edit = dynamic_cast<TEdit*>(first);
    if (!IsTyped(edit)) {
        return;
    }
    if (a.ControlCount() > 1) {
        std::vector<std::string> texts;
        for (TComponent* c : a.Controls) {
            auto* e = dynamic_cast<TEdit*>(c);
            texts.push_back(e ? e->Text().toStdString() : std::string());
        }
        if (const auto refusal = qs::RefuseTypedGroup(texts, a.PartSyntax)) {
            auto* bad = dynamic_cast<TEdit*>(a.Controls[static_cast<std::size_t>(refusal->edit)]);
            throw qs::EInputError(FieldName(a.VarIndex), refusal->message, bad);
        }
        return;
    }
    CheckTypedEdit(a, edit);
}

void QsSNMPRequest2Edits::CheckTypedEdit(const _ControlAssociation_s& a, TEdit* edit) {
    const std::string text = edit->Text().toStdString();
    if (!text.empty() && text == Request.List.GetVar(a.VarIndex)->Value) {
        return; // the selected row's own value, as the program showed it
    }
    const _EditConstraint_s* record = Constraint.Find(edit);
    qs::TypedField field;
    field.syntax = a.PartSyntax;
    field.options = OptionsOf(a);
    field.format = record ? &record->format : nullptr;
    field.keyRoom = KeyRoom(a.VarIndex);
    field.key = field.keyRoom > 0;
    const std::string message = qs::RefuseTypedText(text, field);
    if (!message.empty()) {
        throw qs::EInputError(FieldName(a.VarIndex), message, edit);
    }
    if (record && record->format.useValidator && record->validator && !record->validator(edit)) {
        throw qs::EInputError(FieldName(a.VarIndex), " Please enter a valid value!", edit, true);
    }
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

// A text column without a size of its own in its format takes the default size.
void QsSNMPRequest2Edits::LimitTextLength(int varIndex, const std::vector<TEdit*>& edits) {
    const std::uint32_t syntax = Request.List.GetVar(varIndex)->Syntax;
    if (edits.size() != 1 || edits[0]->MaxLength() > 0) {
        return;
    }
    if (syntax == SYN_DISPLAYSTR) {
        edits[0]->SetMaxLength(qs::kDefaultStringSize);
    } else if (syntax == SYN_OCTETSTR || syntax == SYN_BITSTR || syntax == SYN_OPAQUE) {
        edits[0]->SetMaxLength(2 * qs::kDefaultStringSize);
    }
}
