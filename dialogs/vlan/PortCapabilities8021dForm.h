// TPortCapabilities8021dForm: the 802.1Q capabilities each port reports
// (dot1dPortCapabilitiesTable), read only.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TLabel;
class TListView;
class TStaticText;

class TPortCapabilities8021dForm : public qs::FeatureDialog {
public:
    explicit TPortCapabilities8021dForm(TComponent* owner);
    ~TPortCapabilities8021dForm() override;

    void FormCreate();
    void RefreshBtnClick();

    TListView* LV_dot1dPortCapabilitiesEntry;
    TLabel* Label2;
    TStaticText* ST_Count;
    TButton* RefreshBtn;

    QsSNMPRequest2Edits* CapabilityRequest = nullptr;
};

extern TPortCapabilities8021dForm* PortCapabilities8021dForm;
