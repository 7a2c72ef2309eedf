#include "ARPAddEdit.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "TableLayout.h"

#include <utility>

TARPAddEdit* ARPAddEdit = nullptr;

TARPAddEdit::TARPAddEdit(TComponent* owner, std::function<bool(bool addMode)> write,
                         const qs::StatusArea& status)
    : TForm(owner), write_(std::move(write)) {
    SetName(QStringLiteral("ARPAddEdit"));
    SetCaption(QStringLiteral("ARP Add:"));
    SetClientWidth(320);
    SetClientHeight(200);
    IndexLabel = qs::LabelOn(this, "IndexLabel", "Index", 16, 16, 90);
    IndexEdit = qs::PlaceOn<TEdit>(this, "IndexEdit", 110, 16, 190);
    IndexEdit->SetEnabled(false);
    IPLabel = qs::LabelOn(this, "IPLabel", "IP Address", 16, 48, 90);
    IPEdit = qs::PlaceOn<TEdit>(this, "IPEdit", 110, 48, 190);
    MACLabel = qs::LabelOn(this, "MACLabel", "MAC", 16, 80, 90);
    MACEdit = qs::PlaceOn<TEdit>(this, "MACEdit", 110, 80, 190);
    TypeLabel = qs::LabelOn(this, "TypeLabel", "Type", 16, 112, 90);
    TypeComb = qs::PlaceOn<TComboBox>(this, "TypeComb", 110, 112, 190);
    IpTypeComb = qs::PlaceOn<TComboBox>(this, "IpTypeComb", 0, 0, 10);
    StateComb = qs::PlaceOn<TComboBox>(this, "StateComb", 0, 0, 10);
    RowStatus = qs::PlaceOn<TComboBox>(this, "RowStatus", 0, 0, 10);
    for (TComboBox* hidden : {IpTypeComb, StateComb, RowStatus}) {
        hidden->SetVisible(false);
    }
    AddBtn = qs::ButtonOn(
        this, "AddBtn", "Add", 120, 156, [this] { AddBtnClick(); }, status);
    CloseBtn = qs::ButtonOn(
        this, "CloseBtn", "Close", 216, 156, [this] { Close(); }, status);
}

// The dialog closes only on a write the agent took; otherwise it stays open with what was typed.
void TARPAddEdit::AddBtnClick() {
    if (write_(AddMode)) {
        Close();
    }
}
