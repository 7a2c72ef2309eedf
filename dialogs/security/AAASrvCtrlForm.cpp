#include "AAASrvCtrlForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "KeyText.h"
#include "Label.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "StatusBar.h"
#include "TableLayout.h"

TAAASrvCtrlForm* AAASrvCtrlForm = nullptr;

namespace {

const QsOption GroupProtocolOptions[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {}};
const QsOption AddDeleteOptions[] = {{1, "add"}, {2, "delete"}, {}};

const QsSNMPVarDesc* GroupHostVars() {
    static const QsOptionList protocol(GroupProtocolOptions, OVT_INT);
    static const QsOptionList operation(AddDeleteOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.5.12.1.1", "Group Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.5.12.1.2", "IP Address", SYN_IPADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.5.12.1.3", "Authentication Protocol", SYN_INTEGER, ACC_NOTACCESS, &protocol},
        {"1.3.6.1.4.1.58613.12.5.12.1.4", "Row State", SYN_INTEGER, ACC_READWRITE, &operation},
        {nullptr},
    };
    return table;
}

using C = TAAASrvCtrlForm::Column;

} // namespace

TAAASrvCtrlForm::TAAASrvCtrlForm(TComponent* owner)
    : FeatureDialog(owner, "AAASrvCtrlForm", QStringLiteral("Server Control Form"), QSize(420, 220)) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TAAASrvCtrlForm::~TAAASrvCtrlForm() {
    Shutdown.Run();
}

void TAAASrvCtrlForm::BuildControls() {
    MakeStatusBar(false)->SetName(QStringLiteral("stbResult"));
    const char* captions[] = {"Server Group Name", "Server IP Address", "Server Authentication Protocol",
                              "Operate"};
    TLabel** labels[] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = Make<TLabel>(nullptr, (std::string("Label") + std::to_string(i + 1)).c_str());
        (*labels[i])->SetCaption(QString::fromLatin1(captions[i]));
        (*labels[i])->SetBounds(16, 19 + 34 * i, 200, 16);
    }
    edtSrvGrpName = Make<TEdit>(nullptr, "edtSrvGrpName");
    edtSrvGrpName->SetBounds(220, 16, 180, 22);
    edtSrvIP = Make<TEdit>(nullptr, "edtSrvIP");
    edtSrvIP->SetBounds(220, 50, 180, 22);
    cbxAuthPtcl = Make<TComboBox>(nullptr, "cbxAuthPtcl");
    cbxAuthPtcl->SetBounds(220, 84, 180, 22);
    cbxOper = Make<TComboBox>(nullptr, "cbxOper");
    cbxOper->SetBounds(220, 118, 180, 22);
    lvOper = Make<TListView>(nullptr, "lvOper");
    lvOper->SetVisible(false);
    qs::FillButtons(*this, nullptr,
                    {{&btnSet, "btnSet", "Set", [this] { btnSetClick(); }},
                     {&btnClose, "btnClose", "Close", [this] { Close(); }}},
                    {.left = 220, .top = 156, .step = 94, .across = true});
}

void TAAASrvCtrlForm::FormCreate() {
    GroupRequest = MakeTableRequest(lvOper);
    Handle([this] {
        GroupRequest->Request.List = QsSNMPVarList(GroupHostVars(), MVT_UMV, 3);
        GroupRequest->BindListView(lvOper, true);
        GroupRequest->BindEdits(C::kGroupName, "%s{l15}", {edtSrvGrpName});
        GroupRequest->BindEdits(C::kServerIp, "%s{l16}", {edtSrvIP});
        GroupRequest->BindComboBox(C::kProtocol, cbxAuthPtcl);
        GroupRequest->BindComboBox(C::kRowState, cbxOper);
        StatusOut().AttachTo(*GroupRequest);
        GroupRequest->Refresh();
    });
}

// The tests run in this order and stop at the first failure; the focus does not move. The
// address becomes part of the host row's instance, so it must be a dotted address.
bool TAAASrvCtrlForm::InputValid() {
    const std::pair<bool, const char*> checks[] = {
        {edtSrvGrpName->Text().isEmpty(), "Please input Server Group Name."},
        {edtSrvIP->Text().isEmpty(), "Please input Server IP Address."},
        {cbxAuthPtcl->ItemIndex() < 0, "Please choose Server Authentication Protocol."},
        {cbxOper->ItemIndex() < 0, "Please choose Operate."},
        {!qs::DottedQuadKey(edtSrvIP->Text()), "Please input a valid Server IP Address."},
    };
    for (const auto& [failed, message] : checks) {
        if (failed) {
            ShowMessage(QString::fromLatin1(message));
            return false;
        }
    }
    edtSrvIP->SetText(*qs::DottedQuadKey(edtSrvIP->Text()));
    return true;
}

void TAAASrvCtrlForm::btnSetClick() {
    if (RequestsEnded() || GroupRequest == nullptr || !InputValid()) {
        return;
    }
    // The read into the hidden list may still run: the write waits for it, so it is sent.
    if (!qs::AwaitIdleForWrite(*GroupRequest)) {
        ShowMessage(QStringLiteral("Get data not complete"));
        return;
    }
    Handle([this] { GroupRequest->Apply(false, true, std::string(), nullptr); });
}
