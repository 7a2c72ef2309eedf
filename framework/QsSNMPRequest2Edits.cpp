#include "QsSNMPRequest2Edits.h"

#include "Application.h"
#include "CheckBox.h"
#include "ControlChoosers.h"
#include "Exceptions.h"
#include "Form.h"
#include "Label.h"
#include "QsNumList.h"
#include "SnmpErrors.h"
#include "StaticText.h"

#include <algorithm>

namespace {

// Conversions of an edit format that take an edit each: "%" and one of s, h, i, u, f, n.
int CountEditConversions(const std::string& format) {
    int count = 0;
    std::size_t at = format.find('%');
    while (at != std::string::npos && at + 1 < format.size()) {
        if (std::string("shiufn").find(format[at + 1]) != std::string::npos) {
            ++count;
        }
        at = format.find('%', at + 2);
    }
    return count;
}

std::vector<int> ParsePositions(const std::string& positions) {
    QsNumList<int> list;
    list.Delimiter = ',';
    list.Parse(positions);
    return list.Items();
}

} // namespace

QsSNMPRequest2Edits::QsSNMPRequest2Edits(TForm* owner)
    : QsSNMPRequest2Controls(owner), Constraint(owner, true) {}

QsSNMPRequest2Edits::~QsSNMPRequest2Edits() {
    // Controls that outlive the request get their own handlers back, so none calls into it.
    for (const auto& a : Associations) {
        for (int i = 0; i < a->ControlCount(); ++i) {
            if (a->Alive[static_cast<std::size_t>(i)]) {
                UnhookControl(*a, i);
            }
        }
    }
    if (ListView && listViewAlive_) {
        ListView->OnSelectItem = SavedOnSelectItem;
    }
}

// A list view bound before gets its own handler back, so none calls into this request later.
void QsSNMPRequest2Edits::BindListView(TListView* listView, bool enableOnSelect) {
    if (ListView && listViewAlive_ && ListView != listView) {
        ListView->OnSelectItem = SavedOnSelectItem;
    }
    columnVars_.clear();
    ListView = listView;
    listViewAlive_ = listView;
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    SavedOnSelectItem = listView->OnSelectItem;
    listView->OnSelectItem = [this](TObject* s, TListItem* item, bool selected) {
        OnSelectItem(s, item, selected);
    };
    EnableOnSelect = enableOnSelect;
    EnsureColumns();
}

void QsSNMPRequest2Edits::BindLabel(int varIndex, TLabel* label) {
    AddAssociation(varIndex, label, 0);
}

void QsSNMPRequest2Edits::BindStaticText(int varIndex, TStaticText* text) {
    AddAssociation(varIndex, text, 0);
}

void QsSNMPRequest2Edits::BindComponent(int varIndex, TComponent* control) {
    AddAssociation(varIndex, control, 0);
}

void QsSNMPRequest2Edits::BindComboBox(int varIndex, TComboBox* combo) {
    combo->SetStyle(csDropDownList);
    AddAssociation(varIndex, combo, 0);
}

void QsSNMPRequest2Edits::BindEdits(int varIndex, const std::string& format,
                                    const std::vector<TEdit*>& edits) {
    const auto count = static_cast<std::size_t>(CountEditConversions(format));
    if (edits.size() < count) {
        qs::RaiseFrameworkError(qs::err::BindControlCount);
    }
    const std::vector<TEdit*> taken(edits.begin(), edits.begin() + static_cast<std::ptrdiff_t>(count));
    Constraint.AttachMany(format, taken);
    LimitTextLength(varIndex, taken);
    AddAssociationList(varIndex, std::vector<TComponent*>(taken.begin(), taken.end()));
}

void QsSNMPRequest2Edits::BindEditWithValidator(int varIndex, const std::string& format, TEdit* edit,
                                                QsEditValidator validator) {
    Constraint.AttachManyWithValidator(format, {edit}, validator);
    LimitTextLength(varIndex, {edit});
    AddAssociationList(varIndex, {edit});
}

void QsSNMPRequest2Edits::BindCheckBoxes(int varIndex, const std::string& positions,
                                         const std::vector<TCheckBox*>& boxes) {
    std::vector<TComponent*> controls(boxes.begin(), boxes.begin() + std::min<std::size_t>(boxes.size(), 8));
    AddAssociationParts(varIndex, positions, controls);
}

void QsSNMPRequest2Edits::BindControlList(int varIndex, const std::string& positions,
                                          const std::vector<TComponent*>& controls) {
    AddAssociationParts(varIndex, positions, controls);
}

void QsSNMPRequest2Edits::Unbind(int varIndex) {
    for (std::size_t i = Associations.size(); i-- > 0;) {
        if (Associations[i]->VarIndex == varIndex) {
            RemoveAssociation(i);
        }
    }
}

void QsSNMPRequest2Edits::EnableBoundControls(bool enable) {
    for (const auto& a : Associations) {
        for (TComponent* c : a->Controls) {
            if (auto* control = dynamic_cast<TControl*>(c)) {
                control->SetEnabled(enable);
            }
        }
    }
}

const QsOptionList* QsSNMPRequest2Edits::OptionsOf(const _ControlAssociation_s& a) const {
    if (a.OptionList || a.Position != 0 || a.PartSyntax != Request.List.GetVar(a.VarIndex)->Syntax) {
        return a.OptionList;
    }
    return Request.List.GetVar(a.VarIndex)->OptionList;
}

