#include "QsSNMPSession.h"
#include "BootCounterFile.h"
#include "QsException.h"
#include "SnmpAdapter.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <poll.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const std::string kEngine = "QsSNMP_PP_Application";

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "qs_session_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

class SnmpSession : public testing::Test {
protected:
    void SetUp() override {
        App();
        char pattern[] = "/tmp/krs-session-XXXXXX";
        dir_ = ::mkdtemp(pattern);
    }
    void TearDown() override {
        EventProcessor().Stop();
        fs::remove_all(dir_);
    }
    unsigned StoredBoots() const {
        unsigned boots = 0;
        qs::bootcounter::Read(dir_ + "/QsSNMP_PP_BootCounter", kEngine, boots);
        return boots;
    }

    std::string dir_;
};

TEST_F(SnmpSession, DefaultsAreEmptyUntilStarted) {
    if (SnmpSessionStarted()) {
        GTEST_SKIP() << "an earlier test of this process started the session";
    }
    EXPECT_TRUE(DefaultDevice.host.empty());
    EXPECT_EQ(DefaultDevice.port, 0);
    EXPECT_TRUE(DefaultSecurity.readCommunity.empty());
    EXPECT_EQ(DefaultTimeout, 0);
    EXPECT_FALSE(SnmpSessionStarted());
    EXPECT_FALSE(EventProcessor().IsRunning());
}

TEST_F(SnmpSession, StartSetsTheDefaultsAndStartsThePump) {
    InitSnmpSession(dir_);
    EXPECT_TRUE(SnmpSessionStarted());
    EXPECT_EQ(DefaultDevice.host, "127.0.0.1");
    EXPECT_EQ(DefaultDevice.port, 161);
    EXPECT_TRUE(DefaultScope.contextEngineId.empty());
    EXPECT_TRUE(DefaultScope.contextName.empty());
    EXPECT_EQ(DefaultSecurity.version, 0);
    EXPECT_EQ(DefaultSecurity.readCommunity, "lumpet");
    EXPECT_EQ(DefaultSecurity.writeCommunity, "grindel");
    EXPECT_EQ(DefaultSecurity.securityModel, 1);
    EXPECT_EQ(DefaultSecurity.securityLevel, 1);
    EXPECT_TRUE(DefaultSecurity.securityName.empty());
    EXPECT_TRUE(DefaultSecurity.authPassPhrase.empty());
    EXPECT_TRUE(DefaultSecurity.privPassPhrase.empty());
    EXPECT_EQ(DefaultSecurity.authProtocol, 1);
    EXPECT_EQ(DefaultSecurity.privProtocol, 1);
    EXPECT_EQ(DefaultTimeout, 100);
    EXPECT_TRUE(EventProcessor().IsRunning());
}

TEST_F(SnmpSession, EachStartCountsOneBoot) {
    InitSnmpSession(dir_);
    EXPECT_EQ(StoredBoots(), 1u);
    InitSnmpSession(dir_ + "/"); // a trailing separator names the same file
    EXPECT_EQ(StoredBoots(), 2u);
}

struct StartFailure {
    const char* name;
    const char* fileText; // null: the directory does not exist
    int code;
};

class SnmpSessionFailure : public SnmpSession, public testing::WithParamInterface<StartFailure> {};

TEST_P(SnmpSessionFailure, EndsStartUpWithTheCodeAndLeavesTheDefaults) {
    const auto& c = GetParam();
    DefaultSecurity = {}; // as before start-up, also when an earlier test of this process started
    DefaultTimeout = 0;
    std::string dir = dir_ + "/missing";
    if (c.fileText) {
        dir = dir_;
        std::ofstream(dir_ + "/QsSNMP_PP_BootCounter") << c.fileText;
    }
    try {
        InitSnmpSession(dir);
        FAIL() << "no exception";
    } catch (const QsException& e) {
        EXPECT_EQ(e.helpContext, c.code);
    }
    EXPECT_EQ(DefaultTimeout, 0);
    EXPECT_TRUE(DefaultSecurity.readCommunity.empty());
    EXPECT_FALSE(EventProcessor().IsRunning());
}

