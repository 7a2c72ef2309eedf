#include "STP_Info.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Label.h"
#include "ListView.h"
#include "Progress2.h"
#include "QsSNMPError.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SpanningTreeAlgorithmForm.h"
#include "StpVersionRecord.h"
#include "TableLayout.h"

TSTP_Info* STP_Info = nullptr;

namespace {

constexpr QsOption kVersions[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};
constexpr QsOption kBpdu[] = {{2, "disabled"}, {3, "enabled"}, {}};

const QsOptionList& VersionOptions() {
    static const QsOptionList list(kVersions, OVT_INT);
    return list;
}

const QsOptionList& BpduOptions() {
    static const QsOptionList list(kBpdu, OVT_INT);
    return list;
}

const char* const kVersionOid = "1.3.6.1.4.1.58613.12.15.1.2";
const char* const kMaxAgeOid = "1.3.6.1.4.1.58613.12.15.1.3";
const char* const kForwardDelayOid = "1.3.6.1.4.1.58613.12.15.1.5";
const char* const kMaxHopsOid = "1.3.6.1.4.1.58613.12.15.1.6";
const char* const kTxHoldOid = "1.3.6.1.4.1.58613.12.15.1.7";
const char* const kBpduOid = "1.3.6.1.4.1.58613.12.15.1.8";

const QsSNMPVarDesc* BridgeVars() {
    static const QsSNMPVarDesc table[] = {
        {kVersionOid, "STP Version", SYN_INTEGER, ACC_READWRITE, &VersionOptions()},
        {kMaxAgeOid, "Max Age", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.15.1.4", "Hello Time", SYN_INTEGER, ACC_READWRITE},
        {kForwardDelayOid, "Forward Delay", SYN_INTEGER, ACC_READWRITE},
        {kMaxHopsOid, "Max Hops", SYN_INTEGER, ACC_READWRITE},
        {kTxHoldOid, "TX Hold Count", SYN_INTEGER, ACC_READWRITE},
        {kBpduOid, "Forward BPDU", SYN_INTEGER, ACC_READWRITE, &BpduOptions()},
        {nullptr},
    };
    return table;
}

const QsSNMPVarDesc* BridgeVarsWithoutHello() {
    static const QsSNMPVarDesc table[] = {
        {kVersionOid, "STP Version", SYN_INTEGER, ACC_READWRITE, &VersionOptions()},
        {kMaxAgeOid, "Max Age", SYN_INTEGER, ACC_READWRITE},
        {kForwardDelayOid, "Forward Delay", SYN_INTEGER, ACC_READWRITE},
        {kMaxHopsOid, "Max Hops", SYN_INTEGER, ACC_READWRITE},
        {kTxHoldOid, "TX Hold Count", SYN_INTEGER, ACC_READWRITE},
        {kBpduOid, "Forward BPDU", SYN_INTEGER, ACC_READWRITE, &BpduOptions()},
        {nullptr},
    };
    return table;
}

constexpr int kTimeout = 300;
const char* const kEmptyFields = "Don't Leave Empty Fileds !";
const char* const kDataError = "Data Error !";
const char* const kMstp = "mstp";

} // namespace

TSTP_Info::TSTP_Info(TComponent* owner)
    : FeatureDialog(owner, "STP_Info", QStringLiteral("Spanning Tree Information"), QSize(460, 330), 0) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TSTP_Info::~TSTP_Info() {
    Shutdown.Run();
}

void TSTP_Info::BuildControls() {
    MakeStatusBar(true);
    struct Row {
        TLabel** label;
        const char* labelName;
        const char* caption;
        const char* editorName;
    };
    const Row rows[] = {
        {&Label1, "Label1", "STP Version", "Combo_STPVersion"},
        {&Label12, "Label12", "Max Age (600-4000)", "ET_AgingTime"},
        {&Label13, "Label13", "Hello Time (100-200)", "ET_HelloTime"},
        {&Label14, "Label14", "Forward Delay (400-3000)", "ET_ForwardDelay"},
        {&Label2, "Label2", "Max Hops (6-40)", "ET_Priority"},
        {&Label3, "Label3", "TX Hold Count (1-10)", "ED_TxHoldCount"},
        {&Label4, "Label4", "Forwarding BPDU", "Combo_BPDU"},
    };
    std::vector<TWinControl*> editors;
    int top = 16;
    for (const Row& r : rows) {
        *r.label = Make<TLabel>(nullptr, r.labelName);
        (*r.label)->SetCaption(QString::fromLatin1(r.caption));
        (*r.label)->SetBounds(16, top + 4, 170, 16);
        const bool combo = QString::fromLatin1(r.editorName).startsWith(QStringLiteral("Combo"));
        TWinControl* editor = combo ? static_cast<TWinControl*>(Make<TComboBox>(nullptr, r.editorName))
                                    : Make<TEdit>(nullptr, r.editorName);
        editor->SetBounds(196, top, 110, 22);
        editors.push_back(editor);
        top += 30;
    }
    Combo_STPVersion = dynamic_cast<TComboBox*>(editors[0]);
    ET_AgingTime = dynamic_cast<TEdit*>(editors[1]);
    ET_HelloTime = dynamic_cast<TEdit*>(editors[2]);
    ET_ForwardDelay = dynamic_cast<TEdit*>(editors[3]);
    ET_Priority = dynamic_cast<TEdit*>(editors[4]);
    ED_TxHoldCount = dynamic_cast<TEdit*>(editors[5]);
    Combo_BPDU = dynamic_cast<TComboBox*>(editors[6]);
    Combo_STPVersion->OnChange = [this](TObject*) {
        qs::GuardedStatusLine(MainRequest, [this] { Combo_STPVersionChange(); });
    };
    Label16 = Make<TLabel>(nullptr, "Label16");
    Label16->SetCaption(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"));
    Label16->SetBounds(16, top + 4, 300, 16);
    Label15 = Make<TLabel>(nullptr, "Label15");
    Label15->SetCaption(QStringLiteral("Max Age>= 2*(Hello Time + 100)"));
    Label15->SetBounds(62, top + 24, 260, 16);
    for (TLabel* note : {Label16, Label15}) {
        QPalette red = note->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        note->setPalette(red);
    }
    const qs::ButtonPlace place{.left = 344, .top = 16, .width = 96, .step = 38};
    qs::FillButtons(*this, nullptr,
                    {{&BT_Get, "BT_Get", "Refresh", [this] { BT_GetClick(); }},
                     {&BT_Set, "BT_Set", "Set", [this] { BT_SetClick(); }},
                     {&CloseButton, "CloseButton", "Close", [this] { Close(); }}},
                    place);
    BuildHiddenControls();
}

void TSTP_Info::BuildHiddenControls() {
    Label5 = Make<TLabel>(nullptr, "Label5");
    Label5->SetCaption(QStringLiteral("STP LBD"));
    Label6 = Make<TLabel>(nullptr, "Label6");
    Label6->SetCaption(QStringLiteral("STP LBD Recover time(s)"));
    Combo_LBD = Make<TComboBox>(nullptr, "Combo_LBD");
    ET_LBDRecover = Make<TEdit>(nullptr, "ET_LBDRecover");
    ListView1 = Make<TListView>(nullptr, "ListView1");
    lbMSTPState = Make<TLabel>(nullptr, "lbMSTPState");
    for (TControl* c :
         std::initializer_list<TControl*>{Label5, Label6, Combo_LBD, ET_LBDRecover, ListView1, lbMSTPState}) {
        c->SetVisible(false);
    }
}

QsSNMPRequest2Edits* TSTP_Info::AddRequest(int timeout) {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    QsSNMPRequest2Edits* made = request.get();
    if (timeout > 0) {
        made->Request.Timeout = timeout;
    }
    StatusOut().AttachTo(*made);
    Shutdown.AddRequest(std::move(request));
    return made;
}

void TSTP_Info::CreateRequests() {
    MstpRequest = AddRequest(kTimeout);
    StateRequest = AddRequest(0);
    MainRequest = AddRequest(kTimeout);
    // The MSTP values are sent without waiting: the version is recorded once the device took it.
    MstpRequest->OnSetDone = [this](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
        sender->ShowSetError(error);
        if (error->code == 0) {
            qs::SetStpVersionText(QString::fromLatin1(kMstp));
        }
    };
}

void TSTP_Info::FormCreate() {
    CreateRequests();
    qs::GuardedStatusLine(MainRequest, [this] {
        MstpRequest->Request.List = QsSNMPVarList(BridgeVarsWithoutHello(), SVT_SV, 0);
        MstpRequest->BindListView(ListView1, true);
        MstpRequest->Refresh();
        StateRequest->Request.List = QsSNMPVarList(StpStateVars(), SVT_SV, 0);
        StateRequest->BindLabel(0, lbMSTPState);
        StateRequest->Mode = RM_BLOCKING;
        qs::RefreshShown(*StateRequest);
        MainRequest->Mode = RM_BLOCKING;
        MainRequest->Request.List = QsSNMPVarList(BridgeVars(), SVT_SV, 0);
        MainRequest->BindComboBox(0, Combo_STPVersion);
        MainRequest->BindEdits(1, "%i{n600x4000l4a}", {ET_AgingTime});
        MainRequest->BindEdits(2, "%i{n100x200l3a}", {ET_HelloTime});
        MainRequest->BindEdits(3, "%i{n400x3000l4a}", {ET_ForwardDelay});
        MainRequest->BindEdits(4, "%i{n6x40l2a}", {ET_Priority});
        MainRequest->BindEdits(5, "%i{n1x10l2a}", {ED_TxHoldCount});
        MainRequest->BindComboBox(6, Combo_BPDU);
        qs::RefreshShown(*MainRequest);
        if (qs::StpVersionText() == QLatin1String(kMstp)) {
            ShowHelloTime(true);
        }
    });
}

// Under MSTP Hello Time is not a bridge value: greyed and emptied.
void TSTP_Info::ShowHelloTime(bool mstp) {
    ET_HelloTime->SetEnabled(!mstp);
    ET_HelloTime->SetColor(mstp ? clBtnFace : clWindow);
    if (mstp) {
        ET_HelloTime->SetText(QString());
    }
}

void TSTP_Info::BT_GetClick() {
    if (RequestsEnded()) {
        return;
    }
    const bool mstp = qs::StpVersionText() == QLatin1String(kMstp);
    qs::GuardedStatusLine(MainRequest, [this, mstp] {
        MainRequest->Request.Active = true;
        qs::RefreshShown(*MainRequest);
        if (mstp && !MstpRequest->Busy) {
            MstpRequest->Request.Active = true;
            MstpRequest->Refresh();
        }
        StateRequest->Request.Active = true;
        qs::RefreshShown(*StateRequest);
        ShowHelloTime(mstp);
    });
}

void TSTP_Info::Combo_STPVersionChange() {
    const bool mstp = Combo_STPVersion->Text() == QLatin1String(kMstp);
    ShowHelloTime(mstp);
    if (!mstp) {
        ET_HelloTime->SetText(QStringLiteral("200"));
    }
}

bool TSTP_Info::CheckTimes(bool withHello) {
    for (const TEdit* e : {ET_Priority, ET_AgingTime, ET_ForwardDelay}) {
        if (e->Text().isEmpty()) {
            StatusOut().Show(QString::fromLatin1(kEmptyFields));
            return false;
        }
    }
    const int maxHops = qs::StrToInt(ET_Priority->Text());
    const int maxAge = qs::StrToInt(ET_AgingTime->Text());
    const int forwardDelay = qs::StrToInt(ET_ForwardDelay->Text());
    if (maxAge > 2 * forwardDelay - 200) {
        StatusOut().Show(QString::fromLatin1(kDataError));
        return false;
    }
    if (maxHops > 65535) {
        StatusOut().Show(QStringLiteral("Priority value is wrong!"));
        return false;
    }
    if (!withHello) {
        return true;
    }
    if (ET_HelloTime->Text().isEmpty()) {
        StatusOut().Show(QString::fromLatin1(kEmptyFields));
        return false;
    }
    if (maxAge < 2 * qs::StrToInt(ET_HelloTime->Text()) + 200) {
        StatusOut().Show(QString::fromLatin1(kDataError));
        return false;
    }
    return true;
}

// The one row of the MSTP values takes the edited values and is selected, so the SET carries
// them. Nothing is sent before the row has been read.
bool TSTP_Info::SendMstpValues(const QString& version) {
    if (ListView1->ItemCount() == 0) {
        StatusOut().Show(QStringLiteral("Get data not complete"));
        return false;
    }
    TListItem* row = ListView1->Item(0);
    ListView1->SetSelected(row);
    row->SetCaption(version);
    const QString values[] = {ET_AgingTime->Text(), ET_ForwardDelay->Text(), ET_Priority->Text(),
                              ED_TxHoldCount->Text(), Combo_BPDU->Text()};
    for (int i = 0; i < 5; ++i) {
        row->SetSubItem(i, values[i]);
    }
    MstpRequest->Request.Active = true;
    MstpRequest->Apply(true, true, std::string(), nullptr);
    return true;
}

bool TSTP_Info::SendAllValues() {
    MainRequest->Request.Active = true;
    const bool accepted = MainRequest->Apply(true, true, std::string(), nullptr);
    if (accepted) {
        qs::SetStpVersionText(Combo_STPVersion->Text());
    }
    return accepted;
}

void TSTP_Info::BT_SetClick() {
    if (RequestsEnded()) {
        return;
    }
    qs::GuardedStatusLine(MainRequest, [this] {
        const QString version = Combo_STPVersion->Text();
        const bool mstp = version == QLatin1String(kMstp);
        if (!CheckTimes(!mstp)) {
            return;
        }
        const bool changed = version != qs::StpVersionText();
        if (!(mstp ? SendMstpValues(version) : SendAllValues())) {
            return;
        }
        if (changed && lbMSTPState->Caption() == QStringLiteral("enabled")) {
            qs::ShowProgressBox(this, ProgressForm2, QStringLiteral("Set STP Progress"),
                                QStringLiteral("Change STP Version is processing..."), ProgressTickMs);
        }
    });
}
