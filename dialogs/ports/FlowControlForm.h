// The flow-control counter dialogs (PAUSE and MAC control) are one dialog configured by their
// differences: a walk of the ports' EtherLike-MIB settings, the selected port's counters read at
// once and then polled at a chosen interval, and (PAUSE only) the admin mode written.
#pragma once

#include "FeatureDialog.h"
#include "WalkGate.h"

#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TTimer;

namespace qs {

struct FlowControlConfig {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* portTable;
    const QsSNMPVarDesc* counterTable;
    std::vector<const char*> counterRows; // the Name column of ListView2
    bool pause;                           // admin mode editor, Set and Stop
};

class FlowControlForm : public FeatureDialog {
public:
    FlowControlForm(TComponent* owner, const FlowControlConfig& config);
    ~FlowControlForm() override;

    void FormCreate();
    void btnGetClick();
    void btnSetClick();
    void ListView1Click();
    void cbxIntervalChange();
    void Timer1Timer();
    // Stops the polling and empties the counters and the port's editors.
    void ResetCounterView();

    TListView* ListView1;
    TListView* ListView2;
    TLabel* Label1;
    TComboBox* cbxAdminMode = nullptr;
    TEdit* edtIndex = nullptr;
    std::vector<TCheckBox*> CheckBoxes; // CheckBox1 to CheckBox8, control dialog
    TLabel* Label2;
    TComboBox* cbxInterval;
    TButton* btnGet;
    TButton* btnSet = nullptr;
    TButton* btnStop = nullptr;
    TButton* btnClose;
    TListView* lvChart;
    TTimer* Timer1;

    QsSNMPRequest2Edits* PortRequest = nullptr;
    QsSNMPRequest2Edits* CounterRequest = nullptr;
    WalkGate WalkFinished;

private:
    void BuildControls();
    void BuildPortEditors(TPanel* strip);
    void BuildButtonColumn(TPanel* column);
    void BindPortRequest();
    void ShowCounters();
    void WalkDone();

    const FlowControlConfig& config_;
};

} // namespace qs
