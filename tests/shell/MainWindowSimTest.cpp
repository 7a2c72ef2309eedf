// The main road against the simulated switch: the platform starts the program with the device
// address and communities, the main window finds its settings, and the front panel shows the
// switch's LEDs and links and follows them.
#include "MainUnit.h"

#include "About.h"
#include "Button.h"
#include "Label.h"

#include "Clock.h"
#include "GuiTest.h"
#include "Image.h"
#include "LedColorMaps.h"
#include "PanelKRS5428MXFormUnit.h"
#include "QsSNMPRequest2Leds.h"
#include "QsSNMPTarget.h"
#include "Shape.h"
#include "SimProcess.h"
#include "SnmpAdapter.h"
#include "StatusBar.h"
#include "TempDir.h"
#include "Timer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <filesystem>

namespace qs::test {
namespace {

class MainWindowSim : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        oldDir = std::filesystem::current_path();
        std::filesystem::current_path(dir.Dir());
        setenv("KRS_REGISTRY_FILE", dir.Path("registry.ini").c_str(), 1);
        dir.Write("registry.ini", "[HKEY_LOCAL_MACHINE]\nSOFTWARE\\Torvik\\Panorix5.1\\MibFile\\Path=" +
                                      dir.Dir() + "/conf/\n");
    }
    void TearDown() override {
        delete MainForm;
        unsetenv("KRS_REGISTRY_FILE");
        std::filesystem::current_path(oldDir);
        GuiTest::TearDown();
    }
    bool StartSim(std::vector<std::string> args = {}) {
        SimOptions options;
        options.args = std::move(args);
        sim = std::make_unique<SimProcess>(options);
        if (!sim->start()) {
            return false;
        }
        dir.Write("conf/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(sim->port()) +
                                            "\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\n"
                                            "PrivProtocol=0\n");
        return true;
    }
    TPanelKRS5428MX_Form* OpenPanel() {
        MainForm = qs::CreateForm<TMainForm>(
            nullptr, std::vector<std::string>{"/I127.0.0.1", "/Rlumpet", "/Wgrindel"});
        MainForm->ShowFrontPanel();
        return MainForm->FrontPanels.at(0);
    }
    // Runs the event loop until the condition holds (at most ms).
    static bool WaitFor(const std::function<bool()>& condition, int ms = 4000) {
        QElapsedTimer t;
        t.start();
        while (!condition() && t.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return condition();
    }
    static bool Shown(TPanelKRS5428MX_Form* p, const char* name) {
        auto* c = dynamic_cast<TControl*>(p->FindComponent(QString::fromLatin1(name)));
        return c != nullptr && c->Widget()->isVisibleTo(p);
    }
    static TColor LedColour(TPanelKRS5428MX_Form* p, int led) { return p->LedRequest->Led(led).Color; }

    TempDir dir;
    std::filesystem::path oldDir;
    std::unique_ptr<SimProcess> sim;
};

TEST_F(MainWindowSim, FrontPanelShowsTheSwitchState) {
    ASSERT_TRUE(StartSim());
    TPanelKRS5428MX_Form* panel = OpenPanel();
    EXPECT_EQ(MainForm->Caption(), "127.0.0.1");
    EXPECT_EQ(MainForm->ClientWidth(), 798);
    // The link pictures come from the blocking first read.
    EXPECT_TRUE(Shown(panel, "Portgreen1"));
    EXPECT_TRUE(Shown(panel, "PortOrange3"));
    EXPECT_FALSE(Shown(panel, "Portgreen4") || Shown(panel, "PortOrange4"));
    EXPECT_TRUE(Shown(panel, "Port25Fgreen") && Shown(panel, "Port26green") && Shown(panel, "Port28FOrange"));
    EXPECT_FALSE(Shown(panel, "Port27green") || Shown(panel, "Port27LedPanel"));
    // The LEDs from the first asynchronous poll, and the status line.
    ASSERT_TRUE(WaitFor([&] { return MainForm->StatusBar->Panels(0)->Text().startsWith("Get: Ok!"); }))
        << MainForm->StatusBar->Panels(0)->Text().toStdString();
    EXPECT_TRUE(MainForm->StatusBar->Panels(0)->Text().contains("Request: LED Status. Receive at "));
    EXPECT_EQ(LedColour(panel, 0), PowerLedColors().ColorOf(1));
    EXPECT_EQ(LedColour(panel, 0), kLedLime);
    EXPECT_EQ(LedColour(panel, 4), kLedLime);  // port 1: 02
    EXPECT_EQ(LedColour(panel, 6), kLedAmber); // port 3: 01
    MainForm->Show();
    QDir().mkpath(QStringLiteral(KRS_SCREENSHOT_DIR));
    EXPECT_TRUE(MainForm->grab().save(QStringLiteral(KRS_SCREENSHOT_DIR "/main-window.png")));
}

TEST_F(MainWindowSim, LinksFollowTheSwitchAndRecoverFromASilentDevice) {
    ASSERT_TRUE(StartSim({"--flip-links", "1"}));
    TPanelKRS5428MX_Form* panel = OpenPanel();
    const char* flipping[] = {"PortOrange3", "Portgreen8", "PortOrange13", "Portgreen21"};
    auto state = [&] {
        std::string s;
        for (const char* name : flipping) {
            s += Shown(panel, name) ? '1' : '0';
        }
        return s;
    };
    const std::string before = state();
    EXPECT_TRUE(WaitFor(
        [&] {
            panel->Timer1Timer(panel);
            return state() != before;
        },
        6000));
    // A device that stops answering: the pictures stay, the LEDs go dark with the error shown.
    sim->stop();
    const std::string last = state();
    panel->Timer1Timer(panel);
    EXPECT_EQ(state(), last);
    EXPECT_TRUE(
        WaitFor([&] { return !MainForm->StatusBar->Panels(0)->Text().startsWith("Get: Ok!"); }, 8000));
    EXPECT_EQ(LedColour(panel, 0), kLedBlack);
    // The device answers again on the same port: the next poll brings the LEDs back.
    const int port = sim->port();
    sim = std::make_unique<SimProcess>(SimOptions{{}, {"--port", std::to_string(port)}, false});
    ASSERT_TRUE(sim->start());
    EXPECT_TRUE(WaitFor([&] { return MainForm->StatusBar->Panels(0)->Text().startsWith("Get: Ok!"); }, 7000));
    EXPECT_EQ(LedColour(panel, 0), kLedLime);
}

TEST_F(MainWindowSim, ActivationShowsOnePanelAndRefreshRebuildsItOnlyWhenConfirmed) {
    ASSERT_TRUE(StartSim());
    MainForm =
        qs::CreateForm<TMainForm>(nullptr, std::vector<std::string>{"/I127.0.0.1", "/Rlumpet", "/Wgrindel"});
    MainForm->FormActivate(MainForm);
    MainForm->FormActivate(MainForm);
    ASSERT_EQ(MainForm->FrontPanels.size(), 1u);
    TPanelKRS5428MX_Form* first = MainForm->FrontPanels[0];

    messages.answers = {IDCANCEL};
    MainForm->Refresh1Click(MainForm);
    ASSERT_EQ(messages.Texts(), QStringList{"Refresh panel may take a long time. Are you sure?"});
    EXPECT_EQ(MainForm->FrontPanels, std::vector<TPanelKRS5428MX_Form*>{first});

    messages.answers = {IDOK};
    MainForm->Refresh1Click(MainForm);
    ASSERT_EQ(MainForm->FrontPanels.size(), 1u);
    EXPECT_TRUE(WaitFor([&] { return MainForm->FrontPanels[0]->LedRequest->Led(0).Color == kLedLime; }));
}

// The whole program: started, showing the switch, closed by the user; the process then ends
// cleanly (this test's process exits right after it).
TEST_F(MainWindowSim, ProgramRunsUntilTheMainWindowIsClosed) {
    ASSERT_TRUE(StartSim());
    QTimer::singleShot(1500, [] {
        ASSERT_NE(MainForm, nullptr);
        MainForm->Close();
    });
    EXPECT_EQ(qs::RunMainProgram({"/I127.0.0.1", "/Rlumpet", "/Wgrindel"}), 0);
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

// A front panel that cannot read its device says why in the status line, whatever the reason:
// a refused send, a key that cannot be made, a missing object under any version, no address.
struct PanelFailureCase {
    const char* name;
    std::vector<std::string> parameters;
    const char* settings; // the device settings file after "AgentPort=<sim port>\n"; null: none
    const char* status;
};

void PrintTo(const PanelFailureCase& c, std::ostream* os) {
    *os << c.name;
}

class PanelStartFailure : public MainWindowSim, public testing::WithParamInterface<PanelFailureCase> {};

TEST_P(PanelStartFailure, ShowsTheReasonInTheStatusLine) {
    const PanelFailureCase& c = GetParam();
    // The device has the system group only: no front-panel object.
    dir.Write("data/system.walk", ".1.3.6.1.2.1.1.5.0 = STRING: \"bare\"\n");
    SimOptions options;
    options.dataFile = dir.Path("data");
    options.args = {"--user", "alice:MD5:alicepass1:DES:aliceprivpass"};
    sim = std::make_unique<SimProcess>(options);
    ASSERT_TRUE(sim->start()) << sim->lastError();
    if (c.settings != nullptr) {
        dir.Write("conf/127.0.0.1.cfg",
                  "[Program Information]\nAgentPort=" + std::to_string(sim->port()) + "\n" + c.settings);
    }
    SetTimeOfDaySource([] { return QTime(9, 30, 0); });
    MainForm = qs::CreateForm<TMainForm>(nullptr, c.parameters);
    MainForm->ShowFrontPanel();
    const QString expected =
        QStringLiteral("Get: %1 Request: LED Status. Receive at 09:30:00.").arg(c.status);
    EXPECT_TRUE(WaitFor([&] { return MainForm->StatusBar->Panels(0)->Text() == expected; }, 8000))
        << MainForm->StatusBar->Panels(0)->Text().toStdString();
    SetTimeOfDaySource({});
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join(" | ").toStdString();
}

const char* const kV1 = "Version=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
const char* const kV2c = "Version=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
const char* const kV3 = "Version=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=alice\nAuthProtocol=1\n"
                        "PrivProtocol=1\nAuthPassword=alicepass1\nPrivPassword=aliceprivpass\n";
const char* const kV3ShortPhrase = "Version=3\nSecurityModel=3\nSecurityLevel=1\nSecurityName=alice\n"
                                   "AuthProtocol=1\nPrivProtocol=0\nAuthPassword=alice12\n";
const char* const kV3ImpossibleProtocols = "Version=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=alice\n"
                                           "AuthProtocol=7\nPrivProtocol=5\nAuthPassword=alicepass1\n"
                                           "PrivPassword=aliceprivpass\n";
const std::vector<std::string> kCommunities{"/I127.0.0.1", "/Rlumpet", "/Wgrindel"};

INSTANTIATE_TEST_SUITE_P(
    Cases, PanelStartFailure,
    testing::Values(
        PanelFailureCase{
            "EmptyAddress", {"/I", "/Rlumpet", "/Wgrindel"}, nullptr, "Invalid IP Address or DNS name!"},
        PanelFailureCase{"HugeCommunity",
                         {"/I127.0.0.1", "/R" + std::string(100000, 'c'), "/Wgrindel"},
                         kV1,
                         "(SNMPClass) Transport operation failed!"},
        PanelFailureCase{"V3ByTheSwitchAlone",
                         {"/I127.0.0.1", "/Rro", "/v3"},
                         nullptr,
                         "(SNMPv3) Unsupported Security Model!"},
        PanelFailureCase{"V3ShortPassPhrase", kCommunities, kV3ShortPhrase,
                         "The SNMPv3 pass phrase must have at least 8 characters."},
        PanelFailureCase{"V3ImpossibleProtocols", kCommunities, kV3ImpossibleProtocols,
                         "(SNMPv3USM) Unsupported AuthProtocol!"},
        PanelFailureCase{"MissingObjectV1", kCommunities, kV1, "(SNMP) Variable does not exist!"},
        PanelFailureCase{"MissingObjectV2c", kCommunities, kV2c, "(SNMP) Variable does not exist!"},
        PanelFailureCase{"MissingObjectV3", kCommunities, kV3, "(SNMP) Variable does not exist!"}),
    [](const testing::TestParamInfo<PanelFailureCase>& p) { return std::string(p.param.name); });

// The platform's registry file as a user keeps it: a start adds the module key's one line and
// finds the configuration folder, whose name holds "," and ";", where the file says.
TEST_F(MainWindowSim, StartAddsOneLineToTheRegistryFileAndFindsItsConfigurationFolder) {
    SimOptions options;
    sim = std::make_unique<SimProcess>(options);
    ASSERT_TRUE(sim->start()) << sim->lastError();
    const std::string conf = dir.Dir() + "/co,nf;x/";
    dir.Write("co,nf;x/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(sim->port()) +
                                           "\nVersion=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\n"
                                           "PrivProtocol=0\n");
    const std::string head = "; kept by the platform\n[HKEY_LOCAL_MACHINE]\n";
    const std::string rest = "SOFTWARE\\Torvik\\Panorix5.1\\MibFile\\Path=" + conf +
                             "\nSOFTWARE\\Torvik\\Odd Key%20\\Value=a;b,c\n[Other]\nx=y\n";
    dir.Write("registry.ini", head + rest);
    SetTimeOfDaySource([] { return QTime(9, 30, 0); });
    MainForm =
        qs::CreateForm<TMainForm>(nullptr, std::vector<std::string>{"/I127.0.0.1", "/Rlumpet", "/Wgrindel"});
    MainForm->ShowFrontPanel();
    EXPECT_TRUE(WaitFor([&] { return MainForm->StatusBar->Panels(0)->Text().startsWith("Get: Ok!"); }, 8000))
        << MainForm->StatusBar->Panels(0)->Text().toStdString();
    SetTimeOfDaySource({});
    EXPECT_EQ(DefaultDevice.port, sim->port()) << "the settings file of the configuration folder was read";
    EXPECT_EQ(dir.Read("registry.ini"), head + "SOFTWARE\\Torvik\\Modules\\HelpPath\\(key)=\n" + rest);
}

TEST_F(MainWindowSim, ToolThatCannotStartShowsABoxNamingTheProgram) {
    MainForm =
        qs::CreateForm<TMainForm>(nullptr, std::vector<std::string>{"/I127.0.0.1", "/Rlumpet", "/Wgrindel"});
    MainForm->RunMibTool("/TNoSuchTool_Table", "");
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("The program \"NoSuchTool\" could not be started."));
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("KRS-5400MX-28Module"));
}

