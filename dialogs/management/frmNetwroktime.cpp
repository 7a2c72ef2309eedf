#include "frmNetwroktime.h"

#include "AccessMarks.h"
#include "Application.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "IPv4Text.h"
#include "Label.h"
#include "MessageTable.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "TextUtils.h"

TfrmNetwroktime* frmNetwroktime = nullptr;

namespace {

const QsSNMPVarDesc* SntpVars() {
    static const QsOption sources[] = {{0, "system"}, {1, "server1"}, {2, "server2"}, {}};
    static const QsOptionList state(DisabledEnabledOptions, OVT_INT);
    static const QsOptionList source(sources, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.10.11.1", "Network Time State", SYN_INTEGER, ACC_READWRITE, &state},
        {"1.3.6.1.4.1.58613.12.10.11.2", "Time Source", SYN_INTEGER, ACC_READONLY, &source},
        {"1.3.6.1.4.1.58613.12.10.11.3", "Server1 IP Address", SYN_IPADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.10.11.4", "Server2 IP Address", SYN_IPADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.10.11.5", "Poll Interval (30-99999 sec)", SYN_INTEGER, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

enum { kState, kSource, kServer1, kServer2, kPoll };
const QString kInvalidIp = QStringLiteral("Please input a valid ip");

} // namespace

TfrmNetwroktime::TfrmNetwroktime(TComponent* owner)
    : FeatureDialog(owner, "frmNetwroktime", QStringLiteral("Netwrok Time"), QSize(480, 220), 0) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TfrmNetwroktime::~TfrmNetwroktime() {
    Shutdown.Run();
}

void TfrmNetwroktime::BuildControls() {
    MakeStatusBar(true);
    auto* group = Make<TPanel>(nullptr, "GroupBox1");
    group->SetAlign(alClient);
    struct Row {
        TCheckBox** box;
        const char* boxName;
        TLabel** label;
        const char* labelName;
        const char* caption;
    };
    const Row rows[] = {
        {&CheckBox_TimeState, "CheckBox_TimeState", &Label1, "Label1", "Network Time State"},
        {nullptr, nullptr, &Label2, "Label2", "Time Source"},
        {&CheckBox_Server1IP, "CheckBox_Server1IP", &Label3, "Label3", "Server1 IP Address"},
        {&CheckBox_Server2IP, "CheckBox_Server2IP", &Label4, "Label4", "Server2 IP Address"},
        {&CheckBox_PollInterval, "CheckBox_PollInterval", &Label5, "Label5", "Poll Interval (30-99999 sec)"},
    };
    int top = 12;
    for (const Row& r : rows) {
        if (r.box) {
            *r.box = Make<TCheckBox>(group, r.boxName);
            (*r.box)->SetBounds(10, top + 2, 20, 20);
        }
        *r.label = Make<TLabel>(group, r.labelName);
        (*r.label)->SetCaption(QString::fromLatin1(r.caption));
        (*r.label)->SetBounds(34, top + 4, 190, 16);
        top += 30;
    }
    CBox_TimeSate = Make<TComboBox>(group, "CBox_TimeSate");
    ED_TimeSource = Make<TEdit>(group, "ED_TimeSource");
    ED_Server1IPAddress = Make<TEdit>(group, "ED_Server1IPAddress");
    ED_ServerIPAddress2 = Make<TEdit>(group, "ED_ServerIPAddress2");
    ED_PollInterval = Make<TEdit>(group, "ED_PollInterval");
    top = 12;
    for (TWinControl* editor : std::initializer_list<TWinControl*>{
             CBox_TimeSate, ED_TimeSource, ED_Server1IPAddress, ED_ServerIPAddress2, ED_PollInterval}) {
        editor->SetBounds(228, top, 130, 22);
        top += 30;
    }
    BuildButtons();
}

void TfrmNetwroktime::BuildButtons() {
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    const qs::ButtonPlace place{.step = 34};
    qs::FillButtons(
        *this, column,
        {{&Button_Refresh, "Button_Refresh", "Refresh", [this] { Button_RefreshClick(); }},
         {&Button_SetChecked, "Button_SetChecked", "Set Checked ", [this] { Button_SetCheckedClick(); }},
         {&Button_CheckAll, "Button_CheckAll", "Check All", [this] { Button_CheckAllClick(); }},
         {&Button_ClearAll, "Button_ClearAll", "Clear All", [this] { Button_ClearAllClick(); }},
         {&Button_Close, "Button_Close", "Close", [this] { Close(); }}},
        place);
}

void TfrmNetwroktime::FormCreate() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    TimeRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    Handle([this] {
        TimeRequest->Request.List = QsSNMPVarList(SntpVars(), SVT_SV, 0);
        TimeRequest->BindComboBox(kState, CBox_TimeSate);
        TimeRequest->BindEdits(kSource, "%s", {ED_TimeSource});
        TimeRequest->BindEdits(kServer1, "%s{l16}", {ED_Server1IPAddress});
        TimeRequest->BindEdits(kServer2, "%s{l16}", {ED_ServerIPAddress2});
        TimeRequest->BindEdits(kPoll, "%i{n30x99999l5}", {ED_PollInterval});
        StatusOut().AttachTo(*TimeRequest);
        TimeRequest->Refresh();
    });
    ED_TimeSource->SetEnabled(false);
}

std::vector<TCheckBox*> TfrmNetwroktime::IncludeBoxes() const {
    return {CheckBox_TimeState, CheckBox_Server1IP, CheckBox_Server2IP, CheckBox_PollInterval};
}

void TfrmNetwroktime::UncheckAll() {
    for (TCheckBox* box : IncludeBoxes()) {
        box->SetChecked(false);
    }
}

void TfrmNetwroktime::Button_CheckAllClick() {
    for (TCheckBox* box : IncludeBoxes()) {
        box->SetChecked(true);
    }
}

void TfrmNetwroktime::Button_ClearAllClick() {
    UncheckAll();
}

void TfrmNetwroktime::Button_RefreshClick() {
    if (RequestsEnded()) {
        return;
    }
    if (!TimeRequest->Busy) {
        TimeRequest->Refresh();
    }
    UncheckAll();
}

bool TfrmNetwroktime::InputAccepted() {
    for (auto [box, edit] : {std::pair{CheckBox_Server1IP, ED_Server1IPAddress},
                             std::pair{CheckBox_Server2IP, ED_ServerIPAddress2}}) {
        if (box->Checked() && !IsValidIPv4Text(edit->Text(), kInvalidIp)) {
            if (edit->Enabled()) {
                edit->SetFocus();
            }
            return false;
        }
    }
    // An empty interval would go out as 0: refused like any value outside the format's range.
    if (CheckBox_PollInterval->Checked() && ED_PollInterval->Text().isEmpty()) {
        const std::string text =
            qs::FillPlaceholders(CommonErrTable().Text(8), {{qs::kMin, "30"}, {qs::kMax, "99999"}});
        MessageBox(Widget(), QString::fromStdString(text), Application->Title, MB_OK);
        ED_PollInterval->SetFocus();
        return false;
    }
    return true;
}

void TfrmNetwroktime::Button_SetCheckedClick() {
    if (RequestsEnded() || !InputAccepted()) {
        return;
    }
    {
        qs::AccessMarks marks(TimeRequest->Request.List);
        const std::pair<TCheckBox*, int> columns[] = {{CheckBox_TimeState, kState},
                                                      {CheckBox_Server1IP, kServer1},
                                                      {CheckBox_Server2IP, kServer2},
                                                      {CheckBox_PollInterval, kPoll}};
        for (const auto& [box, column] : columns) {
            if (!box->Checked()) {
                marks.Exclude({column});
            }
        }
        TimeRequest->Apply(true, true, std::string(), nullptr);
    }
    TimeRequest->Refresh();
    UncheckAll();
}
