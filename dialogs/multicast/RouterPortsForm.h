// The IGMP and MLD snooping router-port dialogs are one dialog configured by their differences:
// per VLAN the static, dynamic and forbidden router ports on three pickers; Set writes the static
// and forbidden maps of the selected VLAN. The dynamic ports are only ever shown.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "WalkGate.h"

class QsSNMPRequest2Edits;
class TButton;
class TLabel;
class TListItem;
class TListView;
class TPageControl;
class TPanel;
class TScrollBox;
class TStaticText;

namespace qs {

struct RouterPortsConfig {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* table;
    const char* vlanLabel;
    const char* closeName;
    // MLD: scaled and centred on the screen, Set disabled until a row is selected, a Stop button,
    // Set and closing refused while a walk runs, Set starts the next walk itself.
    bool mld;
};

class RouterPortsForm : public FeatureDialog {
public:
    RouterPortsForm(TComponent* owner, const RouterPortsConfig& config);
    ~RouterPortsForm() override;

    void FormCreate();
    void btnGetClick();
    void btnSetClick();
    void btnStopClick();
    // After the framework has shown the selected row (or after the selection was cleared).
    void ListView1Click();
    void ClearEditors();

    enum Column { kVlan, kStatic, kDynamic, kForbidden };

    TListView* ListView1;
    TLabel* Label1;
    TStaticText* stVlanID;
    TLabel* Label2 = nullptr;          // IGMP only, hidden
    TStaticText* stVlanName = nullptr; // IGMP only, hidden
    TPageControl* PageControl1;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;
    TLabel* lbl_Sample;
    TStaticText* StaticText1;
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnStop = nullptr; // MLD only
    TButton* btnClose;

    PortPickerSlot StaticPorts;
    PortPickerSlot DynamicPorts;
    PortPickerSlot ForbiddenPorts;
    QsSNMPRequest2Edits* RouterRequest = nullptr;
    WalkGate WalkFinished;

private:
    void BuildControls();
    void BuildEditors(TPanel* strip);
    void BuildButtonColumn(TPanel* column);
    void CreateRequest();
    void ShowRowCount();

    const RouterPortsConfig& config_;
};

} // namespace qs
