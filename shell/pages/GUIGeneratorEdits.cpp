// TEditsPanel: the editor grid, its layout, its access and Tag rules and its queries.

#include "Dialogs.h"
#include "Exceptions.h"
#include "GUIGenerator.h"
#include "PageLayout.h"
#include "QsSNMPRequest2Edits.h"

#include <algorithm>

namespace {
TEdit* EditOf(const UISnmpVar& item) {
    return dynamic_cast<TEdit*>(item.Control);
}
TComboBox* ComboOf(const UISnmpVar& item) {
    return dynamic_cast<TComboBox*>(item.Control);
}
void SetTextColour(QWidget* w, TColor colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, qs::ToQColor(colour));
    p.setColor(QPalette::ButtonText, qs::ToQColor(colour));
    w->setPalette(p);
}
} // namespace

TEditsPanel::TEditsPanel(TComponent* owner, QsSNMPRequest2Edits* request) : TPanel(owner), Request(request) {
    SetName(QStringLiteral("EditsPanel"));
    SetBevelOuter(bvNone);
    ScrollBox = new TScrollBox(this, this);
    ScrollBox->SetName(QStringLiteral("ScrollBox"));
    ScrollBox->SetAlign(alClient);
    if (Request) {
        BuildItems();
    }
    SetDisabledColors(clBlack, clBtnFace);
}

void TEditsPanel::BuildItems() {
    const QsSNMPVarList& list = Request->Request.List;
    Items.resize(static_cast<std::size_t>(list.GetCount()));
    for (int i = 0; i < list.GetCount(); ++i) {
        BuildItem(i);
    }
    ApplyAccess(false);
    LayoutItems(true);
}

void TEditsPanel::BuildItem(int i) {
    const QsSNMPVarList& list = Request->Request.List;
    const QsSNMPVar* var = list.GetVar(i);
    UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    const bool writable = list.IsWritable(i);
    const bool options = var->OptionList != nullptr;
    item.Kind = writable ? (options ? 3 : 2) : (options ? 4 : 1);
    item.Format = var->Syntax == SYN_IPADDRESS ? QStringLiteral("%s{I}") : QStringLiteral("%s");
    item.CheckBox = new TCheckBox(this, ScrollBox);
    item.CheckBox->SetName(QStringLiteral("SelectBox%1").arg(i));
    item.CheckBox->SetBounds(0, 0, 20, 17);
    item.CheckBox->Tag = i;
    item.CheckBox->OnClick = [this](TObject* s) { SelectBoxClick(s); };
    item.CheckBox->SetTabStop(false);
    item.Label = new TLabel(this, ScrollBox);
    item.Label->SetName(QStringLiteral("Caption%1").arg(i));
    item.Label->SetCaption(QString::fromStdString(var->Name));
    item.Label->Tag = i;
    if (item.Kind == 3) {
        auto* combo = new TComboBox(this, ScrollBox);
        combo->SetName(QStringLiteral("Value%1").arg(i));
        combo->SetBounds(0, 0, ValueWidth, 21);
        combo->Tag = 0;
        combo->OnChange = [this](TObject* s) { ComboChange(s); };
        item.Control = combo;
        Request->BindComboBox(i, combo);
    } else {
        auto* edit = new TEdit(this, ScrollBox);
        edit->SetName(QStringLiteral("Value%1").arg(i));
        edit->SetBounds(0, 0, ValueWidth, 21);
        edit->Tag = i;
        item.Control = edit;
        Request->BindEdits(i, item.Kind == 4 ? "%s" : item.Format.toStdString(), {edit});
    }
}

void TEditsPanel::SetDisabledColors(TColor fontColour, TColor backColour) {
    DisabledFontColor = fontColour;
    DisabledColor = backColour;
    for (int i = 0; i < ItemCount(); ++i) {
        if (IsReadOnlyItem(i)) {
            MakeItemReadOnly(i);
        }
    }
}

void TEditsPanel::ApplyAccess(bool tick) {
    DefaultTick = tick;
    for (int i = 0; i < ItemCount(); ++i) {
        if (IsReadOnlyItem(i) || IsKeyItem(i)) {
            MakeItemReadOnly(i);
        } else {
            MakeItemWritable(i);
        }
    }
}

void TEditsPanel::SetValueColours(int i, TColor font, TColor back) {
    const UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    if (TEdit* e = EditOf(item)) {
        e->SetFontColor(font);
        e->SetColor(back);
    } else if (TComboBox* c = ComboOf(item)) {
        SetTextColour(c, font);
        c->SetColor(back);
    }
}

