// The LLDP 802.1 transmit dialogs are one dialog configured by their differences: per port and
// VLAN (VLAN names, port-and-protocol VLANs) or per port and protocol index (protocol
// identities), whether the device sends that TLV. Set writes "true" or "false" for the selected
// row, waits for the reply and reads the table again.
#pragma once

#include "LldpRowWriteForm.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

namespace qs {

struct LldpDot1TxSetup {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* table;
    const char* indexLabel; // the second key's label
    const char* txLabel;
    // Refresh first stops a walk still running (the VLAN dialogs); otherwise a Refresh that
    // fails also blanks the port and index texts.
    bool vlanKeyed;
};

class LldpDot1TxForm : public LldpRowWriteForm {
public:
    LldpDot1TxForm(TComponent* owner, const LldpDot1TxSetup& setup);
    ~LldpDot1TxForm() override;

    void FormCreate();
    void RefreshButtonClick();
    void SetButtonClick();
    void ListView1Click();
    void ClearDot1Editors();

    TListView* ListView1;
    TLabel* Label1;
    TStaticText* PortNumberText;
    TLabel* Label2;
    TStaticText* IndexText;
    TLabel* Label3;
    TComboBox* TXComboBox;
    TStaticText* StaticText1;
    TButton* RefreshButton;
    TButton* SetButton;
    TButton* StopButton;
    TButton* CloseButton;

    QsSNMPRequest2Edits* TxRequest = nullptr;

private:
    void BuildEditors();
    void GreyKeyLabels();

    const LldpDot1TxSetup& setup_;
};

} // namespace qs
