#include "GuestVlanForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"

TGuestVlanForm* GuestVlanForm = nullptr;

namespace {

const QsSNMPVarDesc GuestVlanVars[] = {
    {"1.3.6.1.4.1.58613.12.30.1.1", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.30.1.2", "Port", SYN_BITSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc GuestVlanNameVars[] = {
    {"1.3.6.1.4.1.58613.12.30.1.1", "Guest VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc* GuestVlanDeleteVars() {
    static const QsOptionList noneStart(NoneStartOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.30.1.3", "Guest VLAN Delete State", SYN_INTEGER, ACC_READWRITE, &noneStart},
        {nullptr},
    };
    return table;
}

constexpr int kName = 0;
constexpr int kPorts = 1;
constexpr int kStart = 1; // "start" in the delete combo
constexpr int kTimeout = 300;

} // namespace

TGuestVlanForm::TGuestVlanForm(TComponent* owner)
    : FeatureDialog(owner, "GuestVlanForm", QStringLiteral("Guest VLAN"), QSize(660, 330)), GuestPorts(this) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TGuestVlanForm::~TGuestVlanForm() {
    Shutdown.Run();
}

void TGuestVlanForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* group = Make<TPanel>(nullptr, "GroupBox1");
    group->SetAlign(alTop);
    group->SetHeight(40);
    pgc1 = Make<TPageControl>(nullptr, "pgc1");
    pgc1->SetAlign(alClient);
    lbl1 = Make<TLabel>(group, "lbl1");
    lbl1->SetCaption(QStringLiteral("Guest VLAN Name"));
    lbl1->SetBounds(8, 12, 110, 16);
    edtName = Make<TEdit>(group, "edtName");
    edtName->SetBounds(122, 8, 200, 22);
    Edit1 = Make<TEdit>(group, "Edit1");
    Edit1->SetText(QStringLiteral("Guest Vlan Name"));
    Edit1->SetVisible(false);
    cbxDel = Make<TComboBox>(group, "cbxDel");
    cbxDel->SetVisible(false);
    qs::FillButtons(*this, column,
                    {{&BT_Get, "BT_Get", "Refresh", [this] { BT_GetClick(); }},
                     {&SetBtn, "SetBtn", "Set", [this] { SetBtnClick(); }},
                     {&DelBtn, "DelBtn", "Delete", [this] { DelBtnClick(); }},
                     {&BT_Close, "BT_Close", "Close", [this] { Close(); }}});
}

void TGuestVlanForm::FormCreate() {
    GuestPorts.PlaceOnTab(QStringLiteral("Guest VLAN Ports"), pgc1);
    Shutdown.AddPicker(&GuestPorts);
    CreateRequests();
    Handle([this] {
        NameRequest->Refresh();
        GuestRequest->Refresh();
    });
}

void TGuestVlanForm::CreateRequests() {
    QsSNMPRequest2Edits** made[] = {&GuestRequest, &NameRequest, &DeleteRequest};
    for (QsSNMPRequest2Edits** r : made) {
        auto request = std::make_unique<QsSNMPRequest2Edits>(this);
        *r = request.get();
        request->Request.Timeout = kTimeout;
        StatusOut().AttachTo(*request);
        Shutdown.AddRequest(std::move(request));
    }
    Handle([this] {
        GuestRequest->Request.List = QsSNMPVarList(GuestVlanVars, SVT_SV, 0);
        GuestRequest->Mode = RM_BLOCKING;
        GuestRequest->BindEdits(kName, "%s", {edtName});
        GuestPorts.Bind(*GuestRequest, kPorts);
        NameRequest->Request.List = QsSNMPVarList(GuestVlanNameVars, SVT_SV, 0);
        NameRequest->BindEdits(0, "%s", {Edit1});
        DeleteRequest->Request.List = QsSNMPVarList(GuestVlanDeleteVars(), SVT_SV, 0);
        DeleteRequest->Mode = RM_BLOCKING;
        DeleteRequest->BindComboBox(0, cbxDel);
    });
}

void TGuestVlanForm::BT_GetClick() {
    if (RequestsEnded() || GuestRequest->Busy) {
        return;
    }
    Handle([this] {
        GuestRequest->Refresh();
        if (!NameRequest->Busy) {
            NameRequest->Refresh();
        }
    });
    if (!DeleteRequest->Busy) {
        Handle([this] { DeleteRequest->Refresh(); });
    }
}

void TGuestVlanForm::SetBtnClick() {
    if (RequestsEnded() || GuestRequest->Busy) {
        return;
    }
    Handle([this] {
        qs::AccessMarks marks(GuestRequest->Request.List);
        // An unchanged name is not sent again: only the ports go out.
        if (!Edit1->Text().isEmpty() && Edit1->Text() == edtName->Text()) {
            marks.Exclude({kName});
        }
        GuestRequest->Apply(true, true, std::string(), nullptr);
    });
    BT_GetClick();
}

void TGuestVlanForm::DelBtnClick() {
    if (RequestsEnded() || DeleteRequest->Busy) {
        return;
    }
    cbxDel->SetItemIndex(kStart);
    Handle([this] { DeleteRequest->Apply(true, true, std::string(), nullptr); });
    BT_GetClick();
}
