#include "SSHUserCtrlList.h"

#include "AccessMarks.h"
#include "AddressValidators.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "KeyText.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "RowSelection.h"
#include "SSHUserCtrlEdit.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "WriteTaken.h"

TSSHUserCtrlList* SSHUserCtrlList = nullptr;

namespace {

const QsOption AuthModeOptions[] = {{1, "hostbased"}, {2, "password"}, {3, "publickey"}, {}};

const QsSNMPVarDesc* UserVars() {
    static const QsOptionList mode(AuthModeOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.6.4.1.1.1", "UserName", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.6.4.1.1.2", "Authentication Mode", SYN_INTEGER, ACC_READWRITE, &mode},
        {"1.3.6.1.4.1.58613.12.6.4.1.1.3", "Host Name", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.6.4.1.1.4", "Host IP", SYN_IPADDRESS, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

using C = TSSHUserCtrlList::Column;

} // namespace

TSSHUserCtrlList::TSSHUserCtrlList(TComponent* owner)
    : FeatureDialog(owner, "SSHUserCtrlList", QStringLiteral("SSHUserCtrlList"), QSize(560, 320)) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TSSHUserCtrlList::~TSSHUserCtrlList() {
    Shutdown.Run();
    SSHUserCtrlEdit = nullptr;
}

void TSSHUserCtrlList::BuildControls() {
    MakeStatusBar(true)->SetName(QStringLiteral("statBar"));
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    lvData = Make<TListView>(nullptr, "lvData");
    lvData->SetAlign(alClient);
    lvData->OnClick = [this](TObject*) { Handle([this] { lvDataClick(); }); };
    lvData->OnDblClick = [this](TObject*) { Handle([this] { btnEditClick(); }); };
    qs::FillButtonColumn(*this, column, {"SampleLabel", &SampleLabel, "StaticText", &StaticText, "Sample"},
                         {{&btnRefresh, "btnRefresh", "Refresh", [this] { btnRefreshClick(); }},
                          {&btnEdit, "btnEdit", "Edit", [this] { btnEditClick(); }},
                          {&btnClose, "btnClose", "Close", [this] { Close(); }}});
    qs::FollowRowCount(lvData, StaticText);
}

// The edit dialog is made once, shown again by every Edit, and freed with this dialog.
void TSSHUserCtrlList::FormCreate() {
    Editor = new TSSHUserCtrlEdit(
        this, [this] { return WriteFromEditor(); }, StatusOut());
    SSHUserCtrlEdit = Editor;
    Editor->FormCreate();
    UserRequest = MakeTableRequest(lvData);
    Handle([this] {
        UserRequest->Request.List = QsSNMPVarList(UserVars(), MVT_UMV, 1);
        UserRequest->BindListView(lvData, true);
        UserRequest->AfterGetHook = [this] { qs::FitColumns(lvData); };
        UserRequest->BindEdits(C::kUserName, "%s", {Editor->edtUserName});
        UserRequest->BindComboBox(C::kAuthMode, Editor->cbbAuthMode);
        UserRequest->BindEdits(C::kHostName, "%s{l32}", {Editor->edtHostName});
        UserRequest->BindEdits(C::kHostIp, "%s{I}", {Editor->edtHostIPAddr});
        StatusOut().AttachTo(*UserRequest);
        UserRequest->Refresh();
    });
    btnEdit->SetEnabled(false);
    qs::ShowRowCount(lvData, StaticText);
}

void TSSHUserCtrlList::btnRefreshClick() {
    if (RequestsEnded()) {
        return;
    }
    UserRequest->Request.Active = true;
    // A walk still running already reads every row; a second one over it would list rows twice.
    if (!UserRequest->Busy) {
        Handle([this] { UserRequest->Refresh(); });
    }
    btnEdit->SetEnabled(false);
    qs::ShowRowCount(lvData, StaticText);
}

void TSSHUserCtrlList::btnEditClick() {
    Editor->ShowModal();
}

void TSSHUserCtrlList::lvDataClick() {
    if (lvData->Selected() != nullptr) {
        btnEdit->SetEnabled(true);
        Editor->cbbAuthModeChange();
    }
}

// The user name is the row's instance: an empty one would name no account and is refused.
bool TSSHUserCtrlList::WriteFromEditor() {
    if (RequestsEnded()) {
        return false;
    }
    if (Editor->edtUserName->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Please input the user name."));
        if (Editor->edtUserName->isEnabled()) {
            Editor->edtUserName->SetFocus();
        }
        return false;
    }
    const bool hostBased = Editor->HostBased();
    if (hostBased) {
        if (!IsValidIPv4Control(Editor->edtHostIPAddr)) {
            return false;
        }
        Editor->edtHostIPAddr->SetText(qs::DottedQuadKey(Editor->edtHostIPAddr->Text()).value_or(QString()));
    }
    if (!qs::AwaitIdleForWrite(*UserRequest)) {
        ShowMessage(QStringLiteral("Get data not complete"));
        return false;
    }
    return qs::WriteTaken(
        *UserRequest,
        [&] {
            bool sent = false;
            Handle([&] {
                qs::AccessMarks marks(UserRequest->Request.List);
                if (!hostBased) {
                    marks.Exclude({C::kHostName, C::kHostIp});
                }
                sent = UserRequest->Apply(true, true, std::string(), nullptr);
            });
            return sent;
        },
        [this] { return RequestsEnded(); });
}
