// TAAASrvCtrlForm: adds a server host to an authentication server group of the device, or
// removes it, with one SET of the host row's state.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;

class TAAASrvCtrlForm : public qs::FeatureDialog {
public:
    explicit TAAASrvCtrlForm(TComponent* owner);
    ~TAAASrvCtrlForm() override;

    void FormCreate();
    void btnSetClick();

    enum Column { kGroupName, kServerIp, kProtocol, kRowState };

    TLabel* Label1;
    TEdit* edtSrvGrpName;
    TLabel* Label2;
    TEdit* edtSrvIP;
    TLabel* Label3;
    TComboBox* cbxAuthPtcl;
    TLabel* Label4;
    TComboBox* cbxOper;
    TListView* lvOper;
    TButton* btnSet;
    TButton* btnClose;

    QsSNMPRequest2Edits* GroupRequest = nullptr;

private:
    void BuildControls();
    bool InputValid();
};

extern TAAASrvCtrlForm* AAASrvCtrlForm;
