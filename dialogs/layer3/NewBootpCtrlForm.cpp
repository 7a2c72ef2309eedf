#include "NewBootpCtrlForm.h"

#include "BlockingAction.h"
#include "Button.h"
#include "Dialogs.h"
#include "Edit.h"
#include "IPv4Text.h"
#include "Label.h"
#include "SubDialogControls.h"

TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;

namespace {

constexpr int kMostServers = 4;

} // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(TComponent* owner, qs::BootpServerList* list)
    : TForm(owner), list_(list) {
    SetName(QStringLiteral("NewBootpCtrlForm"));
    SetCaption(QStringLiteral("New DHCP Relay Control Entry"));
    SetClientWidth(330);
    SetClientHeight(130);
    CenterOnMainForm();
    Label1 = qs::MakeOn<TLabel>(this, "Label1", 16, 20, 110);
    Label1->SetCaption(QStringLiteral("Interface Name"));
    Edit1 = qs::MakeOn<TEdit>(this, "Edit1", 134, 16, 180);
    Edit1->SetText(QStringLiteral("System"));
    Edit1->SetEnabled(false);
    Label2 = qs::MakeOn<TLabel>(this, "Label2", 16, 54, 110);
    Label2->SetCaption(QStringLiteral("DHCP Server IP"));
    Edit2 = qs::MakeOn<TEdit>(this, "Edit2", 134, 50, 180);
    DeleteBtn = qs::MakeOn<TButton>(this, "DeleteBtn", 120, 90, 90, 28);
    DeleteBtn->SetCaption(QStringLiteral("Set"));
    DeleteBtn->OnClick = [this](TObject*) {
        const qs::BlockingAction click; // the set and the owner's refresh: one time-out at most
        AddBtnClick();
    };
    BitBtn1 = qs::MakeOn<TButton>(this, "BitBtn1", 224, 90, 90, 28);
    BitBtn1->SetCaption(QStringLiteral("Close"));
    BitBtn1->OnClick = [this](TObject*) { Close(); };
}

void TNewBootpCtrlForm::FormActivate() {
    Edit2->SetEnabled(true);
    Edit1->SetText(QStringLiteral("System"));
    Edit2->SetText(QString());
}

bool TNewBootpCtrlForm::CheckInput() {
    if (Edit1->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Interface Name is needed."));
        Edit1->SetFocus();
        return false;
    }
    if (!IsValidIPv4Text(Edit2->Text(), QStringLiteral("Please input a valid ip"))) {
        ShowMessage(QStringLiteral("Please input a valid IP address."));
        Edit2->SetFocus();
        return false;
    }
    if (list_->ServersOf(Edit1->Text()) >= kMostServers) {
        WarningBox(this, QStringLiteral("One interface can support four bootp servers at most."));
        return false;
    }
    return true;
}

// A failure to send (in the list dialog's status panel) or a write the agent refused (in a box)
// leaves the dialog open with what was typed.
void TNewBootpCtrlForm::AddBtnClick() {
    if (!CheckInput()) {
        return;
    }
    if (!list_->SendServer()) {
        return;
    }
    Edit1->SetText(QString());
    Edit2->SetText(QString());
    Close();
}
