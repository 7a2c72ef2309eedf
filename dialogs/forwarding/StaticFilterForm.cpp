#include "StaticFilterForm.h"

#include "AccessMarks.h"
#include "AddressEdits.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogHelpers.h"
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
#include "stackingPortUitFormUnit.h"

namespace qs {

namespace {
constexpr int kPermanent = 2; // positions in the status combo
const char* const kEmptyKeys = "Please input VLAN ID and MAC Address.";
const char* const kBadMac = "Please input a valid MAC address.";

} // namespace

StaticFilterForm::StaticFilterForm(TComponent* owner, const StaticFilterConfig& config)
    : FeatureDialog(owner, config.formName, QString::fromLatin1(config.caption), QSize(760, 480)),
      Ports(this), config_(config), rowButtons_({}, {}) {
    BuildControls();
    std::vector<TControl*> onRow{DeleteButton};
    if (SetBtn) {
        onRow.push_back(SetBtn);
    }
    rowButtons_ = RowButtons(onRow, {AddButton});
    OnCreate = [this](TObject*) { FormCreate(); };
}

StaticFilterForm::~StaticFilterForm() {
    Shutdown.Run();
}

void StaticFilterForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(210);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    List = Make<TListView>(nullptr, config_.listName);
    List->SetAlign(alClient);
    auto* group = Make<TPanel>(lower, "GroupBox1");
    group->SetAlign(alTop);
    group->SetHeight(36);
    PageControl1 = Make<TPageControl>(lower, "PageControl1");
    PageControl1->SetAlign(alClient);
    BuildEditors(group);
    BuildButtonColumn(column);
    List->OnClick = [this](TObject*) { Handle([this] { ListClick(); }); };
    FollowRowCount(List, ST_Count);
}

void StaticFilterForm::BuildEditors(TPanel* group) {
    VidLabel = Make<TLabel>(group, config_.vidLabelName);
    VidLabel->SetCaption(QStringLiteral("VLAN ID"));
    VidLabel->SetBounds(8, 10, 50, 16);
    VidEdit = Make<TEdit>(group, config_.vidName);
    VidEdit->SetBounds(62, 6, 70, 22);
    MacLabel = Make<TLabel>(group, config_.macLabelName);
    MacLabel->SetCaption(QString::fromLatin1(config_.macLabelCaption));
    MacLabel->SetBounds(150, 10, 88, 16);
    MacEdit = Make<TEdit>(group, config_.macName);
    MacEdit->SetBounds(242, 6, 140, 22);
    StatusLabel = Make<TLabel>(group, config_.statusLabelName);
    StatusLabel->SetCaption(QStringLiteral("Status"));
    StatusLabel->SetVisible(false);
    StatusCombo = Make<TComboBox>(group, config_.statusName);
    StatusCombo->SetVisible(false);
    ReceivePort = Make<TEdit>(group, "ReceivePort");
    ReceivePort->SetVisible(false);
    ReceivePort->SetText(QStringLiteral("0"));
}

void StaticFilterForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"Label1", &SamplesLabel, "ST_Count", &ST_Count},
                         {{&RefreshBtn, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }},
                          {&AddButton, config_.addName, "Add", [this] { AddBtnClick(); }},
                          {&SetBtn, "SetBtn", "Set", [this] { SetBtnClick(); }, config_.multicast},
                          {&DeleteButton, config_.deleteName, "Delete", [this] { DeleteBtnClick(); }},
                          {&btnClose, "btnClose", "Close", [this] { Close(); }}});
}

void StaticFilterForm::FormCreate() {
    Ports.PlaceOnTab(QString::fromLatin1(config_.tabCaption), PageControl1);
    FilterRequest = MakeTableRequest(List, Ports);
    FilterRequest->Request.List = QsSNMPVarList(config_.table, MVT_UMV, 3);
    StatusOut().AttachTo(*FilterRequest);
    GuardedStatusLine(FilterRequest, [this] {
        FilterRequest->BindListView(List, true);
        FilterRequest->AfterGetHook = [this] { FitColumns(List); };
        FilterRequest->BindEdits(kVlan, "%i{n1x4094}", {VidEdit});
        FilterRequest->BindEdits(kMac, "%h", {MacEdit});
        FilterRequest->BindEdits(kReceivePort, "%i", {ReceivePort});
        Ports.Bind(*FilterRequest, kPorts);
        FilterRequest->BindComboBox(kStatus, StatusCombo);
        FilterRequest->Refresh();
    });
    ShowRowCount(List, ST_Count);
    ShowRowState(false);
}

