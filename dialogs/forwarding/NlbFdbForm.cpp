#include "NlbFdbForm.h"

#include "AccessMarks.h"
#include "AddressEdits.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

namespace qs {

namespace {
// Columns of the multicast table; the unicast table has no VLAN column before them.
enum { kVlan, kMac, kPorts, kRowStatus };
constexpr int kCreateAndGo = 1; // positions in the status combo
constexpr int kDestroy = 2;

} // namespace

NlbFdbForm::NlbFdbForm(TComponent* owner, const NlbFdbConfig& config)
    : FeatureDialog(owner, config.formName, QString::fromLatin1(config.caption), QSize(760, 480)),
      Ports(this), config_(config) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

NlbFdbForm::~NlbFdbForm() {
    Shutdown.Run();
}

void NlbFdbForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(200);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    LV_dot1qStaticUnicastEntry = Make<TListView>(nullptr, "LV_dot1qStaticUnicastEntry");
    LV_dot1qStaticUnicastEntry->SetAlign(alClient);
    LV_dot1qStaticUnicastEntry->OnClick = [this](TObject*) {
        Handle([this] { LV_dot1qStaticUnicastEntryClick(); });
    };
    auto* group = Make<TPanel>(lower, "GroupBox1");
    group->SetAlign(alTop);
    group->SetHeight(36);
    pgc1 = Make<TPageControl>(lower, "pgc1");
    pgc1->SetAlign(alClient);
    BuildEditors(group);
    BuildButtonColumn(column);
    FollowRowCount(LV_dot1qStaticUnicastEntry, ST_Count);
}

void NlbFdbForm::BuildEditors(TPanel* group) {
    Label8 = Make<TLabel>(group, "Label8");
    Label8->SetCaption(QStringLiteral("VLAN ID"));
    Label8->SetBounds(8, 10, 50, 16);
    VidEdit = Make<TEdit>(group, config_.vidName);
    VidEdit->SetBounds(62, 6, 70, 22);
    Label9 = Make<TLabel>(group, "Label9");
    Label9->SetCaption(QStringLiteral("MAC  Address"));
    MacEdit = Make<TEdit>(group, config_.macName);
    // The unicast dialog has no VLAN: the MAC address moves into its place.
    const int left = config_.multicast ? 150 : 8;
    Label9->SetBounds(left, 10, 88, 16);
    MacEdit->SetBounds(left + 92, 6, 140, 22);
    Label8->SetVisible(config_.multicast);
    VidEdit->SetVisible(config_.multicast);
    Label10 = Make<TLabel>(group, "Label10");
    Label10->SetCaption(QStringLiteral("Status"));
    Label10->SetVisible(false);
    UStatus = Make<TComboBox>(group, "UStatus");
    UStatus->SetVisible(false);
}

void NlbFdbForm::BuildButtonColumn(TPanel* column) {
    const qs::ButtonColumn made =
        qs::FillButtonColumn(*this, column, "lbl1", "Samples", "ST_Count",
                             {{"RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }},
                              {"AddBtn", "Add", [this] { AddBtnClick(); }},
                              {"DeleteBtn", "Delete", [this] { DeleteBtnClick(); }},
                              {"CloseButton", "Close", [this] { Close(); }},
                              {"SetBtn", "Set", [this] { SetBtnClick(); }}});
    lbl1 = made.samples;
    ST_Count = made.count;
    RefreshBtn = made.buttons[0];
    AddBtn = made.buttons[1];
    DeleteBtn = made.buttons[2];
    CloseButton = made.buttons[3];
    SetBtn = made.buttons[4];
}

void NlbFdbForm::FormCreate() {
    Ports.PlaceOn(pgc1);
    NlbRequest = MakeTableRequest(LV_dot1qStaticUnicastEntry, Ports);
    Handle([this] {
        NlbRequest->Request.List = QsSNMPVarList(config_.table, MVT_UMV, config_.multicast ? 2 : 1);
        StatusOut().AttachTo(*NlbRequest);
        NlbRequest->BindListView(LV_dot1qStaticUnicastEntry, true);
        NlbRequest->AfterGetHook = [this] { FitColumns(LV_dot1qStaticUnicastEntry); };
        if (config_.multicast) {
            NlbRequest->BindEdits(kVlan, "%i{n1x4094}", {VidEdit});
        }
        NlbRequest->BindEdits(Column(kMac), "%h", {MacEdit});
        Ports.Bind(*NlbRequest, Column(kPorts));
        NlbRequest->BindComboBox(Column(kRowStatus), UStatus);
        NlbRequest->Refresh();
    });
    ShowRowCount(LV_dot1qStaticUnicastEntry, ST_Count);
    ResetEditors();
}

void NlbFdbForm::RefreshBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    NlbRequest->Request.Active = true;
    if (!NlbRequest->Busy) {
        GuardedStatusLine(NlbRequest, [this] {
            NlbRequest->Refresh();
            ShowRowCount(LV_dot1qStaticUnicastEntry, ST_Count);
        });
    }
    ResetEditors();
}

