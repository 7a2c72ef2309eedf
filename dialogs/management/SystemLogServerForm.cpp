#include "SystemLogServerForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "IPv4Text.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TSystemLogServerForm* SystemLogServerForm = nullptr;

namespace {

const QsSNMPVarDesc* SyslogVars() {
    static const QsOption facilities[] = {{0, "local0"}, {1, "local1"}, {2, "local2"},
                                          {3, "local3"}, {4, "local4"}, {5, "local5"},
                                          {6, "local6"}, {7, "local7"}, {}};
    static const QsOption severities[] = {{1, "all"}, {2, "warning"}, {3, "informational"}, {}};
    static const QsOptionList facility(facilities, OVT_INT);
    static const QsOptionList severity(severities, OVT_INT);
    static const QsOptionList state(DisabledEnabledOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.12.2.1.1", "Server Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.12.2.1.2", "IP Address", SYN_IPADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.12.2.1.3", "Facility", SYN_INTEGER, ACC_READWRITE, &facility},
        {"1.3.6.1.4.1.58613.12.12.2.1.4", "Severity", SYN_INTEGER, ACC_READWRITE, &severity},
        {"1.3.6.1.4.1.58613.12.12.2.1.5", "UDP Port", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.12.2.1.6", "State", SYN_INTEGER, ACC_READWRITE, &state},
        {"1.3.6.1.4.1.58613.12.12.2.1.7", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

enum { kIndex, kAddress, kFacility, kSeverity, kPort, kState, kRowStatus };
constexpr int kCreateAndGo = 1; // positions in the row status combo
constexpr int kDestroy = 2;

const QString kInvalidIp = QStringLiteral("Please input a valid ip");
const QString kBadPort = QStringLiteral("The range of Server UDP Port for syslog is 514 or 6000-65535.");

void FocusIfEnabled(TEdit* edit) {
    if (edit->Enabled()) {
        edit->SetFocus();
    }
}

} // namespace

TSystemLogServerForm::TSystemLogServerForm(TComponent* owner)
    : FeatureDialog(owner, "SystemLogServerForm", QStringLiteral("System Log Entry"), QSize(640, 400), 0) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TSystemLogServerForm::~TSystemLogServerForm() {
    Shutdown.Run();
}

bool TSystemLogServerForm::IsValidSyslogPort(const QString& text) {
    bool isNumber = false;
    const int port = text.toInt(&isNumber);
    return isNumber && (port == 514 || (port >= 6000 && port <= 65535));
}

void TSystemLogServerForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* group = Make<TPanel>(nullptr, "GroupBox1");
    group->SetAlign(alBottom);
    group->SetHeight(100);
    LV_SystemLogServerEntry = Make<TListView>(nullptr, "LV_SystemLogServerEntry");
    LV_SystemLogServerEntry->SetAlign(alClient);
    LV_SystemLogServerEntry->OnClick = [this](TObject*) {
        Handle([this] { LV_SystemLogServerEntryClick(); });
    };
    BuildEditors(group);
    BuildButtons(column);
    rowButtons_ =
        std::make_unique<qs::RowButtons>(std::vector<TControl*>{Btn_Edit, Btn_Del}, std::vector<TControl*>{});
    qs::FollowRowCount(LV_SystemLogServerEntry, ST_Count);
}

void TSystemLogServerForm::BuildEditors(TPanel* group) {
    qs::PlaceLabels(this, group,
                    {{&Label1, "Label1", "Server Index", 8, 8},
                     {&Label2, "Label2", "Server IP Address", 140, 8},
                     {&Label3, "Label3", "Server Facility", 290, 8},
                     {&Label4, "Label4", "Server Severity", 400, 8},
                     {&Label5, "Label5", "Server UDP Port", 8, 52},
                     {&Label6, "Label6", "Server State", 140, 52},
                     {&Label7, "Label7", "Row Status", 290, 52}},
                    130);
    Ed_Index = qs::PlaceOn<TEdit>(this, group, "Ed_Index", 8, 26, 120);
    Ed_IP = qs::PlaceOn<TEdit>(this, group, "Ed_IP", 140, 26, 140);
    CBox_Facility = qs::PlaceOn<TComboBox>(this, group, "CBox_Facility", 290, 26, 100);
    CBox_Severity = qs::PlaceOn<TComboBox>(this, group, "CBox_Severity", 400, 26, 110);
    Ed_Port = qs::PlaceOn<TEdit>(this, group, "Ed_Port", 8, 70, 120);
    CBox_State = qs::PlaceOn<TComboBox>(this, group, "CBox_State", 140, 70, 140);
    CBox_RowStatus = qs::PlaceOn<TComboBox>(this, group, "CBox_RowStatus", 290, 70, 100);
}

void TSystemLogServerForm::BuildButtons(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"Label8", &Label8, "ST_Count", &ST_Count},
                         {{&Btn_Refresh, "Btn_Refresh", "Refresh", [this] { Btn_RefreshClick(); }},
                          {&Btn_Edit, "Btn_Edit", "Set", [this] { Btn_EditClick(); }},
                          {&Btn_Add, "Btn_Add", "Add", [this] { Btn_AddClick(); }},
                          {&Btn_Del, "Btn_Del", "Delete", [this] { Btn_DelClick(); }},
                          {&Button1, "Button1", "Close", [this] { Close(); }}});
}

