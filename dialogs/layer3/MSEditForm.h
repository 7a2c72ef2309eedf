// TMSEditForm: the add sub-dialog of the member switch list. Unlike the other add dialogs it has
// a request of its own, a list of one row whose instance suffix is the member ID: every column is
// sent at its OID "." ID, and the suffix is replaced for each write, never appended.
#pragma once

#include "FailureReport.h"
#include "Form.h"
#include "RequestShutdown.h"

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;

class TMSEditForm : public TForm {
public:
    enum class Mode { Add, Edit };
    enum Column { kId, kCandidateId, kPassword, kRowStatus };

    // members: the list dialog's rows (the IDs already used); status: where exceptions go.
    TMSEditForm(TComponent* owner, TListView* members, qs::StatusArea status);
    ~TMSEditForm() override;

    void FormActivate();
    void SetButtonClick();
    // Sends Member Row Status destroy for the member id, without asking.
    void DeleteMember(const QString& id);

    TLabel* Label1;
    TEdit* MSIDEdit;
    TLabel* Label2;
    TEdit* KeyIDEdit;
    TLabel* Label3;
    TEdit* MS_Password;
    TLabel* Label4;
    TComboBox* Row_Status;
    TButton* SetButton;
    TButton* CloseButton;

    Mode EditMode = Mode::Add;
    QsSNMPRequest2Edits* MemberRequest = nullptr;

private:
    void BuildControls();
    bool CheckAddInput();

    TListView* members_;
    qs::StatusArea status_;
    qs::RequestShutdown shutdown_;
};

extern TMSEditForm* MSEditForm;
