#include "DialogHelpers.h"

#include "CheckBox.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Exceptions.h"
#include "PageControl.h"
#include "QsSNMPRequest2Controls.h"
#include "stackingPortUitFormUnit.h"

namespace {

// For the one SET of DeleteRow: blocking and active, every non-key variable but the status
// "invalid". The marks it set are cleared and the mode put back when it ends, also on an error.
class RowDeleteScope {
public:
    RowDeleteScope(QsSNMPRequest2Controls& request, int statusIndex)
        : request_(request), mode_(request.Mode), statusIndex_(statusIndex) {
        request_.Mode = RM_BLOCKING;
        request_.Request.Active = true;
        SetMarks(true);
    }
    ~RowDeleteScope() {
        SetMarks(false);
        request_.Mode = mode_;
    }
    RowDeleteScope(const RowDeleteScope&) = delete;
    RowDeleteScope& operator=(const RowDeleteScope&) = delete;

private:
    void SetMarks(bool invalid) {
        QsSNMPVarList& list = request_.Request.List;
        for (int i = list.PKeyCount; i < list.GetCount(); ++i) {
            if (i == statusIndex_) {
                continue;
            }
            std::uint32_t& access = list.GetVar(i)->Access;
            access = invalid ? (access | ACC_INVALID) : (access & ~static_cast<std::uint32_t>(ACC_INVALID));
        }
    }

    QsSNMPRequest2Controls& request_;
    QsRequestMode mode_;
    int statusIndex_;
};

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

void DeleteRow(QsSNMPRequest2Controls* request, int statusIndex, const std::string& statusText) {
    QsSNMPVarList& list = request->Request.List;
    if (statusIndex < 0 || statusIndex >= list.GetCount()) {
        throw EListError::OutOfBounds(statusIndex);
    }
    QWidget* parent = request->Owner ? request->Owner->Widget() : nullptr;
    if (!ConfirmBox(parent, QStringLiteral("Are you sure to delete it?"))) {
        return;
    }
    {
        const RowDeleteScope scope(*request, statusIndex);
        list.GetVar(statusIndex)->Value = statusText;
        try {
            request->Apply(false, false, std::string(), nullptr);
        } catch (const QsException& e) {
            request->ShowStatus(e.what());
        }
    }
    request->Refresh();
}

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

void ShowPortPicker(TStackingPortUitForm* picker, TWinControl* host, int boxCount) {
    picker->SetParent(host);
    picker->SetAlign(alClient);
    picker->Show();
    picker->AddUnitPage(QStringLiteral("Unit1"), boxCount, 12);
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