void TSystemLogServerForm::FormCreate() {
    ServerRequest = MakeTableRequest(LV_SystemLogServerEntry);
    Handle([this] {
        ServerRequest->Request.List = QsSNMPVarList(SyslogVars(), MVT_UMV, 1);
        ServerRequest->BindListView(LV_SystemLogServerEntry, true);
        ServerRequest->AfterGetHook = [this] { qs::FitColumns(LV_SystemLogServerEntry); };
        ServerRequest->BindEdits(kIndex, "%i{n1x4}", {Ed_Index});
        ServerRequest->BindEdits(kAddress, "%s", {Ed_IP});
        ServerRequest->BindComboBox(kFacility, CBox_Facility);
        ServerRequest->BindComboBox(kSeverity, CBox_Severity);
        ServerRequest->BindEdits(kPort, "%i", {Ed_Port});
        ServerRequest->BindComboBox(kState, CBox_State);
        ServerRequest->BindComboBox(kRowStatus, CBox_RowStatus);
        StatusOut().AttachTo(*ServerRequest);
        qs::ShowRowCount(LV_SystemLogServerEntry, ST_Count);
        ServerRequest->Refresh();
    });
    rowButtons_->Show(false);
}

void TSystemLogServerForm::WalkWhenIdle() {
    if (!ServerRequest->Busy) {
        qs::GuardedStatusLine(ServerRequest, [this] { ServerRequest->Refresh(); });
    }
}

bool TSystemLogServerForm::WaitUntilIdle() {
    const bool idle = qs::WaitUntil([this] { return RequestsEnded() || !ServerRequest->Busy; },
                                    qs::RequestShutdown::kWaitMs);
    return idle && !RequestsEnded();
}

void TSystemLogServerForm::Btn_RefreshClick() {
    if (RequestsEnded()) {
        return;
    }
    WalkWhenIdle();
    ClearEditors();
}

bool TSystemLogServerForm::AddInputAccepted() {
    if (Ed_Index->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Server Index must be set"));
        FocusIfEnabled(Ed_Index);
        return false;
    }
    for (int i = 0; i < LV_SystemLogServerEntry->ItemCount(); ++i) {
        if (LV_SystemLogServerEntry->Item(i)->Caption() == Ed_Index->Text()) {
            ShowMessage(QStringLiteral("This Index has already existed. Please Change Server Index."));
            FocusIfEnabled(Ed_Index);
            return false;
        }
    }
    if (Ed_IP->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Server IP Address must be set"));
        return false;
    }
    if (!IsValidIPv4Text(Ed_IP->Text(), kInvalidIp)) {
        FocusIfEnabled(Ed_IP);
        return false;
    }
    if (!Ed_Port->Text().isEmpty() && !IsValidSyslogPort(Ed_Port->Text())) {
        ShowMessage(kBadPort);
        FocusIfEnabled(Ed_Port);
        return false;
    }
    return true;
}

