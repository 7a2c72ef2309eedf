// TfrmAgentSupportedUpdateFiles: the device's update files (firmware and configuration images it
// can load or save, one row per file index); writes the ticked transfer settings of one row, or
// the control value that starts a transfer or deletes a file.
#pragma once

#include "FailureReport.h"
#include "RequestShutdown.h"
#include "TBasicFormUnit.h"

#include <functional>
#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;
class TStatusBar;

class TfrmAgentSupportedUpdateFiles : public TBasicForm {
public:
    explicit TfrmAgentSupportedUpdateFiles(TComponent* owner);
    ~TfrmAgentSupportedUpdateFiles() override;

    void FormCreate();
    void GetButtonClick();
    void EditButtonClick();
    void ListView1Click();
    void ClearEditors();
    void UncheckAll();
    // The input checks of a write; false (after a message) when it must not go on.
    bool PrepareWrite();

    qs::StatusArea StatusOut() const { return qs::StatusArea(StatusBar1); }

    TListView* ListView1;
    TLabel* Label1;
    TEdit* ED_Index;
    TCheckBox* chk_FileDscr;
    TEdit* ED_Description;
    TCheckBox* chk_FileAddr;
    TEdit* ED_IPAddress;
    TCheckBox* chk_FileTransferType;
    TComboBox* CBox_TransferType;
    TCheckBox* chk_File;
    TEdit* ED_Name;
    TCheckBox* chk_FileLocateId;
    TEdit* ED_LocateID;
    TCheckBox* chk_FileLoadType;
    TComboBox* CBox_LoadType;
    TCheckBox* chk_FileCtrl;
    TComboBox* CBox_Control;
    TCheckBox* chk_FileBIncrement;
    TComboBox* CBox_FileBIncrement;
    TCheckBox* chk_FileCtrlID;
    TEdit* ED_MultipleImageControlID;
    TCheckBox* chk_FileIPv6Addr;
    TEdit* edt_FileIPv6Addr;
    TStaticText* Static;
    TButton* GetButton;
    TButton* EditButton;
    TButton* Button1;
    TStatusBar* StatusBar1;

    QsSNMPRequest2Edits* FileRequest = nullptr;

private:
    template <class C> C* Make(TWinControl* parent, const char* name);
    void BuildControls();
    void BuildColumns(TPanel* lower);
    void BuildButtons(TPanel* column);
    void Handle(const std::function<void()>& work) { qs::Guarded(StatusOut(), work); }
    std::vector<TCheckBox*> IncludeChecks() const;

    qs::RequestShutdown shutdown_;
};

extern TfrmAgentSupportedUpdateFiles* frmAgentSupportedUpdateFiles;
