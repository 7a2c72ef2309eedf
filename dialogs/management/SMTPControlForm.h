// TSMTPControlForm: the device's mail (SMTP) client settings; lets the device send a test mail,
// which takes long: the dialog asks first and shows the timed progress box while the device works.
#pragma once

#include "FeatureDialog.h"

#include <functional>

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TProgressForm;

class TSMTPControlForm : public qs::FeatureDialog {
public:
    explicit TSMTPControlForm(TComponent* owner);
    ~TSMTPControlForm() override;

    void FormCreate();
    void Btn_RefreshClick();
    void Btn_SetClick();
    // False, with "Please Input Value!" in the status bar, when the server address or port is empty.
    bool CheckRequiredValues();

    TLabel* Label1;
    TComboBox* CB_Status;
    TLabel* Label2;
    TEdit* Ed_SourceAddress;
    TLabel* Label3;
    TEdit* Ed_SourcePort;
    TLabel* Label4;
    TEdit* Ed_SelfMailAddress;
    TLabel* Label5;
    TEdit* ED_Subject;
    TLabel* Label6;
    TEdit* Ed_Content;
    TLabel* Label7;
    TComboBox* CB_SendTest;
    TButton* Btn_Refresh;
    TButton* Btn_Set;
    TButton* Button1;

    QsSNMPRequest2Edits* SmtpRequest = nullptr;
    // Shows the progress box while the device sends the mail; modal by default (about 31 s).
    std::function<void(TProgressForm* progress)> RunProgress;

private:
    void BuildControls();
    void SendTestMail();
};

extern TSMTPControlForm* SMTPControlForm;
