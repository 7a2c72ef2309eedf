#include "MBAControlForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"

TMBAControlForm* MBAControlForm = nullptr;

namespace {

const QsOption MethodOptions[] = {{1, "local"}, {2, "radius"}, {}};

const QsSNMPVarDesc* SettingsVars() {
    static const QsOptionList state(DisabledEnabled12Options, OVT_INT);
    static const QsOptionList method(MethodOptions, OVT_INT);
    static const QsOptionList clearAll(OtherStartOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.35.1.1", "State", SYN_INTEGER, ACC_READWRITE, &state},
        {"1.3.6.1.4.1.58613.12.35.1.2", "Method", SYN_INTEGER, ACC_READWRITE, &method},
        {"1.3.6.1.4.1.58613.12.35.1.3", "PassWord", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.35.1.8", "Clear All Action", SYN_INTEGER, ACC_READWRITE, &clearAll},
        {nullptr},
    };
    return table;
}

const QsSNMPVarDesc GuestVlanVars[] = {
    {"1.3.6.1.4.1.58613.12.35.1.4", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.35.1.5", "Member Ports", SYN_BITSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc* NameDeleteVars() {
    static const QsOptionList noneStart(NoneStartOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.35.1.7", "VLAN Name Delete State", SYN_INTEGER, ACC_READWRITE, &noneStart},
        {nullptr},
    };
    return table;
}

const QsSNMPVarDesc CurrentNameVars[] = {
    {"1.3.6.1.4.1.58613.12.35.1.4", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};

constexpr int kName = 0;
constexpr int kPorts = 1;
constexpr int kOther = 0; // positions in the clear-all combo
constexpr int kStart = 1; // and in the name-delete combo
constexpr int kTimeout = 300;

} // namespace

TMBAControlForm::TMBAControlForm(TComponent* owner)
    : FeatureDialog(owner, "MBAControlForm", QStringLiteral("MBA Control"), QSize(660, 420)),
      GuestPorts(this) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TMBAControlForm::~TMBAControlForm() {
    Shutdown.Run();
}

void TMBAControlForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* settings = Make<TPanel>(nullptr, "Panel1");
    settings->SetAlign(alTop);
    settings->SetHeight(140);
    BuildSettings(settings);
    gbStackingPort = Make<TPanel>(nullptr, "gbStackingPort");
    gbStackingPort->SetAlign(alClient);
    qs::FillButtons(*this, column,
                    {{&BT_Get, "BT_Get", "Refresh", [this] { BT_GetClick(); }},
                     {&SetBtn, "SetBtn", "Set", [this] { SetBtnClick(); }},
                     {&DelBtn, "DelBtn", "Delete", [this] { DelBtnClick(); }},
                     {&BT_Close, "BT_Close", "Close", [this] { Close(); }}});
}

void TMBAControlForm::BuildSettings(TPanel* panel) {
    auto label = [&](TLabel*& l, const char* name, const char* caption, int left, int top) {
        l = Make<TLabel>(panel, name);
        l->SetCaption(QString::fromLatin1(caption));
        l->SetBounds(left, top + 4, 120, 16);
    };
    label(Label1, "Label1", "State", 12, 10);
    Cbox_State = Make<TComboBox>(panel, "Cbox_State");
    Cbox_State->SetBounds(136, 10, 150, 24);
    label(Label2, "Label2", "Method", 300, 10);
    Cbox_Method = Make<TComboBox>(panel, "Cbox_Method");
    Cbox_Method->SetBounds(400, 10, 130, 24);
    label(Label3, "Label3", "Password", 12, 44);
    edtPassWord = Make<TEdit>(panel, "edtPassWord");
    edtPassWord->SetBounds(136, 44, 150, 24);
    label(Label4, "Label4", "Clear All Action", 300, 44);
    Cbox_ClearAllAction = Make<TComboBox>(panel, "Cbox_ClearAllAction");
    Cbox_ClearAllAction->SetBounds(400, 44, 130, 24);
    label(Label5, "Label5", "Guest VLAN", 12, 78);
    edtName = Make<TEdit>(panel, "edtName");
    edtName->SetBounds(136, 78, 150, 24);
    label(Label6, "Label6", "VLAN Name Delete State", 300, 78);
    Label6->SetVisible(false);
    cbxDel = Make<TComboBox>(panel, "cbxDel");
    cbxDel->SetVisible(false);
    Edit1 = Make<TEdit>(panel, "Edit1");
    Edit1->SetText(QStringLiteral("Vlan Name"));
    Edit1->SetVisible(false);
    label(Label7, "Label7", "Guest VLAN Member Ports", 12, 114);
    Label7->SetWidth(200);
}

void TMBAControlForm::FormCreate() {
    GuestPorts.PlaceOn(gbStackingPort);
    Shutdown.AddPicker(&GuestPorts);
    CreateRequests();
    Handle([this] {
        BindRequests();
        for (QsSNMPRequest2Edits* r : {NameRequest, SettingsRequest, GuestRequest, DeleteRequest}) {
            qs::RefreshShown(*r);
        }
    });
}

// Ended in this order when the dialog closes: guest VLAN, name-delete, settings, current name.
void TMBAControlForm::CreateRequests() {
    QsSNMPRequest2Edits** made[] = {&GuestRequest, &DeleteRequest, &SettingsRequest, &NameRequest};
    for (QsSNMPRequest2Edits** r : made) {
        auto request = std::make_unique<QsSNMPRequest2Edits>(this);
        *r = request.get();
        Shutdown.AddRequest(std::move(request));
    }
}

void TMBAControlForm::BindRequests() {
    SettingsRequest->Request.List = QsSNMPVarList(SettingsVars(), SVT_SV, 0);
    SettingsRequest->BindComboBox(0, Cbox_State);
    SettingsRequest->BindComboBox(1, Cbox_Method);
    SettingsRequest->BindEdits(2, "%s{l16}", {edtPassWord});
    SettingsRequest->BindComboBox(3, Cbox_ClearAllAction);
    GuestRequest->Request.List = QsSNMPVarList(GuestVlanVars, SVT_SV, 0);
    GuestRequest->BindEdits(kName, "%s", {edtName});
    GuestPorts.Bind(*GuestRequest, kPorts);
    DeleteRequest->Request.List = QsSNMPVarList(NameDeleteVars(), SVT_SV, 0);
    DeleteRequest->BindComboBox(0, cbxDel);
    NameRequest->Request.List = QsSNMPVarList(CurrentNameVars, SVT_SV, 0);
    NameRequest->BindEdits(0, "%s", {Edit1});
    for (QsSNMPRequest2Edits* r : {SettingsRequest, GuestRequest, DeleteRequest, NameRequest}) {
        r->Mode = RM_BLOCKING;
    }
    for (QsSNMPRequest2Edits* r : {SettingsRequest, GuestRequest, DeleteRequest, NameRequest}) {
        StatusOut().AttachTo(*r);
        r->Request.Timeout = kTimeout;
    }
}

void TMBAControlForm::BT_GetClick() {
    if (RequestsEnded()) {
        return;
    }
    for (QsSNMPRequest2Edits* r : {GuestRequest, DeleteRequest, NameRequest, SettingsRequest}) {
        if (r->Busy) {
            return;
        }
        Handle([r] { qs::RefreshShown(*r); });
    }
}

void TMBAControlForm::SetBtnClick() {
    if (RequestsEnded() || SettingsRequest->Busy) {
        return;
    }
    if (edtPassWord->Text().isEmpty()) {
        ShowMessage(QStringLiteral("The Pssword can't be NULL!"));
        return;
    }
    Handle([this] { SetSettings(); });
    if (!GuestRequest->Busy) {
        Handle([this] { SetGuestVlan(); });
    }
}

// A clear-all "start" is sent once: the combo goes back to "other" afterwards, so a later Set
// that only changes another setting does not clear every entry again.
void TMBAControlForm::SetSettings() {
    const bool clearsAll = Cbox_ClearAllAction->ItemIndex() == kStart;
    SettingsRequest->Apply(true, true, std::string(), nullptr);
    if (clearsAll) {
        Cbox_ClearAllAction->SetItemIndex(kOther);
    }
}

void TMBAControlForm::SetGuestVlan() {
    const QString current = Edit1->Text();
    const QString typed = edtName->Text();
    qs::AccessMarks marks(GuestRequest->Request.List);
    if (!current.isEmpty() && current != typed) {
        ShowMessage(QStringLiteral("Can't change the VLAN name,delete previous name first!"));
        return;
    }
    if (current.isEmpty() && typed.isEmpty()) {
        return; // neither the name nor the ports would go: there is nothing to send
    }
    if (!current.isEmpty()) {
        marks.Exclude({kName}); // the name stays: only the member ports go
    }
    GuestRequest->Apply(true, true, std::string(), nullptr);
}

void TMBAControlForm::DelBtnClick() {
    if (RequestsEnded() || DeleteRequest->Busy) {
        return;
    }
    cbxDel->SetItemIndex(kStart);
    Handle([this] { DeleteRequest->Apply(true, true, std::string(), nullptr); });
    BT_GetClick();
}
