#include "DialogHelpers.h"

#include "CheckBox.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Edit.h"
#include "PageControl.h"
#include "stackingPortUitFormUnit.h"

namespace {

void SetControlsEnabled(TComponent* owner, bool edits, bool combos, bool checkBoxes, bool enabled) {
    const TColor color = enabled ? clWindow : clBtnFace;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* c = owner->Components(i);
        if (auto* edit = dynamic_cast<TEdit*>(c); edit && edits) {
            edit->SetEnabled(enabled);
            edit->SetColor(color);
        } else if (auto* combo = dynamic_cast<TComboBox*>(c); combo && combos) {
            combo->SetEnabled(enabled);
            combo->SetColor(color);
        } else if (auto* box = dynamic_cast<TCheckBox*>(c); box && checkBoxes) {
            box->SetEnabled(enabled);
        }
    }
}

} // namespace

void ClearControls(TComponent* owner, bool clearEdits, bool resetCombos, bool uncheck) {
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* c = owner->Components(i);
        if (auto* edit = dynamic_cast<TEdit*>(c)) {
            if (clearEdits) {
                edit->SetText(QString());
            }
        } else if (auto* combo = dynamic_cast<TComboBox*>(c)) {
            if (resetCombos) {
                combo->SetText(QString());
                combo->SetItemIndex(combo->Items().Count() > 0 ? 0 : -1);
            }
        } else if (auto* box = dynamic_cast<TCheckBox*>(c)) {
            box->SetChecked(!uncheck);
        }
    }
}

void DisableControls(TComponent* owner, bool edits, bool combos, bool checkBoxes) {
    SetControlsEnabled(owner, edits, combos, checkBoxes, false);
}

void EnableControls(TComponent* owner, bool edits, bool combos, bool checkBoxes) {
    SetControlsEnabled(owner, edits, combos, checkBoxes, true);
}

void ShowPortPicker(TStackingPortUitForm* picker, TTabSheet* sheet) {
    picker->SetParent(sheet);
    picker->SetAlign(alClient);
    picker->Show();
    picker->AddUnitPage(QStringLiteral("Unit1"), TStackingPortUitForm::kBoxesPerUnit, 12);
    picker->ShowUnitPorts(QStringLiteral("1"), QString::fromStdString(DeviceModelName),
                          PortCountOfModel(DeviceModelName));
}

TTabSheet* AddPortPickerTab(const QString& caption, TStackingPortUitForm* picker, TPageControl* pageControl) {
    auto* sheet = new TTabSheet(pageControl, pageControl);
    sheet->SetName(QStringLiteral("PortPickerSheet%1").arg(pageControl->PageCount()));
    sheet->SetCaption(caption);
    sheet->SetTabVisible(true);
    ShowPortPicker(picker, sheet);
    return sheet;
}
