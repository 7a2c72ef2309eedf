// TLLDPLocSysDataForm: what the device itself advertises in LLDP (chassis ID, system name and
// description, the capabilities it supports and has enabled, as names), read only.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TEdit;
class TLabel;
class TPanel;
class TStaticText;

namespace qs {
// The hint of a long system name: a line feed before every 100th character of the text as it
// grows, so that it reads in lines of 99 characters; a name under 100 characters is unchanged.
QString SystemNameHint(const QString& name);
} // namespace qs

class TLLDPLocSysDataForm : public qs::FeatureDialog {
public:
    explicit TLLDPLocSysDataForm(TComponent* owner);
    ~TLLDPLocSysDataForm() override;

    void FormCreate();
    void GetButtonClick();
    void ShowLocalCapabilities();
    void SetSystemNameHint();

    TStaticText* subtypeText;
    TStaticText* IDText;
    TStaticText* sysNameText;
    TStaticText* sysDescText;
    TStaticText* tempText1;
    TStaticText* tempText2;
    TEdit* CapSupportEdit;
    TEdit* capEnableEdit;
    TButton* GetButton;
    TButton* CloseButton;

    QsSNMPRequest2Edits* SysDataRequest = nullptr;

private:
    TStaticText* AddRow(TPanel* panel, const char* labelName, const char* caption, const char* textName,
                        int top);
};

extern TLLDPLocSysDataForm* LLDPLocSysDataForm;