void QsSNMPRequest2Edits::AddAssociation(int varIndex, TComponent* control, int radioColumns) {
    auto a = std::make_unique<_ControlAssociation_s>();
    a->VarIndex = varIndex;
    a->PartSyntax = Request.List.GetVar(varIndex)->Syntax;
    a->Controls = {control};
    const QsOptionList* options = OptionsOf(*a);
    auto* combo = dynamic_cast<TComboBox*>(control);
    auto* radio = dynamic_cast<TRadioGroup*>(control);
    if ((combo || radio) && !options) {
        qs::RaiseFrameworkError(qs::err::BindNoOptions);
    }
    if (combo) {
        if (options->ValueType() == OVT_PREFIX) {
            qs::RaiseFrameworkError(qs::err::BindControlCount);
        }
        qs::ComboChooser chooser(*combo);
        options->FillComboBox(chooser);
    } else if (radio) {
        qs::RadioChooser chooser(*radio);
        options->FillRadioGroup(chooser);
        if (radioColumns > 0) {
            radio->SetColumns(radioColumns);
        }
    }
    Append(std::move(a));
}

void QsSNMPRequest2Edits::AddAssociationList(int varIndex, const std::vector<TComponent*>& controls) {
    auto a = std::make_unique<_ControlAssociation_s>();
    a->VarIndex = varIndex;
    a->PartSyntax = Request.List.GetVar(varIndex)->Syntax;
    a->Controls = controls;
    Append(std::move(a));
}

void QsSNMPRequest2Edits::AddAssociationParts(int varIndex, const std::string& positions,
                                              const std::vector<TComponent*>& controls) {
    auto a = std::make_unique<_ControlAssociation_s>();
    a->VarIndex = varIndex;
    a->PartSyntax = Request.List.GetVar(varIndex)->Syntax;
    a->BitPositions = ParsePositions(positions);
    if (controls.size() < a->BitPositions.size()) {
        throw EListError::OutOfBounds(static_cast<int>(controls.size()));
    }
    a->Controls.assign(controls.begin(),
                       controls.begin() + static_cast<std::ptrdiff_t>(a->BitPositions.size()));
    Append(std::move(a));
}

// A control bound again leaves its earlier binding: its saved handler would be this request's.
void QsSNMPRequest2Edits::Append(std::unique_ptr<_ControlAssociation_s> a) {
    for (std::size_t i = Associations.size(); i-- > 0;) {
        const auto& old = Associations[i]->Controls;
        if (std::any_of(a->Controls.begin(), a->Controls.end(),
                        [&](TComponent* c) { return std::find(old.begin(), old.end(), c) != old.end(); })) {
            RemoveAssociation(i);
        }
    }
    a->SavedHandlers.resize(a->Controls.size());
    for (TComponent* c : a->Controls) {
        a->Alive.emplace_back(c ? c->Object() : nullptr);
    }
    for (int i = 0; i < a->ControlCount(); ++i) {
        HookControl(*a, i);
    }
    Associations.push_back(std::move(a));
}

void QsSNMPRequest2Edits::RemoveAssociation(std::size_t i) {
    _ControlAssociation_s& a = *Associations[i];
    for (int k = 0; k < a.ControlCount(); ++k) {
        if (!a.Alive[static_cast<std::size_t>(k)]) {
            continue;
        }
        if (auto* edit = dynamic_cast<TEdit*>(a.Controls[static_cast<std::size_t>(k)])) {
            Constraint.Detach(edit);
        }
        UnhookControl(a, k);
    }
    Associations.erase(Associations.begin() + static_cast<std::ptrdiff_t>(i));
}

void QsSNMPRequest2Edits::HookControl(_ControlAssociation_s& a, int i) {
    TComponent* c = a.Controls[static_cast<std::size_t>(i)];
    TNotifyEvent& saved = a.SavedHandlers[static_cast<std::size_t>(i)];
    const TNotifyEvent forward = [this](TObject* sender) { OnControlChange(sender); };
    if (auto* combo = dynamic_cast<TComboBox*>(c)) {
        saved = std::exchange(combo->OnChange, forward);
    } else if (auto* radio = dynamic_cast<TRadioGroup*>(c)) {
        saved = std::exchange(radio->OnClick, forward);
    } else if (auto* box = dynamic_cast<TCheckBox*>(c)) {
        saved = std::exchange(box->OnClick, forward);
    }
}

void QsSNMPRequest2Edits::UnhookControl(_ControlAssociation_s& a, int i) {
    TComponent* c = a.Controls[static_cast<std::size_t>(i)];
    const TNotifyEvent& saved = a.SavedHandlers[static_cast<std::size_t>(i)];
    if (auto* combo = dynamic_cast<TComboBox*>(c)) {
        combo->OnChange = saved;
    } else if (auto* radio = dynamic_cast<TRadioGroup*>(c)) {
        radio->OnClick = saved;
    } else if (auto* box = dynamic_cast<TCheckBox*>(c)) {
        box->OnClick = saved;
    }
}

void QsSNMPRequest2Edits::OnControlChange(TObject* Sender) {
    std::vector<TNotifyEvent> handlers; // collected first: a handler may rebind controls
    for (const auto& a : Associations) {
        for (int i = 0; i < a->ControlCount(); ++i) {
            if (dynamic_cast<TObject*>(a->Controls[static_cast<std::size_t>(i)]) == Sender &&
                a->SavedHandlers[static_cast<std::size_t>(i)]) {
                handlers.push_back(a->SavedHandlers[static_cast<std::size_t>(i)]);
            }
        }
    }
    for (const TNotifyEvent& h : handlers) {
        h(Sender);
    }
}