void StaticFilterForm::RefreshBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    FilterRequest->Request.Active = true;
    // A walk still running already reads every row; a second one over it would list rows twice.
    if (!FilterRequest->Busy) {
        GuardedStatusLine(FilterRequest, [this] { FilterRequest->Refresh(); });
    }
    ShowRowCount(List, ST_Count);
    if (config_.multicast) {
        ClearEditors();
        ShowRowState(false);
    }
}

bool StaticFilterForm::KeysValid() {
    if (VidEdit->Text().isEmpty() || MacEdit->Text().isEmpty()) {
        ShowMessage(QString::fromLatin1(kEmptyKeys));
        return false;
    }
    if (!qs::TakeMacEdit(MacEdit)) {
        ShowMessage(QString::fromLatin1(kBadMac));
        MacEdit->SetFocus();
        return false;
    }
    return true;
}

void StaticFilterForm::AddBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    if (!config_.multicast && (VidEdit->Text().isEmpty() || MacEdit->Text().isEmpty())) {
        ShowMessage(QString::fromLatin1(kEmptyKeys));
        return;
    }
    if (FilterRequest->Busy) {
        ShowMessage(config_.multicast ? QStringLiteral("Get data not complete")
                                      : QStringLiteral("Get data not complete."));
        return;
    }
    if (!config_.multicast && Ports.Picker()->CountCheckedPorts() == 0) {
        ShowMessage(QStringLiteral("Please select a port to config,be sure the VLAN contains the port."));
        return;
    }
    if (!KeysValid()) {
        return;
    }
    StatusCombo->SetItemIndex(kPermanent);
    GuardedStatusLine(FilterRequest, [this] { FilterRequest->Apply(true, true, std::string(), nullptr); });
    ClearEditors();
    if (config_.multicast) {
        ShowRowState(false);
    }
}

void StaticFilterForm::SetBtnClick() {
    if (RequestsEnded() || List->Selected() == nullptr) {
        return;
    }
    if (FilterRequest->Busy) {
        ShowMessage(QStringLiteral("Get data not complete"));
        return;
    }
    if (!KeysValid()) {
        return;
    }
    SetBtn->SetEnabled(false);
    GuardedStatusLine(FilterRequest, [this] {
        AccessMarks marks(FilterRequest->Request.List);
        marks.Exclude({kStatus});
        FilterRequest->Apply(true, true, std::string(), nullptr);
    });
    ClearEditors();
    ShowRowState(false);
}

void StaticFilterForm::DeleteBtnClick() {
    if (RequestsEnded() || List->Selected() == nullptr) {
        return;
    }
    GuardedStatusLine(FilterRequest, [this] { DeleteRow(FilterRequest, kStatus, "invalid"); });
    if (List->ItemCount() == 0) {
        ST_Count->SetCaption(QStringLiteral("0"));
    }
    ClearEditors();
    ShowRowState(false);
}

void StaticFilterForm::ListClick() {
    const TListItem* row = List->Selected();
    if (row == nullptr) {
        ClearEditors();
        ShowRowState(false);
        return;
    }
    VidEdit->SetText(row->Caption());
    MacEdit->SetText(row->SubItem(0));
    ShowRowState(true);
}

void StaticFilterForm::ShowRowState(bool rowSelected) {
    rowButtons_.Show(rowSelected);
    if (config_.multicast) {
        VidEdit->SetEnabled(!rowSelected);
        MacEdit->SetEnabled(!rowSelected);
        StatusCombo->SetEnabled(!rowSelected);
    } else {
        VidEdit->SetReadOnly(rowSelected);
        MacEdit->SetReadOnly(rowSelected);
    }
}

void StaticFilterForm::ClearEditors() {
    Ports.Clear();
    MacEdit->SetText(QString());
    VidEdit->SetText(QString());
    StatusCombo->SetItemIndex(-1);
    ReceivePort->SetText(QStringLiteral("0"));
    ShowRowCount(List, ST_Count);
}

} // namespace qs