void TEditsPanel::MakeItemReadOnly(int i) {
    if (i < 0 || i >= ItemCount()) {
        ShowMessage(QStringLiteral("aIdx is overtop!\n you may define < %1").arg(ItemCount()));
        return;
    }
    UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    item.CheckBox->SetEnabled(false);
    item.CheckBox->Hide();
    item.CheckBox->SetChecked(false);
    if (TEdit* e = EditOf(item)) {
        e->SetReadOnly(true);
        e->SetTabStop(false);
    } else {
        item.Control->SetEnabled(false);
    }
    SetValueColours(i, DisabledFontColor, DisabledColor);
}

void TEditsPanel::MakeItemWritable(int i) {
    UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    item.CheckBox->SetEnabled(true);
    item.CheckBox->Show();
    item.CheckBox->SetChecked(DefaultTick);
    if (TEdit* e = EditOf(item)) {
        e->SetReadOnly(false);
        e->SetTabStop(true);
    } else {
        item.Control->SetEnabled(true);
    }
    SetValueColours(i, clBlack, clWhite);
}

bool TEditsPanel::IsReadOnlyItem(int i) const {
    return !Request->Request.List.IsWritable(i);
}

bool TEditsPanel::IsKeyItem(int i) const {
    return i < Request->Request.List.PKeyCount;
}

bool TEditsPanel::AllItemsReadOnly() const {
    for (int i = 0; i < ItemCount(); ++i) {
        if (!IsReadOnlyItem(i) && !IsKeyItem(i)) {
            return false;
        }
    }
    return true;
}

int TEditsPanel::CountTickable() const {
    return static_cast<int>(std::count_if(Items.begin(), Items.end(), [](const UISnmpVar& item) {
        return item.CheckBox->Visible() && item.CheckBox->Enabled();
    }));
}

int TEditsPanel::CountTicked() const {
    return static_cast<int>(std::count_if(Items.begin(), Items.end(),
                                          [](const UISnmpVar& item) { return item.CheckBox->Checked(); }));
}

bool TEditsPanel::IsItemEmpty(int i) const {
    const UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    if (item.Control->Tag == kNeverEmptyTag || !item.CheckBox->Visible()) {
        return false;
    }
    if (const TEdit* e = EditOf(item)) {
        return e->Text().isEmpty();
    }
    return ComboOf(item)->Text().isEmpty();
}

void TEditsPanel::LayoutItems(bool resize) {
    const QsSNMPVarList& list = Request->Request.List;
    std::vector<qs::RowInput> rows;
    int widest = 0;
    for (int i = 0; i < ItemCount(); ++i) {
        const UISnmpVar& item = Items[static_cast<std::size_t>(i)];
        item.Control->SetWidth(ValueWidth);
        widest = std::max(widest, item.Label->Width());
        const bool placed = (list.GetVar(i)->Access & ACC_HIDDEN) == 0 && item.Control->Visible();
        rows.push_back({placed, item.Control->Height(), item.CheckBox->Height(), item.Label->Height()});
    }
    const std::vector<qs::RowPlace> places = qs::LayoutRows(rows);
    const int valueLeft = qs::ValueLeft(20, widest);
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < ItemCount(); ++i) {
        if (!rows[static_cast<std::size_t>(i)].placed) {
            continue;
        }
        const UISnmpVar& item = Items[static_cast<std::size_t>(i)];
        const qs::RowPlace& p = places[static_cast<std::size_t>(i)];
        item.Control->SetBounds(valueLeft, p.valueTop, ValueWidth, p.valueHeight);
        item.CheckBox->SetBounds(qs::kBoxLeft, p.boxTop, 20, item.CheckBox->Height());
        item.Label->SetBounds(qs::kBoxLeft + 20 + qs::kRowGap, p.labelTop, item.Label->Width(),
                              item.Label->Height());
        right = std::max(right, valueLeft + ValueWidth);
        bottom = std::max(bottom, p.valueTop + p.valueHeight);
    }
    if (resize) {
        SetAlign(alNone);
        SetWidth(right + 40);
        SetHeight(bottom + 40);
    }
    ScrollBox->FitContents();
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    if (!Request) {
        throw QsException("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!", 0);
    }
    for (TControl* c :
         {static_cast<TControl*>(buttons->RefreshBtn), static_cast<TControl*>(buttons->SetCheckedBtn),
          static_cast<TControl*>(buttons->CheckAllBtn), static_cast<TControl*>(buttons->ClearChecksBtn),
          static_cast<TControl*>(buttons->CloseBtn)}) {
        c->Show();
    }
    for (TControl* c :
         {static_cast<TControl*>(buttons->SamplesLabel), static_cast<TControl*>(buttons->SamplesCount),
          static_cast<TControl*>(buttons->EditBtn), static_cast<TControl*>(buttons->AddBtn),
          static_cast<TControl*>(buttons->DeleteBtn), static_cast<TControl*>(buttons->StopBtn)}) {
        c->Hide();
    }
    if (AllItemsReadOnly()) {
        buttons->SetCheckedBtn->Hide();
        buttons->CheckAllBtn->Hide();
        buttons->ClearChecksBtn->Hide();
    } else if (CountTickable() <= 1) {
        // One variable to write: a plain "Set" that always sends it.
        buttons->CheckAllBtn->Hide();
        buttons->ClearChecksBtn->Hide();
        buttons->SetCheckedBtn->SetCaption(QStringLiteral("Set"));
        buttons->SetCheckedBtn->SetEnabled(true);
        const bool hideBoxes = CountTicked() <= 1;
        for (UISnmpVar& item : Items) {
            if (hideBoxes) {
                item.CheckBox->Hide();
            }
            const bool open = item.CheckBox->Visible() && item.CheckBox->Enabled();
            item.CheckBox->SetChecked(!open && item.CheckBox->Tag != kHiddenItemTag);
        }
    }
    buttons->Arrange();
}

