#include "Ipv6StaticRouteForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Ipv6StaticRouteEditForm.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "RowSelection.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "WriteTaken.h"

TIpv6StaticRouteForm* Ipv6StaticRouteForm = nullptr;

namespace {

const QsSNMPVarDesc* RouteVars() {
    static const QsOptionList rowStatus(RowStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.26.3.1.1.1", "Destination", SYN_IPV6ADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.26.3.1.1.2", "Prefix Length", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.26.3.1.1.3", "Interface Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.26.3.1.1.4", "Next Hop", SYN_IPV6ADDRESS, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.26.3.1.1.5", "Metric", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.26.3.1.1.7", "Protocol", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.26.3.1.1.8", "Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

constexpr int kKeyCount = 4;
constexpr int kDestroy = 5; // position in the status combo

} // namespace

TIpv6StaticRouteForm::TIpv6StaticRouteForm(TComponent* owner)
    : FeatureDialog(owner, "Ipv6StaticRouteForm", QStringLiteral("Ipv6 Static Route"), QSize(900, 340)) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TIpv6StaticRouteForm::~TIpv6StaticRouteForm() {
    Shutdown.Run();
    delete Editor;
    Ipv6StaticRouteEditForm = nullptr;
}

void TIpv6StaticRouteForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(120);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    // Delete works on the selected row only, so it is enabled exactly while one is selected.
    ListView1->OnSelectItem = [this](TObject*, TListItem*, bool) {
        btnDelete->SetEnabled(ListView1->Selected() != nullptr);
    };
    const qs::ButtonPlace place{.top = 46, .width = 96};
    qs::FillButtonColumn(*this, column, {nullptr, nullptr, "StaticText1", &StaticText1},
                         {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                          {&btnAddDefault, "btnAddDefault", "Add Default", [this] { btnAddDefaultClick(); }},
                          {&btnDelete, "btnDelete", "Delete", [this] { btnDeleteClick(); }},
                          {&btnClose, "btnClose", "Close", [this] { Close(); }}},
                         place);
    // Hidden, and no place in the column.
    btnAdd = MakeButton(column, "btnAdd", "Add", [this] { btnAddClick(); });
    btnAdd->SetVisible(false);
    qs::FollowRowCount(ListView1, StaticText1);
}

void TIpv6StaticRouteForm::FormCreate() {
    Editor = new TIpv6StaticRouteEditForm(this, [this] { return AddRoute(); });
    Ipv6StaticRouteEditForm = Editor;
    RouteRequest = MakeTableRequest(ListView1);
    Handle([this] {
        BindRequest();
        qs::RefreshShown(*RouteRequest);
    });
    btnDelete->SetEnabled(false);
    qs::ShowRowCount(ListView1, StaticText1);
}

void TIpv6StaticRouteForm::BindRequest() {
    RouteRequest->Request.List = QsSNMPVarList(RouteVars(), MVT_UMV, kKeyCount);
    RouteRequest->BindListView(ListView1, true);
    RouteRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
    RouteRequest->BindEdits(kDst, "%s{l32}", {Editor->edtDst});
    RouteRequest->BindEdits(kPrefix, "%i{n0x128l3}", {Editor->edtPrefix});
    RouteRequest->BindEdits(kInterface, "%s{l12}", {Editor->edtInterface});
    RouteRequest->BindEdits(kNextHop, "%s{l32}", {Editor->edtNextHop});
    RouteRequest->BindEdits(kMetric, "%i{n1x65535l5}", {Editor->edtMetric});
    RouteRequest->BindEdits(kProtocol, "%s", {Editor->edtProtocol});
    RouteRequest->BindComboBox(kStatus, Editor->cbxStatus);
    StatusOut().AttachTo(*RouteRequest);
    RouteRequest->Mode = RM_BLOCKING;
}

void TIpv6StaticRouteForm::ReadTable() {
    qs::RefreshShown(*RouteRequest);
    qs::ShowRowCount(ListView1, StaticText1);
}

void TIpv6StaticRouteForm::btnGetClick() {
    if (RequestsEnded() || RouteRequest->Busy) {
        return;
    }
    Handle([this] { ReadTable(); });
    btnDelete->SetEnabled(false);
}

void TIpv6StaticRouteForm::ShowEditor(int mode, const char* caption) {
    // A walk pumps messages between its rows: no add dialog opens inside one.
    if (RequestsEnded() || RouteRequest->Busy) {
        return;
    }
    Editor->EditMode = mode;
    Editor->SetCaption(QString::fromLatin1(caption) + QString::fromStdString(DeviceAddressText));
    Editor->FormActivate();
    Editor->ShowModal();
}

void TIpv6StaticRouteForm::btnAddClick() {
    ShowEditor(TIpv6StaticRouteEditForm::kAddRoute, "IPv6 Static Route(Add): ");
}

void TIpv6StaticRouteForm::btnAddDefaultClick() {
    ShowEditor(TIpv6StaticRouteEditForm::kAddDefault, "IPv6 Static Route(Add default): ");
}

bool TIpv6StaticRouteForm::AddRoute() {
    if (RequestsEnded() || RouteRequest->Busy) {
        return false;
    }
    bool taken = false;
    Handle([&] {
        qs::AccessMarks marks(RouteRequest->Request.List);
        if (Editor->edtMetric->Text().isEmpty()) {
            marks.Exclude({kMetric}); // the device chooses the metric
        }
        taken = qs::WriteTaken(
            *RouteRequest, [this] { return RouteRequest->Apply(false, true, std::string(), nullptr); },
            [this] { return RequestsEnded(); });
        marks.RestoreAll();
        ReadTable();
    });
    btnDelete->SetEnabled(ListView1->Selected() != nullptr);
    return taken;
}

// The SET names the selected row: its key values are copied from the row itself, never taken
// from the add dialog's editors, which may hold an abandoned Add.
void TIpv6StaticRouteForm::btnDeleteClick() {
    if (RequestsEnded()) {
        return;
    }
    if (ListView1->Selected() == nullptr) {
        ShowMessage(QStringLiteral("Choose the item first."));
    } else if (RouteRequest->Busy) {
        ShowMessage(QStringLiteral("Get data not complete"));
        return;
    } else {
        Handle([this] {
            qs::AccessMarks marks(RouteRequest->Request.List);
            marks.Exclude({kMetric});
            Editor->cbxStatus->SetItemIndex(kDestroy);
            RouteRequest->RowToValues();
            RouteRequest->Request.List.GetVar(kStatus)->Value = "destroy";
            RouteRequest->Apply(false, false, std::string(), nullptr);
            marks.RestoreAll();
            ReadTable();
        });
    }
    btnDelete->SetEnabled(false);
    qs::ShowRowCount(ListView1, StaticText1);
}