// Start-up that cannot go on shows one box with the application's title and ends the program.
TEST_F(MainWindowSim, StartUpThatCannotGoOnEndsWithOneBox) {
    struct Case {
        std::vector<std::string> parameters;
        const char* text;
    };
    const Case cases[] = {{{}, "No parameter input"},
                          {{"/I127.0.0.1", "/vthree"}, "'three' is not a valid integer value"}};
    for (const Case& c : cases) {
        messages.boxes.clear();
        EXPECT_EQ(qs::RunMainProgram(c.parameters), 0);
        ASSERT_EQ(messages.boxes.size(), 1) << c.text;
        EXPECT_EQ(messages.boxes[0].text, c.text);
        EXPECT_EQ(Application->Title, "KRS-5400MX-28Module");
        EXPECT_EQ(MainForm, nullptr);
    }
}

const char* const kLedObject = ".1.3.6.1.4.1.58613.11.113.1.6.3.1.1.1.2";

// The requests of the journal that name the front panel's status object.
std::size_t PanelReads(const std::vector<JournalRecord>& journal) {
    return static_cast<std::size_t>(std::count_if(journal.begin(), journal.end(), [](const JournalRecord& r) {
        return !r.varbinds.empty() && r.varbinds[0].oid.starts_with(kLedObject);
    }));
}

