// TARPConfigForm: the device's IP-to-MAC translation table (ipNetToPhysicalTable), listed, added,
// changed and deleted; TARPAddEdit, its add/edit dialog, holds the editors, which are bound into
// the list's request, so both dialogs write through one request.
#pragma once

#include "FeatureDialog.h"
#include "RowSelection.h"

class QsSNMPRequest2Edits;
class TARPAddEdit;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TStaticText;

class TARPConfigForm : public qs::FeatureDialog {
public:
    explicit TARPConfigForm(TComponent* owner);
    ~TARPConfigForm() override;

    void FormCreate();
    void RefreshBtnClick();
    void AddBtnClick();
    void EditBtnClick();
    void DelBtnClick();
    void ListView1Click();
    // The add/edit dialog's write; true when the SET was sent, so the dialog may close.
    bool WriteFromEditor(bool addMode);

    enum Column { kIndex, kIpType, kIp, kMac, kType, kState, kRowStatus };

    TListView* ListView1;
    TStaticText* StaticText;
    TButton* AddBtn;
    TButton* EditBtn;
    TButton* DelBtn;
    TButton* RefreshBtn;
    TButton* CloseBtn;

    QsSNMPRequest2Edits* ArpRequest = nullptr;
    TARPAddEdit* Editor = nullptr;

private:
    // What Add found in the editors, put back by an Edit that follows it without a row click.
    struct SavedEditors {
        QString index, address, mac;
        int type = -1, state = -1, rowStatus = -1;
        bool valid = false;
    };
    void BuildControls();
    void BindEditor();
    void ShowEditor();
    bool KeysValid();
    bool Refuse(const QString& message, TEdit* edit) const;

    SavedEditors saved_;
    qs::RowButtons rowButtons_;
};

extern TARPConfigForm* ARPConfigForm;