bool NlbFdbForm::KeysValid() {
    if ((config_.multicast && VidEdit->Text().isEmpty()) || MacEdit->Text().isEmpty()) {
        ShowMessage(QString::fromLatin1(config_.emptyKeys));
        return false;
    }
    if (!qs::TakeMacEdit(MacEdit)) {
        ShowMessage(QStringLiteral("Please input a valid MAC address."));
        if (MacEdit->isEnabled()) {
            MacEdit->SetFocus();
        }
        return false;
    }
    return true;
}

void NlbFdbForm::AddBtnClick() {
    if (RequestsEnded() || !KeysValid()) {
        return;
    }
    if (NlbRequest->Busy) {
        ShowMessage(QStringLiteral("Get data not complete"));
        return;
    }
    UStatus->SetItemIndex(kCreateAndGo);
    Handle([this] { NlbRequest->Apply(true, true, std::string(), nullptr); });
    ResetEditors();
}

// The list keeps its rows until Refresh: the SET is still outstanding when the Refresh sequence
// runs, so it starts no walk.
void NlbFdbForm::SetBtnClick() {
    if (RequestsEnded() || !KeysValid()) {
        return;
    }
    Handle([this] { NlbRequest->Apply(false, true, std::string(), nullptr); });
    RefreshBtnClick();
}

void NlbFdbForm::DeleteBtnClick() {
    if (RequestsEnded() || !KeysValid()) {
        return;
    }
    UStatus->SetItemIndex(kDestroy);
    Handle([this] {
        AccessMarks marks(NlbRequest->Request.List);
        const int ports[] = {Column(kPorts)};
        marks.Exclude(ports);
        NlbRequest->Apply(true, true, std::string(), nullptr);
        ShowRowCount(LV_dot1qStaticUnicastEntry, ST_Count);
    });
    ResetEditors();
}

void NlbFdbForm::LV_dot1qStaticUnicastEntryClick() {
    const TListItem* row = LV_dot1qStaticUnicastEntry->Selected();
    if (row == nullptr) {
        ResetEditors();
        return;
    }
    if (config_.multicast) {
        VidEdit->SetText(row->Caption());
        MacEdit->SetText(row->SubItem(0));
    } else {
        MacEdit->SetText(row->Caption());
    }
    DeleteBtn->SetEnabled(true);
    SetBtn->SetEnabled(true);
    AddBtn->SetEnabled(false);
    VidEdit->SetEnabled(false);
    MacEdit->SetEnabled(false);
}

void NlbFdbForm::ResetEditors() {
    Ports.Clear();
    MacEdit->SetText(QString());
    VidEdit->SetText(QString());
    UStatus->SetItemIndex(-1);
    VidEdit->SetEnabled(true);
    MacEdit->SetEnabled(true);
    for (TButton* b : {RefreshBtn, AddBtn, CloseButton}) {
        b->SetEnabled(true);
    }
    SetBtn->SetEnabled(false);
    DeleteBtn->SetEnabled(false);
}

} // namespace qs
