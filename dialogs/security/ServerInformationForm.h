// TServerInformationForm: the authentication server hosts the device knows (one row per server
// address and protocol, with port, key, time-out and retry count), listed, added, changed and
// deleted.
#pragma once

#include "FeatureDialog.h"
#include "RowSelection.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

class TServerInformationForm : public qs::FeatureDialog {
public:
    explicit TServerInformationForm(TComponent* owner);
    ~TServerInformationForm() override;

    void FormCreate();
    void GetButtonClick();
    void ListView1Click();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void ClearEditors();
    void AddState();

    enum Column { kIp, kProtocol, kPort, kKey, kTimeout, kRetry, kRowStatus };

    TListView* ListView1;
    TEdit* IPEdit;
    TComboBox* ProtocolComboBox;
    TEdit* PortEdit;
    TEdit* KeyEdit;
    TEdit* TimeoutEdit;
    TEdit* RetryCEdit;
    TLabel* RowLabel;
    TComboBox* RowComboBox;
    TLabel* SamplesLabel;
    TStaticText* Static;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* btnClose;

    QsSNMPRequest2Edits* ServerRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* group);
    void BuildButtonColumn(TPanel* column);
    bool KeysPresent(bool focus);
    bool AddressValid();
    bool IsListed() const;
    // One SET of the filled-in editors (and Row Status when add), then the table read again.
    void Write(bool add);

    qs::RowButtons rowButtons_;
};

extern TServerInformationForm* ServerInformationForm;
