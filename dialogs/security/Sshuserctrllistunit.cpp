#include "Sshuserctrllistunit.h"

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
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableReads.h"

TSSHUserCtrlList* SSHUserCtrlList = nullptr;
TSSHUserCtrlEdit* SSHUserCtrlEdit = nullptr;

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
    SampleLabel = Make<TLabel>(column, "SampleLabel");
    SampleLabel->SetCaption(QStringLiteral("Sample"));
    SampleLabel->SetBounds(12, 8, 86, 16);
    StaticText = Make<TStaticText>(column, "StaticText");
    StaticText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText->SetCaption(QStringLiteral("0"));
    StaticText->SetBounds(12, 26, 86, 22);
    int top = 62;
    auto place = [&](TButton* b) {
        b->SetBounds(12, top, 86, 28);
        top += 36;
        return b;
    };
    btnRefresh = place(MakeButton(column, "btnRefresh", "Refresh", [this] { btnRefreshClick(); }));
    btnEdit = place(MakeButton(column, "btnEdit", "Edit", [this] { btnEditClick(); }));
    btnClose = place(MakeButton(column, "btnClose", "Close", [this] { Close(); }));
    qs::FollowRowCount(lvData, StaticText);
}

// The edit dialog is made once, shown again by every Edit, and freed with this dialog.
void TSSHUserCtrlList::FormCreate() {
    Editor = new TSSHUserCtrlEdit(this, this);
    SSHUserCtrlEdit = Editor;
    Editor->FormCreate();
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    UserRequest = request.get();
    Shutdown.SetListView(lvData);
    Shutdown.AddRequest(std::move(request));
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

bool TSSHUserCtrlList::WriteFromEditor() {
    if (RequestsEnded()) {
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
    bool sent = false;
    Handle([&] {
        qs::AccessMarks marks(UserRequest->Request.List);
        if (!hostBased) {
            marks.Exclude({C::kHostName, C::kHostIp});
        }
        sent = UserRequest->Apply(true, true, std::string(), nullptr);
    });
    return sent;
}

namespace {
template <class T> T* MakeAt(TForm* form, const char* name, int left, int top, int width) {
    auto* c = new T(form, form);
    c->SetName(QString::fromLatin1(name));
    c->SetBounds(left, top, width, 22);
    return c;
}

TLabel* LabelAt(TForm* form, const char* name, const char* caption, int top) {
    auto* label = MakeAt<TLabel>(form, name, 16, top + 3, 110);
    label->SetCaption(QString::fromLatin1(caption));
    return label;
}
} // namespace

TSSHUserCtrlEdit::TSSHUserCtrlEdit(TComponent* owner, TSSHUserCtrlList* list) : TForm(owner), list_(list) {
    SetName(QStringLiteral("SSHUserCtrlEdit"));
    SetCaption(QStringLiteral("SSH User Control Edit Table"));
    SetClientWidth(340);
    SetClientHeight(200);
    UserLabel = LabelAt(this, "UserLabel", "User Name", 16);
    edtUserName = MakeAt<TEdit>(this, "edtUserName", 130, 16, 190);
    ModeLabel = LabelAt(this, "ModeLabel", "Auth Mode", 48);
    cbbAuthMode = MakeAt<TComboBox>(this, "cbbAuthMode", 130, 48, 190);
    cbbAuthMode->OnChange = [this](TObject*) { cbbAuthModeChange(); };
    HostNameLabel = LabelAt(this, "HostNameLabel", "Host Name", 80);
    edtHostName = MakeAt<TEdit>(this, "edtHostName", 130, 80, 190);
    HostIpLabel = LabelAt(this, "HostIpLabel", "Host IP Address", 112);
    edtHostIPAddr = MakeAt<TEdit>(this, "edtHostIPAddr", 130, 112, 190);
    btnSet = MakeAt<TButton>(this, "btnSet", 140, 156, 84);
    btnSet->SetCaption(QStringLiteral("Set"));
    btnSet->OnClick = [this](TObject*) { btnSetClick(); };
    btnClose = MakeAt<TButton>(this, "btnClose", 236, 156, 84);
    btnClose->SetCaption(QStringLiteral("Close"));
    btnClose->OnClick = [this](TObject*) { Close(); };
}

void TSSHUserCtrlEdit::FormCreate() {
    cbbAuthModeChange();
}

bool TSSHUserCtrlEdit::HostBased() const {
    return cbbAuthMode->ItemIndex() == 0;
}

void TSSHUserCtrlEdit::cbbAuthModeChange() {
    edtHostName->SetEnabled(HostBased());
    edtHostIPAddr->SetEnabled(HostBased());
}

// The dialog closes only on a write that was sent; otherwise it stays open with what was typed.
void TSSHUserCtrlEdit::btnSetClick() {
    if (list_->WriteFromEditor()) {
        Close();
    }
}
