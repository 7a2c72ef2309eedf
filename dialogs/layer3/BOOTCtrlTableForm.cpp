#include "BOOTCtrlTableForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Edit.h"
#include "ListView.h"
#include "NewBootpCtrlForm.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "WriteTaken.h"

TBOOTCtrlTableForm* BOOTCtrlTableForm = nullptr;

namespace {

const QsSNMPVarDesc* RelayVars() {
    static const QsOptionList rowStatus(RowStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.42.3.1.1.1", "Interface Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.42.3.1.1.2", "DHCP Server IP", SYN_IPADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.42.3.1.1.3", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

constexpr int kCreateAndGo = 3; // positions in ComboBox1
constexpr int kDestroy = 5;

} // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(TComponent* owner)
    : FeatureDialog(owner, "BOOTCtrlTableForm", QStringLiteral("BOOTCtrlTableForm"), QSize(520, 300), 0),
      rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({DeleteBtn}, {});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm() {
    Shutdown.Run();
    delete Editor;
    NewBootpCtrlForm = nullptr;
}

void TBOOTCtrlTableForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    // Delete works on the selected row only, so it is enabled exactly while one is selected.
    ListView1->OnSelectItem = [this](TObject*, TListItem*, bool) {
        rowButtons_.Show(ListView1->Selected() != nullptr);
    };
    ComboBox1 = Make<TComboBox>(column, "ComboBox1");
    ComboBox1->SetVisible(false);
    qs::FillButtons(*this, column,
                    {{&RefreshBtn, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }},
                     {&AddBtn, "AddBtn", "Add", [this] { AddBtnClick(); }},
                     {&DeleteBtn, "DeleteBtn", "Delete", [this] { DeleteBtnClick(); }},
                     {&CloseBtn, "CloseBtn", "Close", [this] { Close(); }}});
}

void TBOOTCtrlTableForm::FormCreate() {
    Editor = new TNewBootpCtrlForm(this, this);
    NewBootpCtrlForm = Editor;
    RelayRequest = MakeTableRequest(ListView1);
    rowButtons_.Show(false);
    qs::GuardedStatusLine(RelayRequest, [this] {
        BindRequest();
        RelayRequest->Refresh();
    });
}

void TBOOTCtrlTableForm::BindRequest() {
    RelayRequest->Request.List = QsSNMPVarList(RelayVars(), MVT_FMV, 2);
    RelayRequest->BindListView(ListView1, true);
    RelayRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
    RelayRequest->BindEdits(kInterface, "%s", {Editor->Edit1});
    RelayRequest->BindEdits(kServer, "%s", {Editor->Edit2});
    RelayRequest->BindComboBox(kRowStatus, ComboBox1);
    StatusOut().AttachTo(*RelayRequest);
}

void TBOOTCtrlTableForm::RefreshBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    qs::GuardedStatusLine(RelayRequest, [this] {
        qs::EndRunningRead(*RelayRequest);
        RelayRequest->Refresh();
    });
}

void TBOOTCtrlTableForm::AddBtnClick() {
    if (RequestsEnded()) {
        return;
    }
    Editor->SetCaption(QStringLiteral("New DHCP Control: ") + QString::fromStdString(DeviceAddressText));
    Editor->FormActivate();
    Editor->ShowModal();
}

int TBOOTCtrlTableForm::ServersOf(const QString& name) const {
    int count = 0;
    for (int i = 0; i < ListView1->ItemCount(); ++i) {
        count += ListView1->Item(i)->Caption() == name ? 1 : 0;
    }
    return count;
}

bool TBOOTCtrlTableForm::AddServer() {
    if (RequestsEnded()) {
        return false;
    }
    qs::EndRunningRead(*RelayRequest);
    ComboBox1->SetItemIndex(kCreateAndGo);
    return RelayRequest->Apply(true, true, std::string(), nullptr);
}

bool TBOOTCtrlTableForm::SendServer() {
    return qs::WriteTaken(
        *RelayRequest,
        [this] {
            bool sent = false;
            Handle([&] { sent = AddServer(); });
            return sent;
        },
        [this] { return RequestsEnded(); });
}

// The SET names the selected row: its key values are copied from the row itself, never taken
// from the add dialog's edits, which may hold an abandoned Add.
void TBOOTCtrlTableForm::DeleteBtnClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr) {
        return;
    }
    qs::GuardedStatusLine(RelayRequest, [this] {
        qs::EndRunningRead(*RelayRequest);
        if (ListView1->Selected() == nullptr) {
            return; // the walk that just ended emptied the list
        }
        ComboBox1->SetItemIndex(kDestroy);
        RelayRequest->RowToValues();
        RelayRequest->Request.List.GetVar(kRowStatus)->Value = "destroy";
        RelayRequest->Apply(true, false, std::string(), nullptr);
    });
}
