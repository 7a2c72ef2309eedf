// The LLDP port configuration dialogs are one dialog configured by their differences: the basic
// TLVs with admin status and notification per port, or the 802.3 TLVs per port. The list shows
// the TLV set of each port as a name text; Edit writes the selected port's editors back and
// waits for the reply before it reads the table again. A click into the TLV edit opens a choice
// of check boxes that writes the name text into it.
#pragma once

#include "LldpBitSets.h"
#include "LldpRowWriteForm.h"

#include <array>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

namespace qs {

class LldpBitsRequest;
class LldpTlvChoiceForm;

struct LldpPortConfigSetup {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* table;
    QSize size;
    bool stateEditors; // Administration State and Notification Enable (columns 1 and 2)
    int tlvColumn;
    const LldpNameTable* names;
    const char* stopName;
    // The choice sub-form.
    const char* choiceName;
    const char* choiceCaption; // followed by the shell's device address text
    std::array<const char*, 4> boxNames;
    int hiddenBox;                    // a box that is never shown but still counts; -1 for none
    LldpTlvChoiceForm** choiceGlobal; // holds the sub-form while the dialog lives
};

// The choice sub-form: one box per TLV of the table; Set Checked writes the name text of the
// ticked boxes into the dialog's TLV edit. Nothing is sent from here.
class LldpTlvChoiceForm : public TForm {
public:
    LldpTlvChoiceForm(TComponent* owner, const LldpPortConfigSetup& setup, TEdit* target);

    // Activates and shows the sub-form modally.
    void ShowChoice();
    // Each time it is shown: caption, then the boxes named in the TLV edit are ticked (a box
    // whose name is not there keeps its state).
    void FormActivate();
    void SetButtonClick();
    void CloseButtonClick();

    std::array<TCheckBox*, 4> Boxes{};
    TButton* SetButton;
    TButton* CloseButton;

private:
    void UntickAll();

    const LldpPortConfigSetup& setup_;
    TEdit* target_;
};

class LldpPortTlvForm : public LldpRowWriteForm {
public:
    LldpPortTlvForm(TComponent* owner, const LldpPortConfigSetup& setup);
    ~LldpPortTlvForm() override;

    void FormCreate();
    void GetButtonClick();
    void EditButtonClick();
    void ListView1Click();
    void TLVsEditClick();
    void ClearPortConfigEditors();

    TListView* ListView1;
    TLabel* PortEditLabel;
    TStaticText* PortText;
    TLabel* AdminStateLabel = nullptr;
    TComboBox* AdminStateComboBox = nullptr;
    TLabel* NotificationLabel = nullptr;
    TComboBox* NotificationComboBox = nullptr;
    TLabel* TLVsLabel;
    TEdit* TLVsEdit;
    TStaticText* StaticText1;
    TButton* GetButton;
    TButton* EditButton;
    TButton* StopButton;
    TButton* CloseButton;

    LldpTlvChoiceForm* Choice = nullptr;
    LldpBitsRequest* PortRequest = nullptr;

private:
    void BuildEditors();

    const LldpPortConfigSetup& setup_;
};

} // namespace qs
