#include "TBasicFormUnit.h"

#include "CheckBox.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "DialogFrame.h"
#include "Dialogs.h"
#include "Edit.h"
#include "QsSNMPRequest2Controls.h"
#include "QsSNMPRequest2Edits.h"
#include "RadioButton.h"
#include "stackingPortUitFormUnit.h"

#include <QMetaObject>
#include <new>

namespace {

bool IsTicked(const TWinControl* box) {
    if (auto* check = dynamic_cast<const TCheckBox*>(box)) {
        return check->Checked();
    }
    if (auto* radio = dynamic_cast<const TRadioButton*>(box)) {
        return radio->Checked();
    }
    return false;
}

bool IsIncludeBox(const TWinControl* box) {
    return dynamic_cast<const TCheckBox*>(box) || dynamic_cast<const TRadioButton*>(box);
}

QString TextOf(const TWinControl* control) {
    if (auto* edit = dynamic_cast<const TEdit*>(control)) {
        return edit->Text();
    }
    if (auto* combo = dynamic_cast<const TComboBox*>(control)) {
        return combo->Text();
    }
    return QString();
}

} // namespace

TBasicForm::TBasicForm(TComponent* owner, QSize layoutClientSize) : TForm(owner) {
    if (layoutClientSize.isValid()) {
        SetClientWidth(layoutClientSize.width());
        SetClientHeight(layoutClientSize.height());
    }
    qs::ScaleForScreen(this);
    CenterOnMainForm();
    PortBitIndexText = PortNameList();
}

TBasicForm::~TBasicForm() = default;

void TBasicForm::CreatePortGrid(TWinControl* panel, int columns) {
    try {
        PortGrid = new TStackingPortUitForm(this);
        PortGrid->SetParent(panel);
        PortGrid->SetAlign(alClient);
        PortGrid->Show();
        for (int unit = 1; unit <= 12; ++unit) {
            PortGrid->AddUnitPage(QStringLiteral("Unit%1").arg(unit), TStackingPortUitForm::kBoxesPerUnit,
                                  columns);
        }
    } catch (const std::bad_alloc&) {
        delete PortGrid;
        PortGrid = nullptr;
        ShowMessage(QStringLiteral("Memory alloc problem!"));
        QMetaObject::invokeMethod(
            this, [this] { Close(); }, Qt::QueuedConnection);
        return;
    }
    PortGrid->ShowUnitPorts(QStringLiteral("1"), QString::fromStdString(DeviceModelName),
                            PortCountOfModel(DeviceModelName));
}

bool TBasicForm::CheckAnyPortChosen() {
    if (PortGrid && PortGrid->CountCheckedPorts() > 0) {
        return true;
    }
    ShowMessage(QStringLiteral("You must choose at least 1 port!"));
    return false;
}

bool TBasicForm::CheckRequiredEdit(TWinControl* includeBox, TWinControl* control, const QString& message) {
    if (!IsTicked(includeBox)) {
        return true;
    }
    return CheckEditNotEmpty(control, message);
}

bool TBasicForm::CheckEditNotEmpty(TWinControl* control, const QString& message) {
    if (!control || !TextOf(control).isEmpty()) {
        return true;
    }
    ShowMessage(message);
    if (control->Enabled()) {
        SetActiveControl(control);
    }
    return false;
}

void TBasicForm::ResetListedEditors(const std::vector<TWinControl*>& list) {
    for (TWinControl* c : list) {
        if (auto* combo = dynamic_cast<TComboBox*>(c)) {
            combo->SetItemIndex(combo->Items().Count() > 0 ? 0 : -1);
        } else if (auto* edit = dynamic_cast<TEdit*>(c)) {
            edit->SetText(QString());
        }
    }
}

void TBasicForm::UncheckAllIncludes(const std::vector<TWinControl*>& list) {
    for (TWinControl* c : list) {
        if (auto* box = dynamic_cast<TCheckBox*>(c)) {
            box->SetChecked(false);
        }
    }
}

void TBasicForm::CheckAllIncludes(const std::vector<TWinControl*>& list) {
    for (TWinControl* c : list) {
        if (auto* box = dynamic_cast<TCheckBox*>(c); box && box->Enabled()) {
            box->SetChecked(true);
        }
    }
}

void TBasicForm::MarkExcludedColumns(QsSNMPRequest2Controls* request) const {
    MarkExcludedColumns(request->Request.List);
}

void TBasicForm::ClearExcludeMarks(QsSNMPRequest2Controls* request) const {
    ClearExcludeMarks(request->Request.List);
}

void TBasicForm::MarkExcludedColumns(QsSNMPVarList& list) const {
    const int end = std::min({ColumnCount, list.GetCount(), static_cast<int>(IncludeBoxes.size())});
    for (int i = list.PKeyCount; i < end; ++i) {
        TWinControl* box = IncludeBoxes[static_cast<std::size_t>(i)];
        if (i == RowStatusColumn || !IsIncludeBox(box)) {
            continue;
        }
        if (!IsTicked(box) || !box->Enabled()) {
            list.GetVar(i)->Access |= ACC_INVALID;
        }
    }
}

void TBasicForm::ClearExcludeMarks(QsSNMPVarList& list) const {
    const int end = std::min(ColumnCount, list.GetCount());
    for (int i = 0; i < end; ++i) {
        list.GetVar(i)->Access &= ~static_cast<std::uint32_t>(ACC_INVALID);
    }
}

TBasicForm::ExcludedColumnsScope::ExcludedColumnsScope(const TBasicForm& form,
                                                       QsSNMPRequest2Controls* request)
    : form_(form), request_(request) {
    form_.MarkExcludedColumns(request_);
}

TBasicForm::ExcludedColumnsScope::~ExcludedColumnsScope() {
    form_.ClearExcludeMarks(request_);
}

void TBasicForm::BindComboWithCheck(QsSNMPRequest2Edits* request, int varIndex, TComboBox* combo,
                                    TWinControl* includeBox) {
    request->BindComboBox(varIndex, combo);
    AddIncludedColumn(includeBox, combo);
}

void TBasicForm::BindEditWithCheck(QsSNMPRequest2Edits* request, int varIndex, const std::string& format,
                                   TEdit* edit, TWinControl* includeBox) {
    request->BindEdits(varIndex, format, {edit});
    AddIncludedColumn(includeBox, edit);
}

void TBasicForm::AddIncludedColumn(TWinControl* includeBox, TWinControl* editor) {
    IncludeBoxes.push_back(includeBox);
    Editors.push_back(editor);
}
