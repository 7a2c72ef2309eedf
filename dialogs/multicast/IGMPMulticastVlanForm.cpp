#include "IGMPMulticastVlanForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Edit.h"
#include "IGMPMulticastVLANGroupAddForm.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RequestShutdown.h"
#include "RowSelection.h"
#include "RowShown.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "WriteTaken.h"

TIGMPMulticastVlanForm* IGMPMulticastVlanForm = nullptr;

namespace {

using C = TIGMPMulticastVlanForm::Column;

// The row instance is VLAN ID, first and last address.
const QsSNMPVarDesc* GroupRangeVars() {
    static const QsOptionList status(RowStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.9.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.9.1.2", "From IP", SYN_IPADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.9.1.3", "To IP", SYN_IPADDRESS, ACC_READONLY},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.7.9.1.4", "Status", SYN_INTEGER, ACC_READWRITE, &status},
        {nullptr},
    };
    return table;
}

constexpr int kDestroy = 5; // position in the status combo

} // namespace

TIGMPMulticastVlanForm::TIGMPMulticastVlanForm(TComponent* owner)
    : FeatureDialog(owner, "IGMPMulticastVlanForm", QStringLiteral("IGMP Multicast VLAN Group"),
                    QSize(560, 360)) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TIGMPMulticastVlanForm::~TIGMPMulticastVlanForm() {
    Shutdown.Run();
    delete AddForm;
    IGMPMulticastVLANGroupAddForm = nullptr;
}

void TIGMPMulticastVlanForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    qs::FillButtons(*this, column,
                    {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                     {&btnAdd, "btnAdd", "Add", [this] { btnAddClick(); }},
                     {&btnDelete, "btnDelete", "Delete", [this] { btnDeleteClick(); }},
                     {&btnClose, "btnClose", "Close", [this] { Close(); }}});
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
}

void TIGMPMulticastVlanForm::FormCreate() {
    AddForm = new TIGMPMulticastVLANGroupAddForm(this, [this] { return AddRange(); });
    IGMPMulticastVLANGroupAddForm = AddForm;
    Shutdown.SetListView(ListView1);
    CreateRequest();
}

void TIGMPMulticastVlanForm::CreateRequest() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    GroupRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    Handle([this] {
        btnDelete->SetEnabled(false);
        GroupRequest->Request.List = QsSNMPVarList(GroupRangeVars(), MVT_FMV, 3);
        GroupRequest->BindListView(ListView1, true);
        GroupRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        GroupRequest->BindEdits(C::kVlan, "%i{n2x4094l4}", {AddForm->edtVID});
        GroupRequest->BindEdits(C::kFromIP, "%s", {AddForm->edtFormIP});
        GroupRequest->BindEdits(C::kToIP, "%s", {AddForm->edtToIP});
        GroupRequest->BindComboBox(C::kStatus, AddForm->cbxState);
        qs::FollowRowShown(ListView1, [this] { Handle([this] { ListView1Click(); }); });
        StatusOut().AttachTo(*GroupRequest);
        GroupRequest->Refresh();
    });
}

void TIGMPMulticastVlanForm::btnGetClick() {
    if (RequestsEnded()) {
        return;
    }
    GroupRequest->Request.Active = true;
    if (!GroupRequest->Busy) {
        GroupRequest->Refresh();
    }
}

void TIGMPMulticastVlanForm::btnAddClick() {
    if (RequestsEnded()) {
        return;
    }
    if (GroupRequest->Busy) {
        GroupRequest->Request.Active = false;
    }
    AddForm->SetCaption(QStringLiteral("IGMP Multicast VLAN Group (Add): ") +
                        QString::fromStdString(DeviceAddressText));
    AddForm->ShowForAdd();
}

// A walk stopped by the dialog's Add ends first: its rows and those of the walk that follows the
// SET must not mix.
bool TIGMPMulticastVlanForm::AddRange() {
    StopWalkAndWait();
    return qs::WriteTaken(
        *GroupRequest,
        [this] {
            bool sent = false;
            Handle([&] {
                GroupRequest->Request.Active = true;
                sent = GroupRequest->Apply(true, true, std::string(), nullptr);
            });
            return sent;
        },
        [this] { return RequestsEnded(); });
}

// The range destroyed is always the selected row's: the row is shown in the sub-form's editors
// again before the values are collected, whatever an Add left in them.
void TIGMPMulticastVlanForm::btnDeleteClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr) {
        return;
    }
    StopWalkAndWait();
    if (RequestsEnded() || GroupRequest->Busy || ListView1->Selected() == nullptr) {
        return;
    }
    GroupRequest->RowToValues();
    GroupRequest->ShowValues(-1);
    AddForm->cbxState->SetItemIndex(kDestroy);
    GroupRequest->Request.Active = true;
    GroupRequest->Apply(true, true, std::string(), nullptr);
}

void TIGMPMulticastVlanForm::StopWalkAndWait() {
    if (!RequestsEnded() && GroupRequest->Busy) {
        GroupRequest->Request.Active = false;
        qs::WaitUntil([this] { return !GroupRequest->Busy; }, qs::RequestShutdown::kWaitMs);
    }
}

void TIGMPMulticastVlanForm::ListView1Click() {
    btnDelete->SetEnabled(ListView1->Selected() != nullptr);
}
