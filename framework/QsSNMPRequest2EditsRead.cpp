// Bound controls to value texts. Every value passes through its byte form, so reading a control
// normalises it (an integer edit holding 007 gives 7).
#include "ByteQStrings.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "EditGroups.h"
#include "Exceptions.h"
#include "Label.h"
#include "PortListTexts.h"
#include "QsByteForms.h"
#include "QsSNMPRequest2Edits.h"
#include "RadioGroup.h"
#include "SnmpErrors.h"
#include "StaticText.h"
#include "TypedText.h"

#include <algorithm>

namespace {

// The bytes the value has now: the base that parts are copied into. An emptied value has none.
QsOctets CurrentBytes(const std::string& text, std::uint32_t syntax) {
    return text.empty() ? QsOctets() : TextToOctets(text, syntax);
}

QsOctets BitBytes(const _ControlAssociation_s& a) {
    QsOctets bytes;
    for (int i = 0; i < a.ControlCount(); ++i) {
        const int bit = a.BitPositions[static_cast<std::size_t>(i)];
        const auto byte = static_cast<std::size_t>(bit / 8);
        if (bytes.size() <= byte) {
            bytes.resize(byte + 1, 0);
        }
        const auto* box = dynamic_cast<const TCheckBox*>(a.Controls[static_cast<std::size_t>(i)]);
        const auto mask = static_cast<std::uint8_t>(0x80 >> (bit % 8));
        bytes[byte] =
            static_cast<std::uint8_t>(box && box->Checked() ? bytes[byte] | mask : bytes[byte] & ~mask);
    }
    return bytes;
}

bool IsReadKind(TComponent* c) {
    return dynamic_cast<TLabel*>(c) || dynamic_cast<TStaticText*>(c) || dynamic_cast<TCheckBox*>(c) ||
           dynamic_cast<TComboBox*>(c) || dynamic_cast<TRadioGroup*>(c) || dynamic_cast<TEdit*>(c);
}

// Values of any length, where a shorter text would leave the tail of the bytes the value had.
bool IsByteStringSyntax(std::uint32_t syntax) {
    return syntax == SYN_OBJECTID || syntax == SYN_BITSTR || syntax == SYN_OCTETSTR || syntax == SYN_OPAQUE ||
           syntax == SYN_MACADDRESS || syntax == SYN_IPV6ADDRESS;
}

// A control that shows a whole byte string (not bits of it) gives the value alone: what it holds
// is never merged into the bytes the value had (an OID "1.3" over 1.3.6.1 stays 1.3).
bool HoldsWholeValue(const _ControlAssociation_s& a, const QsSNMPVar& var) {
    return IsByteStringSyntax(var.Syntax) && a.Position == 0 && a.PartSyntax == var.Syntax &&
           a.BitPositions.empty() && !a.Controls.empty() && IsReadKind(a.Controls.front());
}

// A binding of the variable's whole value (not a part or bits of it).
bool IsWhole(const _ControlAssociation_s& a, const QsSNMPVar& var) {
    return a.Position == 0 && a.PartSyntax == var.Syntax && a.BitPositions.empty();
}

std::string Text(const QString& s) {
    return qs::QStringToBytes(s);
}

} // namespace

// A refused input is shown here, once, whoever reads the controls; the write it belongs to stops.
void QsSNMPRequest2Edits::ReadControls(int varIndex) {
    try {
        for (int v = 0; v < Request.List.GetCount(); ++v) {
            if ((varIndex == -1 || v == varIndex) && Request.List.IsWritable(v)) {
                ReadVariable(v);
            }
        }
    } catch (const qs::EInputError& e) {
        RefuseInput(e);
        throw;
    }
}