// An asynchronous walk of the interface names, as a list page reads.
class NameWalk : public QsSNMPRequest2Controls {
public:
    explicit NameWalk(TWinControl* owner) : QsSNMPRequest2Controls(owner) {
        static const QsSNMPVarDesc columns[] = {
            {"1.3.6.1.2.1.2.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
            {"1.3.6.1.2.1.2.2.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
            {nullptr},
        };
        Request.List = QsSNMPVarList(columns, MVT_FMV, 1);
        Mode = RM_ASYNC;
    }
    int rows = 0;

protected:
    void OnRow() override { ++rows; }
};

// A device without the front panel's object: the panel's reads fail, and a page's read still
// ends on its own reply, never on the panel's next poll. The panel polls no more here, so a read
// that waited for a poll would not end at all.
TEST_F(MainWindowSim, PageReadsEndWithoutThePanelsPollOnADeviceWithoutItsObject) {
    ASSERT_TRUE(StartSim({"--without", kLedObject}));
    TPanelKRS5428MX_Form* panel = OpenPanel();
    ASSERT_TRUE(
        WaitFor([&] { return MainForm->StatusBar->Panels(0)->Text().contains("does not exist"); }, 8000))
        << MainForm->StatusBar->Panels(0)->Text().toStdString();
    panel->LedRequest->PollTimer->SetEnabled(false);
    panel->Timer1->SetEnabled(false);
    const std::size_t polls = PanelReads(sim->journal());
    for (int opening = 1; opening <= 4; ++opening) {
        NameWalk page(MainForm);
        page.Refresh();
        EXPECT_TRUE(WaitFor([&] { return !page.Busy; }, 8000)) << "opening " << opening;
        EXPECT_GT(page.rows, 0) << "opening " << opening;
    }
    EXPECT_EQ(PanelReads(sim->journal()), polls);
}

// Continues a stopped agent whatever the test's outcome, so it can be stopped at the end.
struct Continue {
    pid_t pid;
    ~Continue() { ::kill(pid, SIGCONT); }
};

// An SNMPv3 device silent at start-up costs one time-out, the front panel's first read: the
// main window itself sends nothing. Once it answers, the first poll says so.
TEST_F(MainWindowSim, SnmpV3DeviceSilentAtStartUpIsShownAnsweringByTheFirstPollAfterIt) {
    SimOptions options;
    options.args = {"--user", "alice:MD5:alicepass1:DES:aliceprivpass"};
    sim = std::make_unique<SimProcess>(options);
    ASSERT_TRUE(sim->start()) << sim->lastError();
    dir.Write("conf/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(sim->port()) + "\n" +
                                        "Version=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=alice\n"
                                        "AuthProtocol=1\nPrivProtocol=1\nAuthPassword=alicepass1\n"
                                        "PrivPassword=aliceprivpass\n");
    ASSERT_EQ(::kill(sim->pid(), SIGSTOP), 0);
    const Continue later{sim->pid()};
    const std::size_t sockets = AsyncSocketDescriptors().size();
    MainForm =
        qs::CreateForm<TMainForm>(nullptr, std::vector<std::string>{"/I127.0.0.1", "/Rlumpet", "/Wgrindel"});
    EXPECT_EQ(AsyncSocketDescriptors().size(), sockets);
    MainForm->ShowFrontPanel();
    TPanelKRS5428MX_Form* panel = MainForm->FrontPanels.at(0);
    ASSERT_TRUE(WaitFor([&] { return MainForm->StatusBar->Panels(0)->Text().contains("timed out"); }, 8000))
        << MainForm->StatusBar->Panels(0)->Text().toStdString();
    panel->LedRequest->PollTimer->SetEnabled(false);
    panel->Timer1->SetEnabled(false);
    ASSERT_EQ(::kill(sim->pid(), SIGCONT), 0);
    panel->Timer1Timer(panel);
    EXPECT_TRUE(WaitFor([&] { return MainForm->StatusBar->Panels(0)->Text().startsWith("Get: Ok!"); }, 8000))
        << MainForm->StatusBar->Panels(0)->Text().toStdString();
    EXPECT_EQ(LedColour(panel, 0), kLedLime);
}

// Help > About sends nothing: opened while the device is silent, its texts are there from the
// start, without waiting for the window system to activate it.
TEST_F(MainWindowSim, AboutOverASilentDeviceShowsItsTextsFromTheStart) {
    ASSERT_TRUE(StartSim());
    OpenPanel();
    ASSERT_TRUE(sim->pause());
    const Continue later{sim->pid()};
    QString shownLabel, shownCaption;
    QTimer::singleShot(25, [&] {
        shownLabel = AboutForm->AboutLabel->Caption();
        shownCaption = AboutForm->Caption();
        AboutForm->BT_Ok->Click();
    });
    MainForm->About1Click(MainForm);
    EXPECT_EQ(shownLabel, "Torvik KRS-5400-28 Vorev Ethernet Management Module");
    EXPECT_EQ(shownCaption, "About KRS-5400-28 Vorev Ethernet Module");
    EXPECT_EQ(AboutForm, nullptr);
}

} // namespace
} // namespace qs::test
