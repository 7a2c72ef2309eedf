// TIpv6StaticRouteEditForm: the add dialog of the IPv6 static route list, adding a route to a
// destination prefix (mode 1) or the default route (mode 2, destination all zeros, prefix length
// 0). Its editors are bound into the list dialog's request; its Set hands the write back to that
// dialog.
#pragma once

#include "Form.h"

#include <functional>

class TButton;
class TComboBox;
class TEdit;
class TLabel;

class TIpv6StaticRouteEditForm : public TForm {
public:
    enum Mode { kAddRoute = 1, kAddDefault = 2 };

    // onSet writes the checked editors' values (the owning list dialog's request holds them).
    TIpv6StaticRouteEditForm(TComponent* owner, std::function<bool()> onSet);

    // Run as the dialog is shown for an Add: the editors emptied, or set to the default route.
    void FormActivate();
    void btnSetClick();
    // The input test of Set; each failure has shown its message.
    bool CheckRouteInput();

    TLabel* lbDst;
    TEdit* edtDst;
    TLabel* lbPrefix;
    TEdit* edtPrefix;
    TLabel* lbInterface;
    TEdit* edtInterface;
    TLabel* lbNextHop;
    TEdit* edtNextHop;
    TLabel* lbMetric;
    TEdit* edtMetric;
    TLabel* lbProtocol; // hidden
    TEdit* edtProtocol; // hidden, disabled
    TLabel* lbStatus;
    TComboBox* cbxStatus;
    TLabel* lbWeight; // hidden, unbound
    TEdit* edtWeight;
    TLabel* lbBackup; // hidden, unbound
    TComboBox* BackupComboBox;
    TButton* btnSet;
    TButton* btnClose;

    int EditMode = kAddRoute;

private:
    void BuildControls();

    std::function<bool()> onSet_; // true once the agent took the route
};

extern TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm;
