// TIpv6StaticRouteForm: the device's IPv6 static routes, listed and deleted; routes are added
// through TIpv6StaticRouteEditForm, a route to a prefix or the default route, and never changed
// in place.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TIpv6StaticRouteEditForm;
class TListView;
class TStaticText;

class TIpv6StaticRouteForm : public qs::FeatureDialog {
public:
    enum Column { kDst, kPrefix, kInterface, kNextHop, kMetric, kProtocol, kStatus };

    explicit TIpv6StaticRouteForm(TComponent* owner);
    ~TIpv6StaticRouteForm() override;

    void FormCreate();
    void btnGetClick();
    void btnAddClick();
    void btnAddDefaultClick();
    void btnDeleteClick();
    // The add dialog's Set, its input checked: creates the route and reads the table again.
    // true once the agent took the route.
    bool AddRoute();

    TListView* ListView1;
    TButton* btnGet;
    TButton* btnAdd; // hidden
    TButton* btnAddDefault;
    TButton* btnDelete;
    TButton* btnClose;
    TStaticText* StaticText1; // the number of rows

    QsSNMPRequest2Edits* RouteRequest = nullptr;
    TIpv6StaticRouteEditForm* Editor = nullptr;

private:
    void BuildControls();
    void BindRequest();
    void ShowEditor(int mode, const char* caption);
    void ReadTable();
};

extern TIpv6StaticRouteForm* Ipv6StaticRouteForm;
