// TMSInformationForm: the single-IP management group's member switches, listed from the device's
// member table; members are added through the sub-dialog TMSEditForm and removed without asking.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TListView;
class TMSEditForm;
class TStaticText;

class TMSInformationForm : public qs::FeatureDialog {
public:
    explicit TMSInformationForm(TComponent* owner);
    ~TMSInformationForm() override;

    void FormCreate();
    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();

    TListView* ListView1;
    TButton* GetButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* EditButton;      // hidden
    TStaticText* StaticText1; // hidden row counter
    TButton* CloseButton;

    QsSNMPRequest2Edits* ListRequest = nullptr;
    TMSEditForm* Editor = nullptr;

private:
    void BuildControls();
    // Reads the list again; a walk still running is stopped first, so two walks never fill
    // the list together.
    void ReadList();
};

extern TMSInformationForm* MSInformationForm;