void QsSNMPRequest2Edits::ReadVariable(int v) {
    std::vector<_ControlAssociation_s*> mine;
    for (const auto& a : Associations) {
        if (a->VarIndex == v) {
            mine.push_back(a.get());
        }
    }
    if (mine.empty()) {
        return; // a variable without controls keeps its value text
    }
    QsSNMPVar& var = *Request.List.GetVar(v);
    const bool replaced =
        std::any_of(mine.begin(), mine.end(), [&var](const auto* a) { return HoldsWholeValue(*a, var); });
    const std::string text = var.OptionList ? var.OptionList->TextToValue(var.Value) : var.Value;
    QsOctets whole = var.Syntax == SYN_DISPLAYSTR || replaced ? QsOctets() : CurrentBytes(text, var.Syntax);
    for (_ControlAssociation_s* a : mine) {
        std::optional<std::string> typed;
        const QsOctets part = ReadPart(*a, &typed);
        if (typed && mine.size() == 1 && IsWhole(*a, var)) {
            var.Value = *typed; // what the parse took is what the SET sends
            return;
        }
        const auto at = static_cast<std::size_t>(a->Position);
        if (whole.size() < at + part.size()) {
            whole.resize(at + part.size(), 0);
        }
        std::copy(part.begin(), part.end(), whole.begin() + static_cast<std::ptrdiff_t>(at));
    }
    const std::string value = OctetsToText(whole, var.Syntax);
    var.Value = var.OptionList ? var.OptionList->ValueToText(value) : value;
}

QsOctets QsSNMPRequest2Edits::ReadPart(_ControlAssociation_s& a, std::optional<std::string>* typed) {
    if (a.Controls.empty()) {
        return {};
    }
    TComponent* first = a.Controls.front();
    if (dynamic_cast<TCheckBox*>(first) && !a.BitPositions.empty()) {
        return BitBytes(a);
    }
    if (!IsReadKind(first)) {
        return {}; // other kinds are not read and contribute nothing
    }
    *typed = CheckTyped(a);
    std::string part = *typed ? **typed : ReadPartText(a);
    if (const QsOptionList* options = OptionsOf(a)) {
        part = options->TextToValue(part);
    }
    return TextToOctets(part, a.PartSyntax);
}

std::string QsSNMPRequest2Edits::ReadPartText(_ControlAssociation_s& a) {
    TComponent* first = a.Controls.front();
    const QsOptionList* options = OptionsOf(a);
    if (auto* label = dynamic_cast<TLabel*>(first)) {
        return Text(label->Caption());
    }
    if (auto* st = dynamic_cast<TStaticText*>(first)) {
        return Text(st->Caption());
    }
    if (auto* box = dynamic_cast<TCheckBox*>(first)) {
        if (options) {
            const int entry = box->Checked() ? 1 : 0;
            if (entry >= options->GetCount()) {
                throw EListError::OutOfBounds(entry);
            }
            return options->GetOption(entry).text;
        }
        if (a.PartSyntax != SYN_BOOLEAN && a.PartSyntax != SYN_BOOL8 && a.PartSyntax != SYN_BOOL16) {
            qs::RaiseFrameworkError(qs::err::BindSyntax);
        }
        return box->Checked() ? "true" : "false";
    }
    if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        if (combo->ItemIndex() < 0) { // never send a value the user did not choose
            qs::RaiseFrameworkError(qs::err::BindValue);
        }
        return Text(combo->Text());
    }
    if (auto* radio = dynamic_cast<TRadioGroup*>(first)) {
        return Text(radio->SelectedText());
    }
    if (auto* edit = dynamic_cast<TEdit*>(first)) {
        if (a.ControlCount() == 1) {
            return ReadEditText(a, edit);
        }
        std::vector<std::string> texts;
        for (TComponent* c : a.Controls) {
            auto* e = dynamic_cast<TEdit*>(c);
            texts.push_back(e ? Text(e->Text()) : std::string());
        }
        return qs::EditGroupRead(qs::TypedGroupTexts(texts), a.PartSyntax);
    }
    return {};
}

// A bit-list edit is read into a map as wide as the value it showed; a port text that cannot be
// read, or that no known width can hold, is an input error rather than an empty or stale map.
std::string QsSNMPRequest2Edits::ReadEditText(_ControlAssociation_s& a, TEdit* edit) {
    const std::string typed = Text(edit->Text());
    const QsSNMPVar& var = *Request.List.GetVar(a.VarIndex);
    if (var.Syntax != SYN_BITLIST || a.PartSyntax != SYN_BITLIST) {
        return typed;
    }
    qs::TypedField field;
    field.syntax = SYN_BITLIST;
    field.portTemplate = PortTemplate(a, typed);
    const qs::TypedValue value = qs::ParseTypedText(typed, field);
    if (!value.Taken()) {
        throw qs::EInputError(FieldName(a.VarIndex), value.refusal, edit);
    }
    return value.text;
}
