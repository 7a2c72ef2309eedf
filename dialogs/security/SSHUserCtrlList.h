// TSSHUserCtrlList: the device's SSH user accounts with their authentication mode and, for
// host-based authentication, the permitted host; TSSHUserCtrlEdit, its edit dialog, changes one
// account through the list's request. Accounts are neither added nor deleted here.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TLabel;
class TListView;
class TSSHUserCtrlEdit;
class TStaticText;

class TSSHUserCtrlList : public qs::FeatureDialog {
public:
    explicit TSSHUserCtrlList(TComponent* owner);
    ~TSSHUserCtrlList() override;

    void FormCreate();
    void btnRefreshClick();
    void btnEditClick();
    void lvDataClick();
    // The edit dialog's Set; true when the SET was sent, so the dialog may close.
    bool WriteFromEditor();

    enum Column { kUserName, kAuthMode, kHostName, kHostIp };

    TListView* lvData;
    TLabel* SampleLabel;
    TStaticText* StaticText;
    TButton* btnRefresh;
    TButton* btnEdit;
    TButton* btnClose;

    QsSNMPRequest2Edits* UserRequest = nullptr;
    TSSHUserCtrlEdit* Editor = nullptr;

private:
    void BuildControls();
};

extern TSSHUserCtrlList* SSHUserCtrlList;