TSNMPPanel* TEditsPanel::Frame() const {
    TWinControl* client = Parent();
    return client ? dynamic_cast<TSNMPPanel*>(client->Parent()) : nullptr;
}

void TEditsPanel::SelectBoxClick(TObject*) {
    if (TSNMPPanel* frame = Frame()) {
        frame->BtnPanel->SetCheckedBtn->SetEnabled(CountTicked() >= 1);
    }
}

void TEditsPanel::HideItem(int i) {
    UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    Request->Request.List.GetVar(i)->Access |= ACC_HIDDEN;
    item.Control->Hide();
    item.CheckBox->Hide();
    item.CheckBox->Tag = kHiddenItemTag;
    item.Label->Hide();
}

void TEditsPanel::ShowItem(int i) {
    UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    Request->Request.List.GetVar(i)->Access &= ~static_cast<std::uint32_t>(ACC_HIDDEN);
    item.Control->Show();
    item.CheckBox->Show();
    item.Label->Show();
}

void TEditsPanel::UncheckItem(int i) {
    Items[static_cast<std::size_t>(i)].CheckBox->SetChecked(false);
}

void TEditsPanel::EnableItem(int i) {
    UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    item.Control->SetEnabled(true);
    item.CheckBox->SetEnabled(true);
    SetValueColours(i, clBlack, clWhite);
}

void TEditsPanel::DisableItem(int i) {
    UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    item.Control->SetEnabled(false);
    item.CheckBox->SetEnabled(false);
    SetValueColours(i, DisabledFontColor, DisabledColor);
}

void TEditsPanel::ClearItem(int i) {
    const UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    if (TEdit* e = EditOf(item)) {
        e->SetText(QString());
    } else if (TComboBox* c = ComboOf(item)) {
        c->SetItemIndex(-1);
    }
    Request->Request.List.GetVar(i)->Value.clear();
}

int TEditsPanel::ClearAllItems() {
    for (int i = 0; i < ItemCount(); ++i) {
        ClearItem(i);
    }
    return ItemCount();
}

void TEditsPanel::ComboChange(TObject* Sender) {
    auto* combo = dynamic_cast<TComboBox*>(Sender);
    if (combo && combo->Tag > 0 && combo->Tag != kActiveAllowedTag) {
        ApplyTagRule(combo);
    }
}

// The Tag of a combo box names the item that controls (Tag / 1000) and, digit by digit, the
// items that depend on it (Tag % 1000). Only dependents shown in combo boxes are touched. A key
// item names the row that a SET addresses: the rule may grey it, but never enables it or changes
// its value.
void TEditsPanel::ApplyTagRule(TComboBox* combo) {
    const int controlling = combo->Tag / 1000;
    const QString digits = QString::number(combo->Tag % 1000);
    const bool selected = combo->ItemIndex() >= 0;
    TComboBox* controller = controlling >= 1 && controlling < ItemCount()
                                ? ComboOf(Items[static_cast<std::size_t>(controlling)])
                                : nullptr;
    for (QChar d : digits) {
        const int k = d.digitValue();
        TComboBox* dependent = k < ItemCount() ? ComboOf(Items[static_cast<std::size_t>(k)]) : nullptr;
        if (!dependent) {
            continue;
        }
        bool enable = false;
        if (!selected) {
            enable = controlling < 1 || !controller || controller->ItemIndex() < 1;
        } else {
            enable = combo->Text() == QLatin1String("tunnel");
        }
        if (IsKeyItem(k)) {
            if (!enable) {
                dependent->SetEnabled(false);
                dependent->SetColor(clBtnFace);
            }
            continue;
        }
        dependent->SetEnabled(enable);
        dependent->SetColor(enable ? clWhite : clBtnFace);
        if (selected || !enable) {
            dependent->SetItemIndex(selected && enable ? 1 : 0);
        }
    }
}
