// The request-to-controls driver against krs-sim: the read and write paths in both modes, the
// status lines, stop, hooks, exceptions and closing a window during the driver's own walk.

#include "BlockingAction.h"
#include "DriverTestSupport.h"
#include "FakeAgent.h"
#include "Memo.h"
#include "MessageTable.h"
#include "QsException.h"
#include "Strings.h"

#include <QTimer>

namespace qs::test {
namespace {

const QString kGetOk = QStringLiteral("Get: Ok! Request:Port Settings. Receive at 14:03:07.");

struct ReadCase {
    const char* name;
    bool table;
    QsRequestMode mode;
    int rows;
    const char* line;
    const char* pdus;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadPaths : public DriverTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadPaths, RunTheStepsAndShowTheReadLine) {
    const ReadCase& c = GetParam();
    auto driver = c.table ? Table(c.mode) : Scalars(c.mode);
    driver->SetStatusBar(status);
    int done = 0;
    driver->OnGetDone = [&](QsSNMPRequest2Controls*, QsSNMPError* e) { done += e->code == 0 ? 1 : 100; };
    EXPECT_TRUE(driver->Refresh());
    EXPECT_EQ(driver->Busy, c.mode == RM_ASYNC);
    WaitIdle(*driver);
    EXPECT_FALSE(driver->Busy);
    EXPECT_EQ(driver->RowCount, c.rows);
    QStringList expected{"BeforeGet"};
    for (int i = 0; i < c.rows; ++i) {
        expected << "OnRow";
    }
    expected << "AfterGet";
    EXPECT_EQ(driver->log, expected);
    EXPECT_EQ(status->SimpleText(), QString::fromLatin1(c.line));
    EXPECT_EQ(done, c.mode == RM_ASYNC ? 1 : 0) << "OnGetDone ends asynchronous reads only";
    EXPECT_EQ(Pdus().join(' '), QString::fromLatin1(c.pdus));
}

const ReadCase kReads[] = {
    {"blocking scalars", false, RM_BLOCKING, 1, "Get: Ok! Request:Port Settings. Receive at 14:03:07.",
     "get"},
    {"async scalars", false, RM_ASYNC, 1, "Get: Ok! Request:Port Settings. Receive at 14:03:07.", "get"},
    {"blocking table", true, RM_BLOCKING, 3, "Get: Ok! Receive at 14:03:07.",
     "getnext getnext getnext getnext"},
    {"async table", true, RM_ASYNC, 3, "Get: Ok! Receive at 14:03:07.", "getnext getnext getnext getnext"},
};

INSTANTIATE_TEST_SUITE_P(Sim, ReadPaths, ::testing::ValuesIn(kReads));

TEST_F(DriverTest, StopDuringAnAsyncWalkDeliversTheRowInFlightThenStops) {
    auto driver = Table(RM_ASYNC);
    driver->SetStatusBar(status);
    driver->onRow = [&] { driver->Request.Active = false; };
    int done = 0;
    driver->OnGetDone = [&](QsSNMPRequest2Controls*, QsSNMPError*) { ++done; };
    driver->Refresh();
    WaitIdle(*driver);
    EXPECT_EQ(driver->log, QStringList({"BeforeGet", "OnRow", "AfterGet"}));
    EXPECT_EQ(status->SimpleText(),
              QStringLiteral("Get: Stop, SNMP Request is not active. Receive at 14:03:07."));
    EXPECT_EQ(done, 1);
    EXPECT_EQ(Pdus(), QStringList({"getnext"}));
}

QsSNMPError g_hooked;
void RecordError(QsSNMPError* e) {
    g_hooked = *e;
}

TEST_F(DriverTest, StopGoesToTheRequestsErrorHookWhenThereIsOne) {
    auto driver = Table(RM_ASYNC);
    driver->SetStatusBar(status);
    driver->Request.ErrorHook = RecordError;
    driver->onRow = [&] { driver->Request.Active = false; };
    g_hooked = {};
    driver->Refresh();
    WaitIdle(*driver);
    EXPECT_EQ(g_hooked.code, 0);
    EXPECT_EQ(g_hooked.message, "Stop, SNMP Request is not active.");
    EXPECT_EQ(g_hooked.sequence, static_cast<std::uint64_t>(-1));
    EXPECT_EQ(status->SimpleText(), QString());
}

TEST_F(DriverTest, InactiveAsyncRefreshSendsNothingAndIsNotBusy) {
    auto driver = Table(RM_ASYNC);
    driver->Request.Active = false;
    EXPECT_TRUE(driver->Refresh());
    EXPECT_FALSE(driver->Busy);
    QTest::qWait(50);
    EXPECT_TRUE(Pdus().isEmpty());
}

TEST_F(DriverTest, SuccessfulAsyncReadWithoutStatusOutputCallsNoHook) {
    auto driver = Scalars(RM_ASYNC);
    bool called = false;
    driver->OnGetDone = [&](QsSNMPRequest2Controls*, QsSNMPError*) { called = true; };
    driver->Refresh();
    WaitIdle(*driver);
    EXPECT_EQ(driver->RowCount, 1);
    EXPECT_FALSE(called);
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(DriverTest, FailedAsyncReadShowsTheErrorOrHandsItToTheHook) {
    auto driver = Scalars(RM_ASYNC);
    driver->Request.Device.port = 9; // nobody answers there
    driver->Request.Timeout = 5;
    driver->SetStatusBar(status);
    driver->Refresh();
    WaitIdle(*driver);
    EXPECT_TRUE(status->SimpleText().startsWith(QStringLiteral("Get: ")))
        << status->SimpleText().toStdString();
    EXPECT_NE(status->SimpleText(), kGetOk);
    EXPECT_EQ(driver->log, QStringList({"BeforeGet"})) << "a failed read has no AfterGet";
    QsSNMPError seen;
    driver->OnGetDone = [&](QsSNMPRequest2Controls*, QsSNMPError* e) { seen = *e; };
    status->SetSimpleText(QString());
    driver->Refresh();
    WaitIdle(*driver);
    EXPECT_NE(seen.code, 0);
    EXPECT_EQ(status->SimpleText(), QString());
}

// A failed blocking read shows its reason in the status output (the front panel's link read,
// which has none, stays silent). The success of a read begun in the same user action, or begun
// before the failed one, leaves that failure standing on the same output, so the window never
// reads "Ok!" with a value missing; a read begun later in another action shows its success.
TEST_F(DriverTest, AFailedReadStandsAgainstTheSuccessOfReadsOfItsActionOrBegunBefore) {
    struct Case {
        const char* name;
        bool walkFirst;  // the walk begins before the failing read
        bool sameAction; // both in one user action
        bool okAfter;
    };
    const Case cases[] = {
        {"one action, walk first", true, true, false},
        {"one action, failure first", false, true, false},
        {"a later click fails while the walk runs", true, false, false},
        {"an earlier click failed", false, false, true},
    };
    const QString missing = QString::fromStdString(MapSnmpStatus(2).text);
    for (const Case& c : cases) {
        auto lacking = Scalars(RM_BLOCKING);
        lacking->Request.List = QsSNMPVarList();
        lacking->Request.List.AddVar("1.3.6.1.4.1.99999.77", "Missing", SYN_INTEGER, ACC_READONLY);
        lacking->SetStatusBar(status);
        auto walk = Table(RM_ASYNC);
        walk->SetStatusBar(status);
        const std::function<void()> walkStep = [&] { walk->Refresh(); };
        const std::function<void()> failStep = [&] {
            EXPECT_FALSE(lacking->Refresh());
            EXPECT_EQ(status->SimpleText(), "Get: " + missing + " Receive at 14:03:07.") << c.name;
        };
        const std::function<void()>& first = c.walkFirst ? walkStep : failStep;
        const std::function<void()>& second = c.walkFirst ? failStep : walkStep;
        if (c.sameAction) {
            const BlockingAction click;
            first();
            second();
        } else {
            {
                const BlockingAction click;
                first();
            }
            const BlockingAction next;
            second();
        }
        WaitIdle(*walk);
        EXPECT_EQ(walk->RowCount, 3);
        EXPECT_EQ(status->SimpleText().contains(QStringLiteral("Ok!")), c.okAfter)
            << c.name << ": " << status->SimpleText().toStdString();
    }
    auto silent = Scalars(RM_BLOCKING);
    silent->Request.List = QsSNMPVarList();
    silent->Request.List.AddVar("1.3.6.1.4.1.99999.77", "Missing", SYN_INTEGER, ACC_READONLY);
    EXPECT_FALSE(silent->Refresh());
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(DriverTest, WritesShowTheSetLineOrABoxWithTheError) {
    for (QsRequestMode mode : {RM_BLOCKING, RM_ASYNC}) {
        auto ok = Scalars(mode);
        ok->SetStatusBar(status);
        ok->Request.List.GetVar(0)->Value = "2";
        ok->Request.List.GetVar(1)->Value = "renamed";
        EXPECT_TRUE(ok->Apply(true, true, "", nullptr));
        WaitIdle(*ok);
        EXPECT_EQ(status->SimpleText(),
                  QStringLiteral("Set: Ok! Request:Port Settings. Receive at 14:03:07."));
        EXPECT_EQ(ok->log, QStringList({"BeforeSet", "CollectValues", "AfterSet"}));

        status->SetSimpleText(QString());
        auto refused = Writable(mode);
        refused->SetStatusBar(status);
        refused->Request.List.GetVar(0)->Value = "4";
        const bool result = refused->Apply(true, false, "", nullptr);
        WaitIdle(*refused);
        EXPECT_EQ(result, mode == RM_ASYNC) << "an asynchronous write reports only the sending";
        ASSERT_EQ(messages.boxes.size(), 1);
        EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("KRS-5400MX-28Module"));
        EXPECT_EQ(messages.boxes[0].parent, form);
        EXPECT_TRUE(status->SimpleText().isEmpty()) << "a failed write goes to a box only";
        messages.boxes.clear();
    }
}

TEST_F(DriverTest, AsyncWriteResultGoesToTheHookWhenSet) {
    auto driver = Writable(RM_ASYNC);
    driver->Request.List.GetVar(0)->Value = "4";
    int code = 0;
    driver->OnSetDone = [&](QsSNMPRequest2Controls*, QsSNMPError* e) { code = e->code; };
    driver->Apply(true, false, "", nullptr);
    WaitIdle(*driver);
    EXPECT_NE(code, 0);
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_EQ(driver->log, QStringList({"BeforeSet"})) << "a refused write has no AfterSet";
}

TEST_F(DriverTest, BlockingTableWriteRefreshesOnlyWithAStatusOutput) {
    auto silent = Table(RM_BLOCKING);
    silent->Request.List.GetVar(1)->Value = "x";
    silent->Apply(true, false, "", nullptr);
    EXPECT_FALSE(Pdus().contains(QStringLiteral("getnext"))) << "no read follows without a status output";

    auto shown = Table(RM_BLOCKING);
    shown->SetStatusBar(status);
    shown->Request.List.GetVar(1)->Value = "x";
    shown->Apply(true, false, "", nullptr);
    EXPECT_TRUE(Pdus().contains(QStringLiteral("getnext")))
        << "the table is read again, also after a failure";
    EXPECT_EQ(shown->log.filter("OnRow").size(), 3);
}

TEST_F(DriverTest, ExceptionFromABlockingRowIsRaisedAgainAndLeavesTheDriverIdle) {
    auto driver = Table(RM_BLOCKING);
    driver->onRow = [] { throw QsException("Bad row", -519); };
    try {
        driver->Refresh();
        ADD_FAILURE() << "no exception";
    } catch (const QsException& e) {
        EXPECT_STREQ(e.what(), "Bad row");
        EXPECT_EQ(e.helpContext, -519);
    }
    EXPECT_FALSE(driver->Busy);
    EXPECT_FALSE(driver->log.contains("AfterGet"));
}

TEST_F(DriverTest, ExceptionFromAnAsyncRowEndsTheWalkAndIsShown) {
    auto driver = Table(RM_ASYNC);
    driver->SetStatusBar(status);
    driver->onRow = [] { throw QsException("Bad row", -519); };
    driver->Refresh();
    WaitIdle(*driver);
    EXPECT_FALSE(driver->Busy);
    EXPECT_EQ(status->SimpleText(), QStringLiteral("Get: Bad row Receive at 14:03:07."));
    EXPECT_FALSE(driver->log.contains("AfterGet"));
}

TEST_F(DriverTest, StatusLineTemplatesAndOutputs) {
    auto driver = Table(RM_BLOCKING);
    driver->ShowStatus("nowhere"); // no status output: nothing, and no box
    EXPECT_TRUE(messages.boxes.isEmpty());
    SnmpMsgTable().Replace({"[VARLIST] read: [ERROR] at [TIME]", "Set [ERROR]"});
    driver->SetStatusBar(status);
    driver->ShowStatus("Ok!");
    EXPECT_EQ(status->SimpleText(), QStringLiteral("[VARLIST] read: Ok! at 14:03:07")) << "nothing is cut";
    SnmpMsgTable().RestoreBuiltIn();
    auto* memo = new TMemo(form);
    driver->SetStatusBar(memo);
    driver->LastOperation = 1;
    driver->ShowStatus("Ok!");
    driver->ShowStatus("Ok!");
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->Lines()[1], QStringLiteral("Set: Ok! Receive at 14:03:07."));
    TStatusPanel* panel = status->AddPanel();
    driver->SetStatusPanel(panel);
    driver->Request.List.Name = "Ports";
    driver->ShowStatus(" Ok!");
    EXPECT_EQ(panel->Text(), QStringLiteral("Set:  Ok! Request:Ports. Receive at 14:03:07."));
}

// A window closed from inside the driver's own walk (its rows process messages) is not freed
// under the walk: the close waits until the operation has unwound, then happens once.
TEST_F(DriverTest, CloseDuringTheDriversOwnWalkIsDeferredUntilItUnwinds) {
    auto* page = new TForm;
    LoggingDriver* driver = Table(RM_BLOCKING).release();
    driver->Owner = page;
    bool freed = false;
    page->OnClose = [&](TObject*, TCloseAction& action) {
        driver->Request.Active = false;
        if (driver->InOperation()) {
            action = caNone; // asked again once the walk has returned
            QTimer::singleShot(0, page, [page] { page->Close(); });
            return;
        }
        delete driver;
        freed = true;
        action = caFree;
    };
    driver->onRow = [&] {
        if (driver->RowCount == 0) {
            QTimer::singleShot(0, page, [page] { page->Close(); });
        }
        Application->ProcessMessages();
    };
    QPointer<TForm> alive(page);
    page->Show();
    driver->Refresh();
    EXPECT_FALSE(freed) << "not inside the walk";
    EXPECT_LT(driver->log.filter("OnRow").size(), 3) << "the cleared active flag stopped the walk";
    for (int i = 0; i < 5 && alive; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(freed);
    EXPECT_FALSE(alive);
}

// A driver freed while its asynchronous read is out: the reply still comes while the request
// waits for it, and must reach nobody.
TEST_F(DriverTest, ReplyArrivingWhileTheDriverIsFreedReachesNobody) {
    auto driver = Table(RM_ASYNC);
    driver->SetStatusBar(status);
    int hooks = 0;
    driver->OnGetDone = [&](QsSNMPRequest2Controls*, QsSNMPError*) { ++hooks; };
    driver->Refresh();
    ASSERT_TRUE(driver->Busy);
    driver.reset();
    QTest::qWait(50);
    EXPECT_EQ(hooks, 0);
    EXPECT_EQ(status->SimpleText(), QString());
}

TEST_F(DriverTest, ValuesOfAWriteAreTakenByPosition) {
    auto driver = Scalars(RM_BLOCKING);
    TStringList values({QStringLiteral("7")});
    EXPECT_TRUE(driver->Apply(false, false, "0", &values));
    auto reader = Scalars(RM_BLOCKING);
    reader->Refresh();
    EXPECT_EQ(reader->Request.List.GetVar(0)->Value, "7");
}

// An agent that answers the first GET-NEXT of a walk with an error status but with bindings
// inside the columns: the blocking read ends with the failure instead of asking the same first
// step again and again (the window would never get control back).
TEST_F(DriverTest, BlockingWalkEndsOnAFailedStepThatCarriesARow) {
    int served = 0;
    FakeAgent agent([&served](const FakeRequest& r) {
        FakeResponse response;
        if (++served > 25) {
            response.drop = true; // ends a looping read by its time-out, so the test ends either way
            return response;
        }
        response.errorStatus = 5;
        response.errorIndex = 1;
        for (const SnmpVarBind& vb : r.vbs) {
            OidVector oid = vb.oid;
            oid.push_back(1);
            response.vbs.push_back({oid, SnmpValue::fromInt(1)});
        }
        return response;
    });
    auto driver = Table(RM_BLOCKING);
    driver->Request.Device.port = agent.port();
    driver->Request.Timeout = 10;
    driver->Request.Retries = 0;
    EXPECT_FALSE(driver->Refresh());
    EXPECT_EQ(agent.requests(), 1);
}

} // namespace
} // namespace qs::test
