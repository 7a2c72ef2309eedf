#include "SSHUserCtrlEdit.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "TableLayout.h"

#include <utility>

TSSHUserCtrlEdit* SSHUserCtrlEdit = nullptr;

TSSHUserCtrlEdit::TSSHUserCtrlEdit(TComponent* owner, std::function<bool()> write,
                                   const qs::StatusArea& status)
    : TForm(owner), write_(std::move(write)) {
    SetName(QStringLiteral("SSHUserCtrlEdit"));
    SetCaption(QStringLiteral("SSH User Control Edit Table"));
    SetClientWidth(340);
    SetClientHeight(200);
    UserLabel = qs::LabelOn(this, "UserLabel", "User Name", 16, 16, 110);
    edtUserName = qs::PlaceOn<TEdit>(this, "edtUserName", 130, 16, 190);
    ModeLabel = qs::LabelOn(this, "ModeLabel", "Auth Mode", 16, 48, 110);
    cbbAuthMode = qs::PlaceOn<TComboBox>(this, "cbbAuthMode", 130, 48, 190);
    cbbAuthMode->OnChange = [this](TObject*) { cbbAuthModeChange(); };
    HostNameLabel = qs::LabelOn(this, "HostNameLabel", "Host Name", 16, 80, 110);
    edtHostName = qs::PlaceOn<TEdit>(this, "edtHostName", 130, 80, 190);
    HostIpLabel = qs::LabelOn(this, "HostIpLabel", "Host IP Address", 16, 112, 110);
    edtHostIPAddr = qs::PlaceOn<TEdit>(this, "edtHostIPAddr", 130, 112, 190);
    btnSet = qs::ButtonOn(
        this, "btnSet", "Set", 140, 156, [this] { btnSetClick(); }, status);
    btnClose = qs::ButtonOn(
        this, "btnClose", "Close", 236, 156, [this] { Close(); }, status);
}

void TSSHUserCtrlEdit::FormCreate() {
    cbbAuthModeChange();
}

bool TSSHUserCtrlEdit::HostBased() const {
    return cbbAuthMode->ItemIndex() == 0;
}

void TSSHUserCtrlEdit::cbbAuthModeChange() {
    edtHostName->SetEnabled(HostBased());
    edtHostIPAddr->SetEnabled(HostBased());
}

// The dialog closes only on a write the agent took; otherwise it stays open with what was typed.
void TSSHUserCtrlEdit::btnSetClick() {
    if (write_()) {
        Close();
    }
}
