#include "MSEditForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "SharedOptions.h"
#include "SubDialogControls.h"
#include "WriteTaken.h"

TMSEditForm* MSEditForm = nullptr;

namespace {

const QsSNMPVarDesc* MemberVars() {
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.8.1.3.1.1", "ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.8", "Member Candidate ID", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.9", "Member Password", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.10", "Member Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

constexpr int kCreateAndGo = 1; // positions in Row_Status
constexpr int kDestroy = 2;
const char* const kIdFormat = "%i{n1x32l2a}";

} // namespace

TMSEditForm::TMSEditForm(TComponent* owner, TListView* members, qs::StatusArea status)
    : TForm(owner), members_(members), status_(status) {
    BuildControls();
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    MemberRequest = request.get();
    shutdown_.AddRequest(std::move(request));
    qs::Guarded(status_, [this] {
        MemberRequest->Request.List = QsSNMPVarList(MemberVars(), MVT_SV, 1);
        MemberRequest->BindEdits(kId, kIdFormat, {MSIDEdit});
        MemberRequest->BindEdits(kCandidateId, kIdFormat, {KeyIDEdit});
        MemberRequest->BindEdits(kPassword, "%s", {MS_Password});
        MemberRequest->BindComboBox(kRowStatus, Row_Status);
    });
}

TMSEditForm::~TMSEditForm() {
    shutdown_.Run();
}

void TMSEditForm::BuildControls() {
    SetName(QStringLiteral("MSEditForm"));
    SetCaption(QStringLiteral("MS Add"));
    SetClientWidth(330);
    SetClientHeight(196);
    const char* captions[] = {"Member Switch ID\n", "Member Candidate ID", "Member Password",
                              "Member Row Status"};
    const char* names[] = {"Label1", "Label2", "Label3", "Label4"};
    TLabel** labels[] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = qs::MakeOn<TLabel>(this, names[i], 16, 18 + 36 * i, 140, 34);
        (*labels[i])->SetAutoSize(false);
        (*labels[i])->SetCaption(QString::fromLatin1(captions[i]));
    }
    MSIDEdit = qs::MakeOn<TEdit>(this, "MSIDEdit", 164, 20, 150);
    KeyIDEdit = qs::MakeOn<TEdit>(this, "KeyIDEdit", 164, 56, 150);
    KeyIDEdit->SetEnabled(false);
    MS_Password = qs::MakeOn<TEdit>(this, "MS_Password", 164, 92, 150);
    Row_Status = qs::MakeOn<TComboBox>(this, "Row_Status", 164, 128, 150);
    SetButton = qs::MakeOn<TButton>(this, "SetButton", 120, 160, 90, 28);
    SetButton->SetCaption(QStringLiteral("Set"));
    SetButton->OnClick = [this](TObject*) { SetButtonClick(); };
    CloseButton = qs::MakeOn<TButton>(this, "CloseButton", 224, 160, 90, 28);
    CloseButton->SetCaption(QStringLiteral("Close"));
    CloseButton->OnClick = [this](TObject*) { Close(); };
}

// Run by Add as the dialog is shown (not on every activation: closing a message box activates
// the dialog again, and that must not empty what the user typed). Row_Status keeps the position
// Add gave it (createAndGo), so a new member needs no choice there; the password stays from the
// previous Add.
void TMSEditForm::FormActivate() {
    if (EditMode != Mode::Add) {
        return;
    }
    KeyIDEdit->SetEnabled(true);
    MSIDEdit->SetText(QString());
    KeyIDEdit->SetText(QString());
}

bool TMSEditForm::CheckAddInput() {
    for (int i = 0; i < members_->ItemCount(); ++i) {
        if (members_->Item(i)->Caption() == MSIDEdit->Text()) {
            WarningBox(this,
                       QStringLiteral(
                           "There is already a record with the same Member Switch ID. Please modified it."));
            return false;
        }
    }
    const struct {
        bool missing;
        const char* message;
        TWinControl* control;
    } checks[] = {
        {MSIDEdit->Text().isEmpty(), "Member Siwitch ID is needed.", MSIDEdit},
        {KeyIDEdit->Text().isEmpty(), "Member Candidate ID is needed.", KeyIDEdit},
        {Row_Status->ItemIndex() != kCreateAndGo, "Member Row State must be createAndGo.", Row_Status},
    };
    for (const auto& c : checks) {
        if (c.missing) {
            ShowMessage(QString::fromLatin1(c.message));
            c.control->SetFocus();
            return false;
        }
    }
    return true;
}

void TMSEditForm::SetButtonClick() {
    if (shutdown_.Done() || (EditMode == Mode::Add && !CheckAddInput())) {
        return;
    }
    const bool taken = qs::WriteTaken(
        *MemberRequest,
        [this] {
            bool sent = false;
            qs::Guarded(status_, [&] {
                MemberRequest->Request.List.InstanceSuffix = MSIDEdit->Text().toStdString();
                sent = MemberRequest->Apply(true, true, std::string(), nullptr);
            });
            return sent;
        },
        [this] { return shutdown_.Done(); });
    if (taken) {
        Close(); // a refused write leaves what was typed for the user to correct
    }
}

void TMSEditForm::DeleteMember(const QString& id) {
    if (shutdown_.Done()) {
        return;
    }
    EditMode = Mode::Edit;
    Row_Status->SetItemIndex(kDestroy);
    qs::AccessMarks marks(MemberRequest->Request.List);
    marks.Exclude({kCandidateId, kPassword});
    MemberRequest->Request.List.InstanceSuffix = id.toStdString();
    MemberRequest->Apply(true, true, std::string(), nullptr);
}
