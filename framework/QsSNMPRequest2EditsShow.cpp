// Value texts to bound controls.
#include "ByteQStrings.h"
#include "CheckBox.h"
#include "ControlChoosers.h"
#include "EditGroups.h"
#include "Label.h"
#include "PortListTexts.h"
#include "QsByteForms.h"
#include "QsSNMPRequest2Edits.h"
#include "SnmpErrors.h"
#include "StaticText.h"

namespace {

bool IsFlagSyntax(std::uint32_t syntax) {
    return syntax == SYN_BOOLEAN || syntax == SYN_BOOL8 || syntax == SYN_BOOL16;
}

// A box without bits: checked for every option but the first; unknown texts leave it unchecked.
bool CheckedFor(const QsOptionList* options, std::uint32_t syntax, const std::string& text) {
    if (!options) {
        if (!IsFlagSyntax(syntax)) {
            qs::RaiseFrameworkError(qs::err::BindSyntax);
        }
        return text == "true";
    }
    int index = options->IndexOfText(text);
    if (index < 0) {
        index = options->IndexOfValue(text);
    }
    return index > 0;
}

QString Q(const std::string& s) {
    return qs::BytesToQString(s);
}

} // namespace

void QsSNMPRequest2Edits::ShowValues(int varIndex) {
    for (std::size_t i = 0; i < Associations.size(); ++i) {
        _ControlAssociation_s& a = *Associations[i];
        if ((varIndex == -1 || a.VarIndex == varIndex) &&
            (Request.List.GetVar(a.VarIndex)->Access & ACC_INVALID) == 0) {
            ShowAssociation(a);
        }
    }
}

// The bytes are computed only where bits, parts or edit groups use them, so a text without a
// byte form (a date-time marker) still shows in a single edit.
void QsSNMPRequest2Edits::ShowAssociation(_ControlAssociation_s& a) {
    if (a.Controls.empty()) {
        return;
    }
    const QsSNMPVar& var = *Request.List.GetVar(a.VarIndex);
    std::string text = var.OptionList ? var.OptionList->TextToValue(var.Value) : var.Value;
    const bool whole = a.Position == 0 && a.PartSyntax == var.Syntax;
    QsOctets bytes;
    const bool needBytes = !whole || !a.BitPositions.empty() || a.ControlCount() > 1;
    if (needBytes) {
        bytes = TextToOctets(text, var.Syntax);
    }
    if (!whole) {
        bytes = ExtractPart(bytes, a.Position, a.PartSyntax);
        text = OctetsToText(bytes, a.PartSyntax);
    }
    if (const QsOptionList* options = OptionsOf(a)) {
        text = options->ValueToText(text);
    }
    ShowWhole(a, bytes, text);
}

void QsSNMPRequest2Edits::ShowWhole(_ControlAssociation_s& a, const QsOctets& bytes,
                                    const std::string& text) {
    TComponent* first = a.Controls.empty() ? nullptr : a.Controls.front();
    if (auto* label = dynamic_cast<TLabel*>(first)) {
        label->SetCaption(Q(text));
    } else if (auto* st = dynamic_cast<TStaticText*>(first)) {
        st->SetCaption(Q(text));
    } else if (dynamic_cast<TCheckBox*>(first) && !a.BitPositions.empty()) {
        ShowBits(a, bytes);
    } else if (auto* box = dynamic_cast<TCheckBox*>(first)) {
        box->SetChecked(CheckedFor(OptionsOf(a), a.PartSyntax, text));
    } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        qs::ComboChooser chooser(*combo);
        OptionsOf(a)->SelectComboItem(chooser, text);
    } else if (auto* radio = dynamic_cast<TRadioGroup*>(first)) {
        qs::RadioChooser chooser(*radio);
        OptionsOf(a)->SelectRadioItem(chooser, text);
    } else if (dynamic_cast<TEdit*>(first)) {
        ShowEdits(a, bytes, text);
    } else {
        qs::RaiseFrameworkError(qs::err::BindControlType);
    }
}

void QsSNMPRequest2Edits::ShowBits(const _ControlAssociation_s& a, const QsOctets& bytes) {
    for (int i = 0; i < a.ControlCount(); ++i) {
        auto* box = dynamic_cast<TCheckBox*>(a.Controls[static_cast<std::size_t>(i)]);
        const int bit = a.BitPositions[static_cast<std::size_t>(i)];
        const auto byte = static_cast<std::size_t>(bit / 8);
        if (bit < 0 || byte >= bytes.size()) {
            qs::RaiseFrameworkError(qs::err::BindIndex);
        }
        if (!box) {
            continue;
        }
        const bool enabled = box->Enabled();
        box->SetEnabled(true);
        box->SetChecked(((bytes[byte] >> (7 - bit % 8)) & 1) != 0);
        box->SetEnabled(enabled);
    }
}

void QsSNMPRequest2Edits::ShowEdits(_ControlAssociation_s& a, const QsOctets& bytes,
                                    const std::string& text) {
    const QsSNMPVar& var = *Request.List.GetVar(a.VarIndex);
    if (a.ControlCount() == 1) {
        auto* edit = dynamic_cast<TEdit*>(a.Controls.front());
        if (var.Syntax == SYN_BITLIST && !qs::IsValueMarker(var.Value)) {
            if (!var.Value.empty()) {
                a.PortTemplate = std::string(var.Value.size(), '0');
            }
            edit->SetText(Q(BitListToPortText(var.Value, false)));
        } else {
            edit->SetText(Q(text));
        }
        return;
    }
    if (text == qs::kNullText) {
        return;
    }
    const auto shown = qs::EditGroupShow(bytes, text, a.PartSyntax, a.ControlCount());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (auto* edit = dynamic_cast<TEdit*>(a.Controls[i]); edit && shown[i]) {
            edit->SetText(Q(*shown[i]));
        }
    }
}
