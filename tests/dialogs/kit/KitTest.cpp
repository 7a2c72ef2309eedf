// The dialog kit's pieces on their own: access marks put back after an exception, the walk
// gate's refusals with each variant's wording, the failure reports of get and set hooks, the
// guarded handler, the order in which a closing dialog ends its requests, and where the button
// column and label table steps put their controls.
#include "AccessMarks.h"
#include "Button.h"
#include "Edit.h"
#include "FailureReport.h"
#include "FeatureDialog.h"
#include "GuiTest.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "PortPickerSlot.h"
#include "QsSNMPError.h"
#include "RequestShutdown.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "WalkGate.h"
#include "stackingPortUitFormUnit.h"

#include <stdexcept>

namespace qs::test {
namespace {

const QsSNMPVarDesc kColumns[] = {
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.99.1.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.99.1.1.3", "State", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.99.1.1.4", "Status", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

class KitTest : public GuiTest {};

std::vector<unsigned> Words(const QsSNMPVarList& list) {
    std::vector<unsigned> words;
    for (int i = 0; i < list.GetCount(); ++i) {
        words.push_back(list.GetVar(i)->Access);
    }
    return words;
}

TEST_F(KitTest, AccessMarksPutEveryWordBackAlsoAfterAnException) {
    QsSNMPVarList list(kColumns, MVT_UMV, 1);
    const auto before = Words(list);
    try {
        AccessMarks marks(list);
        marks.Exclude({1, 2, 3});
        EXPECT_TRUE(list.GetVar(2)->Access & ACC_INVALID);
        marks.Restore({3});
        EXPECT_EQ(list.GetVar(3)->Access, unsigned{ACC_READWRITE});
        throw std::runtime_error("send failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Words(list), before) << "the read-only column goes back to read-only, not readwrite";
}

TEST_F(KitTest, KeepOnlyMarksTheOtherManagedColumns) {
    QsSNMPVarList list(kColumns, MVT_UMV, 1);
    AccessMarks marks(list);
    const int managed[] = {1, 3};
    const int keep[] = {3};
    marks.KeepOnly(managed, keep);
    EXPECT_TRUE(list.GetVar(1)->Access & ACC_INVALID);
    EXPECT_EQ(list.GetVar(2)->Access, unsigned{ACC_READONLY}) << "not managed: untouched";
    EXPECT_EQ(list.GetVar(3)->Access, unsigned{ACC_READWRITE});
}

TEST_F(KitTest, WalkGateRefusesWithEachVariantsWording) {
    using R = WalkGateConfig::Refresh;
    struct Case {
        const char* what;
        WalkGateConfig config;
        bool ready, busy;
        bool write, refresh, close;
        QStringList shown; // in the order write, refresh, close
    };
    const QString complete = QStringLiteral("Get data not complete");
    const QString refreshText = QStringLiteral("Refresh Not Complete");
    WalkGateConfig staticVlan{complete, true, R::Silent, {}, false, true, complete, false};
    WalkGateConfig portVlan{refreshText, true, R::Message, refreshText, true, false, {}, false};
    WalkGateConfig noBusy{complete, false, R::Open, {}, false, false, {}, true};
    const Case cases[] = {
        {"walk running", staticVlan, false, false, false, false, false, {complete, complete}},
        {"walk done, write reply pending", staticVlan, true, true, false, true, true, {complete}},
        {"idle", staticVlan, true, false, true, true, true, {}},
        {"busy refresh", portVlan, true, true, false, false, true, {refreshText, refreshText}},
        {"busy ignored", noBusy, true, true, true, true, true, {}},
        {"no flag, refresh open", noBusy, false, false, false, true, true, {complete}},
    };
    for (const Case& c : cases) {
        QsSNMPRequest2Controls request(nullptr);
        request.Busy = c.busy;
        WalkGate gate(c.config, &request);
        if (c.ready) {
            gate.Raise();
        }
        messages.boxes.clear();
        EXPECT_EQ(gate.AllowWrite(), c.write) << c.what;
        EXPECT_EQ(gate.AllowRefresh(), c.refresh) << c.what;
        EXPECT_EQ(gate.AllowClose(), c.close) << c.what;
        EXPECT_EQ(messages.Texts(), c.shown) << c.what;
    }
}

TEST_F(KitTest, StopClearsTheActiveFlagAndRaisesOnlyWhereConfigured) {
    for (const bool raises : {false, true}) {
        QsSNMPRequest2Controls request(nullptr);
        WalkGateConfig config;
        config.stopRaises = raises;
        WalkGate gate(config, &request);
        gate.Stop();
        EXPECT_FALSE(request.Request.Active);
        EXPECT_EQ(gate.Ready(), raises);
    }
}

TEST_F(KitTest, GetHookReportsAFailedReadInTheStatusPanelThenDoesItsWork) {
    auto* bar = new TStatusBar(form, form);
    bar->AddPanel(300);
    QsSNMPRequest2Controls request(form);
    StatusArea(bar).AttachTo(request);
    WalkGate gate({}, &request);
    int after = 0;
    request.OnGetDone = gate.Hook([&](QsSNMPError*) { ++after; });
    QsSNMPError failed;
    failed.code = -504;
    failed.message = "Request time out";
    request.OnGetDone(&request, &failed);
    EXPECT_TRUE(gate.Ready());
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(bar->Panels(0)->Text().contains(QStringLiteral("Request time out")))
        << bar->Panels(0)->Text().toStdString();
    EXPECT_TRUE(messages.boxes.isEmpty());

    bar->Panels(0)->SetText(QString());
    QsSNMPError done;
    request.OnGetDone(&request, &done);
    EXPECT_EQ(after, 2);
    EXPECT_EQ(bar->Panels(0)->Text(), QString()) << "success adds nothing of its own";
}

TEST_F(KitTest, FailuresWithoutAStatusOutputAndRefusedWritesGoToABox) {
    QsSNMPRequest2Controls request(form);
    QsSNMPError failed;
    failed.code = -503;
    failed.message = "Error status: genErr";
    EXPECT_TRUE(ReportReadFailure(&request, &failed));
    EXPECT_TRUE(ReportWriteFailure(&request, &failed));
    EXPECT_EQ(messages.Texts(),
              (QStringList{QStringLiteral("Error status: genErr"), QStringLiteral("Error status: genErr")}));
    QsSNMPError ok;
    EXPECT_FALSE(ReportReadFailure(&request, &ok));
    EXPECT_FALSE(ReportWriteFailure(&request, &ok));
    EXPECT_EQ(messages.boxes.size(), 2);
}

TEST_F(KitTest, GuardedHandlersPutTheExceptionTextInPanelZeroOrTheSimpleText) {
    for (const bool panel : {true, false}) {
        auto* bar = new TStatusBar(form, form);
        panel ? (void)bar->AddPanel(300) : bar->SetSimplePanel(true);
        const StatusArea status(bar);
        EXPECT_FALSE(Guarded(status, [] { throw std::runtime_error("'x' is not a valid integer value"); }));
        EXPECT_EQ(status.Text(), QStringLiteral("'x' is not a valid integer value"));
        EXPECT_EQ(panel ? bar->Panels(0)->Text() : bar->SimpleText(), status.Text());
        EXPECT_TRUE(Guarded(status, [] {}));
        delete bar;
    }
    EXPECT_TRUE(messages.boxes.isEmpty());
}

// A request that records, when it is freed, what had already happened.
class LoggedRequest : public QsSNMPRequest2Edits {
public:
    LoggedRequest(TForm* owner, std::string name, std::vector<std::string>& log, PortPickerSlot& slot)
        : QsSNMPRequest2Edits(owner), name_(std::move(name)), log_(log), slot_(slot) {}
    ~LoggedRequest() override {
        log_.push_back(name_ + (slot_.Picker() ? " freed, picker alive" : " freed, picker released") +
                       (Request.Active ? ", active" : ", inactive"));
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
    PortPickerSlot& slot_;
};

// A one-row list on parent with its row selected; clearing the selection is logged.
TListView* SelectedRowList(TForm* parent, std::vector<std::string>& log) {
    auto* list = new TListView(parent, parent);
    list->AddColumn(QStringLiteral("VLAN"));
    list->AddItem(QStringList{QStringLiteral("1")});
    list->SetSelected(list->Item(0));
    list->OnSelectItem = [&log](TObject*, TListItem*, bool selected) {
        if (!selected) {
            log.push_back("selection cleared");
        }
    };
    return list;
}

TEST_F(KitTest, ShutdownClearsTheSelectionReleasesPickersThenEndsRequestsInOrder) {
    std::vector<std::string> log;
    auto* list = SelectedRowList(form, log);
    PortPickerSlot slot(form);
    RequestShutdown shutdown;
    shutdown.SetListView(list);
    shutdown.AddPicker(&slot);
    shutdown.AddRequest(std::make_unique<LoggedRequest>(form, "table", log, slot));
    shutdown.AddRequest(std::make_unique<LoggedRequest>(form, "scalars", log, slot));
    shutdown.Run();
    EXPECT_EQ(log, (std::vector<std::string>{"selection cleared", "table freed, picker released, inactive",
                                             "scalars freed, picker released, inactive"}));
    EXPECT_TRUE(shutdown.Done());
    shutdown.Run();
    EXPECT_EQ(log.size(), 3u) << "a second run does nothing";
}

// A bare feature dialog that publishes the table request step.
class TableDialog : public FeatureDialog {
public:
    explicit TableDialog(TComponent* owner)
        : FeatureDialog(owner, "TableDialog", QStringLiteral("Table"), QSize(300, 200), 0) {}
    using FeatureDialog::MakeTableRequest;
};

TEST_F(KitTest, TableRequestIsEndedWithItsListAndPickerWhenTheDialogCloses) {
    std::vector<std::string> log;
    auto* dialog = new TableDialog(form);
    auto* list = SelectedRowList(dialog, log);
    PortPickerSlot slot(dialog);
    QsSNMPRequest2Edits* request = dialog->MakeTableRequest(list, slot);
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->Owner, dialog);
    EXPECT_FALSE(dialog->RequestsEnded());
    dialog->Show();
    dialog->Close();
    EXPECT_TRUE(dialog->RequestsEnded());
    EXPECT_EQ(log, std::vector<std::string>{"selection cleared"});
    EXPECT_EQ(slot.Picker(), nullptr) << "the picker is released by the shutdown";
    delete dialog;
}

TEST_F(KitTest, ShutdownWaitsForABusyRequestOnlyBoundedly) {
    PortPickerSlot slot(form);
    RequestShutdown shutdown;
    auto request = std::make_unique<QsSNMPRequest2Edits>(form);
    request->Busy = true; // nothing will ever clear it
    shutdown.AddRequest(std::move(request));
    shutdown.Run();
    EXPECT_TRUE(shutdown.Done());
}

} // namespace
} // namespace qs::test

namespace qs::test {
namespace {

struct ColumnCase {
    const char* what;
    ColumnHead head;
    bool secondWanted;
    ButtonPlace place;
    QRect count;                // empty: no count
    std::vector<QRect> buttons; // of the buttons made, in order
};

QRect Bounds(const TControl* c) {
    return {c->Left(), c->Top(), c->Width(), c->Height()};
}

TEST_F(KitTest, ButtonColumnPlacesTheHeadAndTheWantedButtonsAndStoresThem) {
    ButtonPlace wide;
    wide.width = 96;
    wide.top = 46;
    ButtonPlace shifted;
    shifted.left = 256;
    ButtonPlace row;
    row.left = 8;
    row.top = 184;
    row.step = 92;
    row.across = true;
    const ColumnCase cases[] = {
        {"samples and count",
         {"Label1", nullptr, "Count1"},
         true,
         {},
         {12, 26, 86, 22},
         {{12, 62, 86, 28}, {12, 98, 86, 28}, {12, 134, 86, 28}}},
        {"count alone",
         {nullptr, nullptr, "Count1"},
         true,
         {},
         {12, 12, 86, 22},
         {{12, 48, 86, 28}, {12, 84, 86, 28}, {12, 120, 86, 28}}},
        {"second left out",
         {"Label1", nullptr, "Count1"},
         false,
         {},
         {12, 26, 86, 22},
         {{12, 62, 86, 28}, {12, 98, 86, 28}}},
        {"wider, first button lower",
         {nullptr, nullptr, "Count1"},
         true,
         wide,
         {12, 12, 96, 22},
         {{12, 46, 96, 28}, {12, 82, 96, 28}, {12, 118, 96, 28}}},
        {"another left, no head",
         {},
         true,
         shifted,
         {},
         {{256, 12, 86, 28}, {256, 48, 86, 28}, {256, 84, 86, 28}}},
        {"a row across", {}, false, row, {}, {{8, 184, 86, 28}, {100, 184, 86, 28}}},
    };
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(c.what);
        FeatureDialog dialog(nullptr, "ColumnDialog", QStringLiteral("Column"), QSize(400, 300), 0);
        TLabel* label = nullptr;
        TStaticText* count = nullptr;
        ColumnHead head = c.head;
        head.label = &label;
        head.count = &count;
        TButton* first = nullptr;
        TButton* second = new TButton(&dialog, &dialog); // overwritten, also when left out
        TButton* third = nullptr;
        int clicks = 0;
        const ButtonColumn made =
            FillButtonColumn(dialog, &dialog, head,
                             {{&first, "First", "One", [&clicks] { ++clicks; }},
                              {&second, "Second", "Two", [&clicks] { clicks += 10; }, c.secondWanted},
                              {&third, "Third", "Three", {}}},
                             c.place);
        ASSERT_EQ(made.buttons.size(), 3U);
        EXPECT_EQ(made.buttons[0], first);
        EXPECT_EQ(made.buttons[1], second);
        EXPECT_EQ(made.buttons[2], third);
        EXPECT_EQ(second != nullptr, c.secondWanted);
        EXPECT_EQ(label, made.samples);
        EXPECT_EQ(label != nullptr, c.head.labelName != nullptr);
        if (label) {
            EXPECT_EQ(label->Caption(), QStringLiteral("Samples"));
            EXPECT_EQ(Bounds(label), QRect(c.place.left, 8, c.place.width, 16));
        }
        ASSERT_EQ(count != nullptr, !c.count.isEmpty());
        if (count) {
            EXPECT_EQ(count->objectName(), QStringLiteral("Count1"));
            EXPECT_EQ(count->Caption(), QStringLiteral("0"));
            EXPECT_EQ(Bounds(count), c.count);
        }
        std::vector<QRect> placed;
        for (TButton* b : {first, second, third}) {
            if (b) {
                placed.push_back(Bounds(b));
            }
        }
        EXPECT_EQ(placed, c.buttons);
        EXPECT_EQ(third->objectName(), QStringLiteral("Third"));
        EXPECT_EQ(third->Caption(), QStringLiteral("Three"));
        first->Click();
        third->Click(); // no handler: the dialog connects its own
        if (second) {
            second->Click();
        }
        EXPECT_EQ(clicks, c.secondWanted ? 11 : 1);
    }
}

TEST_F(KitTest, LabelTableAndPlacedControlsStandOnTheirPanelWhereTheTableSays) {
    FeatureDialog dialog(nullptr, "LabelDialog", QStringLiteral("Labels"), QSize(400, 300), 0);
    auto* strip = new TPanel(&dialog, &dialog);
    TLabel* first = nullptr;
    PlaceLabels(&dialog, strip,
                {{&first, "Label1", "Server Index", 8, 8}, {nullptr, "Label2", "Row Status", 140, 52}}, 130);
    auto* second = dialog.findChild<TLabel*>(QStringLiteral("Label2"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->objectName(), QStringLiteral("Label1"));
    EXPECT_EQ(first->Caption(), QStringLiteral("Server Index"));
    EXPECT_EQ(second->Caption(), QStringLiteral("Row Status"));
    EXPECT_EQ(Bounds(first), QRect(8, 8, 130, 16));
    EXPECT_EQ(Bounds(second), QRect(140, 52, 130, 16));
    auto* edit = PlaceOn<TEdit>(&dialog, strip, "Ed_Index", 8, 26, 120);
    EXPECT_EQ(edit->objectName(), QStringLiteral("Ed_Index"));
    EXPECT_EQ(Bounds(edit), QRect(8, 26, 120, 22));
    for (TControl* c : std::initializer_list<TControl*>{first, second, edit}) {
        EXPECT_EQ(c->Parent(), strip);
    }
}

} // namespace
} // namespace qs::test
