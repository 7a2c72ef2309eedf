// TSSHUserCtrlEdit: the edit dialog of the SSH user list, changing one account. Its editors are
// bound into the list dialog's request; its Set hands the write back to that dialog.
#pragma once

#include "FailureReport.h"
#include "Form.h"

#include <functional>

class TButton;
class TComboBox;
class TEdit;
class TLabel;

class TSSHUserCtrlEdit : public TForm {
public:
    // write sends the editors' values through the list dialog's request and tells whether the agent
    // took the SET; a button's failure goes to status, the list dialog's status area.
    TSSHUserCtrlEdit(TComponent* owner, std::function<bool()> write, const qs::StatusArea& status);

    void FormCreate();
    // The host fields are editable for host-based authentication only.
    void cbbAuthModeChange();
    void btnSetClick();
    bool HostBased() const;

    TLabel* UserLabel;
    TEdit* edtUserName;
    TLabel* ModeLabel;
    TComboBox* cbbAuthMode;
    TLabel* HostNameLabel;
    TEdit* edtHostName;
    TLabel* HostIpLabel;
    TEdit* edtHostIPAddr;
    TButton* btnSet;
    TButton* btnClose;

private:
    std::function<bool()> write_;
};

extern TSSHUserCtrlEdit* SSHUserCtrlEdit;
