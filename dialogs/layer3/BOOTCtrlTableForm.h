// TBOOTCtrlTableForm: the DHCP (BOOTP) relay servers configured per IP interface, listed and
// deleted; servers are added to the interface "System" through TNewBootpCtrlForm, at most four
// per interface.
#pragma once

#include "FeatureDialog.h"
#include "NewBootpCtrlForm.h"
#include "RowSelection.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TListView;

class TBOOTCtrlTableForm : public qs::FeatureDialog, public qs::BootpServerList {
public:
    enum Column { kInterface, kServer, kRowStatus };

    explicit TBOOTCtrlTableForm(TComponent* owner);
    ~TBOOTCtrlTableForm() override;

    void FormCreate();
    void RefreshBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    // The rows, as last read, whose interface is name.
    int ServersOf(const QString& name) const override;
    // The add dialog's Set, its input checked: sends the new server; false when nothing was sent.
    // Raises on a failure to send.
    bool AddServer();
    // AddServer, its failure shown in the status area; true once the agent took the new server.
    bool SendServer() override;

    TListView* ListView1;
    TComboBox* ComboBox1; // hidden: the row status sent
    TButton* RefreshBtn;
    TButton* AddBtn;
    TButton* DeleteBtn;
    TButton* CloseBtn;

    QsSNMPRequest2Edits* RelayRequest = nullptr;
    TNewBootpCtrlForm* Editor = nullptr;

private:
    void BuildControls();
    void BindRequest();

    qs::RowButtons rowButtons_;
};

extern TBOOTCtrlTableForm* BOOTCtrlTableForm;