void TSystemLogServerForm::Btn_AddClick() {
    if (RequestsEnded() || !AddInputAccepted() || !WaitUntilIdle()) {
        return;
    }
    qs::GuardedStatusLine(ServerRequest, [this] {
        qs::AccessMarks marks(ServerRequest->Request.List);
        // What is left empty is left to the device.
        const std::pair<TWinControl*, int> optional[] = {
            {CBox_Facility, kFacility}, {CBox_State, kState}, {Ed_Port, kPort}, {CBox_Severity, kSeverity}};
        for (const auto& [control, column] : optional) {
            const auto* combo = dynamic_cast<TComboBox*>(control);
            const bool empty =
                combo ? combo->ItemIndex() < 0 : static_cast<TEdit*>(control)->Text().isEmpty();
            if (empty) {
                marks.Exclude({column});
            }
        }
        CBox_RowStatus->SetItemIndex(kCreateAndGo);
        ServerRequest->Apply(true, true, std::string(), nullptr);
    });
    ClearEditors();
}

// Set and Delete: the list is walked again once the device accepted the write.
void TSystemLogServerForm::Btn_EditClick() {
    if (RequestsEnded() || LV_SystemLogServerEntry->Selected() == nullptr) {
        return;
    }
    if (!IsValidIPv4Text(Ed_IP->Text(), kInvalidIp)) {
        FocusIfEnabled(Ed_IP);
        return;
    }
    if (!Ed_Port->Text().isEmpty() && !IsValidSyslogPort(Ed_Port->Text())) {
        ShowMessage(kBadPort);
        FocusIfEnabled(Ed_Port);
        return;
    }
    if (!WaitUntilIdle()) {
        return;
    }
    qs::GuardedStatusLine(ServerRequest, [this] {
        qs::AccessMarks marks(ServerRequest->Request.List);
        // An emptied port would go out as 0, which the device's own rule refuses.
        if (Ed_Port->Text().isEmpty()) {
            marks.Exclude({kPort});
        }
        ServerRequest->Apply(true, true, std::string(), nullptr);
    });
    WalkWhenIdle();
    ClearEditors();
}

void TSystemLogServerForm::Btn_DelClick() {
    if (RequestsEnded() || LV_SystemLogServerEntry->Selected() == nullptr || !WaitUntilIdle()) {
        return;
    }
    qs::GuardedStatusLine(ServerRequest, [this] {
        qs::AccessMarks marks(ServerRequest->Request.List);
        marks.Exclude({kAddress, kFacility, kSeverity, kPort, kState});
        CBox_RowStatus->SetItemIndex(kDestroy);
        ServerRequest->Apply(true, true, std::string(), nullptr);
    });
    WalkWhenIdle();
    ClearEditors();
}

void TSystemLogServerForm::LV_SystemLogServerEntryClick() {
    if (LV_SystemLogServerEntry->Selected() == nullptr) {
        ClearEditors();
        return;
    }
    rowButtons_->Show(true);
    Ed_Index->SetColor(clBtnFace);
    Ed_Index->SetEnabled(false);
}

void TSystemLogServerForm::ClearEditors() {
    for (TEdit* edit : {Ed_Index, Ed_IP, Ed_Port}) {
        edit->SetText(QString());
        edit->SetEnabled(true);
        edit->SetReadOnly(false);
    }
    Ed_Index->SetColor(clWindow);
    for (TComboBox* combo : {CBox_Facility, CBox_Severity, CBox_State, CBox_RowStatus}) {
        combo->SetItemIndex(-1);
    }
    rowButtons_->Show(false);
    Btn_Add->SetEnabled(true);
    Btn_Refresh->SetEnabled(true);
    qs::ShowRowCount(LV_SystemLogServerEntry, ST_Count);
}
