// TSystemLogServerForm: the device's syslog servers (up to four, by index): lists them and adds,
// changes and deletes them; fields left empty in an Add are left to the device.
#pragma once

#include "FeatureDialog.h"
#include "RowSelection.h"

#include <memory>

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

class TSystemLogServerForm : public qs::FeatureDialog {
public:
    explicit TSystemLogServerForm(TComponent* owner);
    ~TSystemLogServerForm() override;

    void FormCreate();
    void Btn_RefreshClick();
    void Btn_AddClick();
    void Btn_EditClick();
    void Btn_DelClick();
    void LV_SystemLogServerEntryClick();
    void ClearEditors();
    // The port text as a number is 514 or lies in 6000 to 65535.
    static bool IsValidSyslogPort(const QString& text);

    TListView* LV_SystemLogServerEntry;
    TLabel* Label1;
    TEdit* Ed_Index;
    TLabel* Label2;
    TEdit* Ed_IP;
    TLabel* Label3;
    TComboBox* CBox_Facility;
    TLabel* Label4;
    TComboBox* CBox_Severity;
    TLabel* Label5;
    TEdit* Ed_Port;
    TLabel* Label6;
    TComboBox* CBox_State;
    TLabel* Label7;
    TComboBox* CBox_RowStatus;
    TLabel* Label8;
    TStaticText* ST_Count;
    TButton* Btn_Refresh;
    TButton* Btn_Edit;
    TButton* Btn_Add;
    TButton* Btn_Del;
    TButton* Button1;

    QsSNMPRequest2Edits* ServerRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* group);
    void BuildButtons(TPanel* column);
    bool AddInputAccepted();
    // Starts a walk unless one (or a write) is under way.
    void WalkWhenIdle();
    // Lets a walk under way end first, so that the walk after a write never runs beside it;
    // false when the request did not become idle or the dialog's requests have ended.
    bool WaitUntilIdle();
    std::unique_ptr<qs::RowButtons> rowButtons_;
};

extern TSystemLogServerForm* SystemLogServerForm;