void PrintTo(const StartFailure& c, std::ostream* os) {
    *os << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SnmpSessionFailure,
    testing::Values(StartFailure{"Unwritable", nullptr, -508},
                    StartFailure{"EntryWithoutCount", "EAGCECDNDME@EOE@E@EODAG@G@FLFIFCFAGDFIFOFN x\n",
                                 -507}),
    [](const testing::TestParamInfo<StartFailure>& p) { return std::string(p.param.name); });

class SnmpPump : public SnmpSession {
protected:
    void SetUp() override {
        SnmpSession::SetUp();
        InitSnmpSession(dir_);
        ASSERT_TRUE(agent_.running());
    }
    qs::test::SnmpdAgent agent_;
};

const qs::SnmpVarBind kSysDescr{{1, 3, 6, 1, 2, 1, 1, 1, 0}, qs::SnmpValue::null()};

// Once a reply lies on the socket, the next pass of the event loop handles it: no pass waits for
// the 20 ms tick. The socket is watched by the test itself, so nothing depends on how fast the
// machine is.
TEST_F(SnmpPump, ReplyIsHandledWhenItArrivesNotAtTheNextTick) {
    int done = 0;
    qs::OpenSessions(agent_.target(1)); // sockets known before the first send
    for (int i = 0; i < 20; ++i) {
        const int before = done;
        ASSERT_EQ(qs::SendAsync(agent_.target(1), qs::PduKind::Get, {kSysDescr},
                                [&](int, const qs::SnmpReply&) { ++done; }, {}),
                  0);
        std::vector<pollfd> fds;
        for (const int fd : qs::AsyncSocketDescriptors()) {
            fds.push_back({fd, POLLIN, 0});
        }
        ASSERT_GT(::poll(fds.data(), fds.size(), 5000), 0) << "no reply within 5 s";
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        EXPECT_EQ(done, before + 1) << "round trip " << i << " waited for the tick";
        QElapsedTimer rest;
        rest.start();
        while (done == before && rest.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
    }
    EXPECT_EQ(done, 20);
}

TEST_F(SnmpPump, StepNeverNestsAndTheTimerIsReArmedAfterIt) {
    std::vector<int> order;
    bool nestedStepRan = false;
    auto first = [&](int, const qs::SnmpReply&) {
        order.push_back(1);
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 100) { // a completion that processes events, as a list page does
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        nestedStepRan = order.size() > 1;
    };
    auto second = [&](int, const qs::SnmpReply&) { order.push_back(2); };
    ASSERT_EQ(qs::SendAsync(agent_.target(1), qs::PduKind::Get, {kSysDescr}, first, {}), 0);
    ASSERT_EQ(qs::SendAsync(agent_.target(1), qs::PduKind::Get, {kSysDescr}, second, {}), 0);
    QElapsedTimer clock;
    clock.start();
    while (order.size() < 2 && clock.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_FALSE(nestedStepRan);
    EXPECT_TRUE(EventProcessor().IsRunning());
    EXPECT_FALSE(EventProcessor().InStep());
}

// Idle, the program is not woken: the retransmission and time-out tick runs only while a request
// is outstanding.
TEST_F(SnmpPump, TimerRunsOnlyWhileARequestIsOutstanding) {
    qs::OpenSessions(agent_.target(1));
    EXPECT_FALSE(EventProcessor().TimerArmed());
    int done = 0;
    ASSERT_EQ(qs::SendAsync(agent_.target(1), qs::PduKind::Get, {kSysDescr},
                            [&](int, const qs::SnmpReply&) { ++done; }, {}),
              0);
    EXPECT_TRUE(EventProcessor().TimerArmed());
    QElapsedTimer clock;
    clock.start();
    while (done == 0 && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    EXPECT_EQ(done, 1);
    EXPECT_FALSE(EventProcessor().TimerArmed());
}

} // namespace
