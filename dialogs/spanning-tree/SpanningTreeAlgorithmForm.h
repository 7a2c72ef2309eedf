// TSpanningTreeAlgorithmForm: switches the device's spanning tree on or off. Switching it on is
// confirmed first and followed by a timed progress box while the device rebuilds its tree; a
// choice equal to the state last read from the device sends nothing.
#pragma once

#include "FeatureDialog.h"
#include "ProgressBox.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TLabel;
struct QsSNMPVarDesc;

// The spanning tree state scalar (2 disabled, 3 enabled); the STP Control dialog reads it too.
const QsSNMPVarDesc* StpStateVars();

class TSpanningTreeAlgorithmForm : public qs::FeatureDialog {
public:
    explicit TSpanningTreeAlgorithmForm(TComponent* owner);
    ~TSpanningTreeAlgorithmForm() override;

    void FormCreate();
    void GetButtonClick();
    void SetButtonClick();

    TLabel* Label1;
    TComboBox* ComboBox1;
    TLabel* lbSTPState; // the state as last read from the device
    TButton* GetButton;
    TButton* SetButton;

    QsSNMPRequest2Edits* StateRequest = nullptr;
    QsSNMPRequest2Edits* StateRecordRequest = nullptr;
    // The progress box's tick; tests shorten it.
    int ProgressTickMs = qs::kProgressTickMs;

private:
    void BuildControls();
    QsSNMPRequest2Edits* CreateStateRequest(TComponent* control);
    // Reads the state again, and the record of it that the next Set compares against.
    void ReadState();
    void SendState(int itemIndex);
};

extern TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm;
