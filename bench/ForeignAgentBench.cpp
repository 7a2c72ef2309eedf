// What the user waits for when the device is not the switch or does not answer, with the front
// panel polling as in the program:
// - "pages": a list page opened, read and closed several times in a row against Debian's snmpd
//   (no front-panel object) and against krs-sim, SNMPv2c and SNMPv3; each read is timed from
//   showing the page to its status line.
// - "catalogue": every page of the main menu opened against Debian's snmpd, SNMPv2c and SNMPv3,
//   each three times in a row with the front panel polling; from showing the page to the end of
//   its first read, in ms (median, slowest, and the slowest page).
// - "startup": the start-up pause against a stopped krs-sim (the default target opened and the
//   front panel created), SNMPv2c and SNMPv3; then, with the agent continued, how long the front
//   panel's status line still shows the failure.
//
//     krs_foreign_bench [pages] [catalogue] [startup] [-n OPENINGS]   (default: pages and startup, 6
//     openings)
#include "Application.h"
#include "GUIConfigForm.h"
#include "GUIGenerator.h"
#include "MainMenu.h"
#include "MainUnit.h"
#include "PageCommand.h"
#include "PanelKRS5428MXFormUnit.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPRequest2Leds.h"
#include "QsSNMPSession.h"
#include "SimProcess.h"
#include "StatusBar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QsSNMPVarDesc kColumns[] = {
    {"1.3.6.1.4.1.99999.31.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.31.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const char* const kUser = "alice";
const char* const kAuthPass = "alicepass1";
const char* const kPrivPass = "aliceprivpass";

int g_openings = 6;

// Runs the event loop until done() holds or ms have passed; false on the limit.
bool LoopUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

// Debian's snmpd on a free loopback port: community "lumpet", the SNMPv3 user of krs-sim's tests.
class Snmpd {
public:
    explicit Snmpd(const std::string& folder) {
        const std::string conf = folder + "/snmpd.conf";
        std::ofstream(conf) << "rocommunity lumpet 127.0.0.1\ncreateUser " << kUser << " MD5 \"" << kAuthPass
                            << "\" DES \"" << kPrivPass << "\"\nrouser " << kUser << " priv\n";
        port_ = 20000 + static_cast<std::uint16_t>(::getpid() % 20000);
        const std::string endpoint = "udp:127.0.0.1:" + std::to_string(port_);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setenv("SNMP_PERSISTENT_DIR", folder.c_str(), 1);
            ::setenv("MIBS", "", 1);
            ::execl("/usr/sbin/snmpd", "snmpd", "-f", "-Lf", "/dev/null", "-C", "-c", conf.c_str(),
                    endpoint.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::usleep(700000);
    }
    ~Snmpd() {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    std::uint16_t port() const { return port_; }

private:
    pid_t pid_ = -1;
    std::uint16_t port_ = 0;
};

void AimDefaults(std::uint16_t port, int version) {
    DefaultDevice = QsSNMPDevice{"127.0.0.1", port};
    DefaultSecurity = QsSNMPSecurity{};
    DefaultSecurity.version = static_cast<std::uint8_t>(version);
    DefaultSecurity.readCommunity = "lumpet";
    DefaultSecurity.writeCommunity = "grindel";
    DefaultSecurity.securityModel = version == 3 ? 3 : 1;
    DefaultSecurity.securityLevel = version == 3 ? 3 : 1;
    DefaultSecurity.securityName = version == 3 ? kUser : "";
    DefaultSecurity.authProtocol = version == 3 ? 2 : 1;
    DefaultSecurity.privProtocol = version == 3 ? 2 : 1;
    DefaultSecurity.authPassPhrase = version == 3 ? kAuthPass : "";
    DefaultSecurity.privPassPhrase = version == 3 ? kPrivPass : "";
    DefaultTimeout = 100;
}

// The front panel as the main window makes it, its status line on a bar of our own.
struct FrontPanel {
    TForm owner;
    TStatusBar* bar = nullptr;
    TPanelKRS5428MX_Form* panel = nullptr;
    FrontPanel() {
        bar = new TStatusBar(&owner, &owner);
        bar->AddPanel(400);
        panel = new TPanelKRS5428MX_Form(&owner);
        panel->FormCreate(panel);
        if (panel->LedRequest) {
            panel->LedRequest->SetStatusPanel(bar->Panels(0));
        }
    }
    ~FrontPanel() { panel->FormDestroy(panel); }
    QString Status() const { return bar->Panels(0)->Text(); }
};

// One opening of a list page, modal as the menu opens it: from showing it to its read's status
// line, in ms (-1: none in 10 s).
qint64 OpenPage() {
    auto page = std::make_unique<TConfigForm>();
    auto* request = new QsSNMPRequest2Edits(page.get());
    request->Request.List = QsSNMPVarList(kColumns, MVT_FMV, 1);
    request->Request.List.Name = "Bench";
    TSNMPListViewPanel* view = page->SetListViewPage(request, -1, nullptr, -1, nullptr);
    QElapsedTimer clock;
    clock.start();
    qint64 ms = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (view->StatusBar->SimpleText().startsWith(QStringLiteral("Get:"))) {
            ms = clock.elapsed();
        }
        if (ms >= 0 || clock.elapsed() > 10000) {
            watch.stop();
            page->Close();
        }
    });
    watch.start(1);
    page->ShowModal();
    page.reset();
    QCoreApplication::processEvents();
    return ms;
}

void PageRow(const char* agent, std::uint16_t port, int version) {
    AimDefaults(port, version);
    qs::OpenDefaultTarget();
    FrontPanel front;
    std::printf("  %-8s v%s  reads (ms):", agent, version == 3 ? "3 " : "2c");
    for (int i = 0; i < g_openings; ++i) {
        std::printf(" %5lld", static_cast<long long>(OpenPage()));
        std::fflush(stdout);
        LoopUntil([] { return false; }, 2000); // the user between two openings
    }
    std::printf("\n");
}

void Pages(const std::string& folder) {
    std::printf("List page read with the front panel polling\n");
    {
        const Snmpd snmpd(folder);
        PageRow("snmpd", snmpd.port(), 1);
        PageRow("snmpd", snmpd.port(), 3);
    }
    qs::test::SimProcess sim(
        qs::test::SimOptions{{}, {"--user", "alice:MD5:alicepass1:DES:aliceprivpass"}, false});
    if (!sim.start()) {
        std::printf("krs-sim did not start: %s\n", sim.lastError().c_str());
        return;
    }
    PageRow("krs-sim", sim.port(), 1);
    PageRow("krs-sim", sim.port(), 3);
}

// From showing a catalogue page to the end of the first read one of its panels shows, in ms (-1:
// none in 10 s).
qint64 FirstRead(TConfigForm& page) {
    QElapsedTimer clock;
    clock.start();
    page.Show();
    const bool read = LoopUntil(
        [&] {
            for (QFrame* frame : page.findChildren<QFrame*>()) {
                auto* panel = dynamic_cast<TSNMPPanel*>(frame);
                if (panel && panel->MsgPanel && panel->isVisible() && !panel->Request->Busy &&
                    !panel->StatusBar->SimpleText().isEmpty()) {
                    return true;
                }
            }
            return false;
        },
        10000);
    return read ? clock.elapsed() : -1;
}

void CatalogueRow(std::uint16_t port, int version) {
    AimDefaults(port, version);
    qs::OpenDefaultTarget();
    FrontPanel front;
    std::vector<qint64> times;
    std::string slowest;
    int unread = 0;
    qs::ForEachMenuEntry(qs::MainMenuItems(), [&](const qs::MenuEntry& e, const qs::MenuPlace& place) {
        if (e.kind != qs::CommandKind::Page) {
            return;
        }
        for (int i = 0; i < 3; ++i) {
            std::unique_ptr<TConfigForm> page = qs::BuildPage(*e.page);
            const qint64 ms = FirstRead(*page);
            page->Close();
            page.reset();
            QCoreApplication::processEvents();
            if (ms < 0) {
                ++unread;
                continue;
            }
            if (times.empty() || ms > *std::max_element(times.begin(), times.end())) {
                slowest = place.path;
            }
            times.push_back(ms);
        }
    });
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return times.empty()
                   ? -1LL
                   : static_cast<long long>(times[static_cast<std::size_t>(share * (times.size() - 1))]);
    };
    std::printf(
        "  snmpd v%s  %zu reads: median %lld ms, 95th %lld ms, slowest %lld ms (%s); %d without a read\n",
        version == 3 ? "3 " : "2c", times.size(), at(0.5), at(0.95), at(1.0), slowest.c_str(), unread);
}

void Catalogue(const std::string& folder) {
    std::printf("Every page of the menu, three openings each, against Debian's snmpd\n");
    DeviceAddress = "127.0.0.1";
    const Snmpd snmpd(folder);
    CatalogueRow(snmpd.port(), 1);
    CatalogueRow(snmpd.port(), 3);
}

// Start-up against a stopped agent: the pause, then how long the status line lags once it answers.
// upFront: the default target opened (its engine discovered) before the front panel, as the
// program once did.
void StartupRow(int version, bool upFront) {
    qs::test::SimProcess sim(
        qs::test::SimOptions{{}, {"--user", "alice:MD5:alicepass1:DES:aliceprivpass"}, false});
    if (!sim.start()) {
        std::printf("krs-sim did not start: %s\n", sim.lastError().c_str());
        return;
    }
    ::kill(sim.pid(), SIGSTOP);
    AimDefaults(sim.port(), version);
    QElapsedTimer clock;
    clock.start();
    if (upFront) {
        qs::OpenDefaultTarget();
    }
    auto front = std::make_unique<FrontPanel>();
    const qint64 pause = clock.elapsed();
    LoopUntil([&] { return !front->Status().isEmpty(); }, 8000);
    const QString failed = front->Status();
    LoopUntil([] { return false; }, 1000);
    ::kill(sim.pid(), SIGCONT);
    clock.restart();
    const bool ok = LoopUntil([&] { return front->Status().startsWith(QStringLiteral("Get: Ok!")); }, 20000);
    std::printf(
        "  v%s%s start-up pause %5lld ms; status \"%s\"; after the agent continues, \"Get: Ok!\" %s %lld "
        "ms later\n",
        version == 3 ? "3 " : "2c", upFront ? " (target opened first)" : "", static_cast<long long>(pause),
        qPrintable(failed.left(40)), ok ? "came" : "did not come in",
        static_cast<long long>(clock.elapsed()));
    front.reset();
    ::kill(sim.pid(), SIGCONT);
}

void Startup() {
    std::printf("Start-up against a stopped krs-sim\n");
    StartupRow(1, false);
    StartupRow(3, false);
    StartupRow(3, true);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    bool pages = false;
    bool startup = false;
    bool catalogue = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
            g_openings = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "pages") == 0) {
            pages = true;
        } else if (std::strcmp(argv[i], "catalogue") == 0) {
            catalogue = true;
        } else if (std::strcmp(argv[i], "startup") == 0) {
            startup = true;
        }
    }
    if (!pages && !startup && !catalogue) {
        pages = startup = true;
    }
    qs::EnsureApplication();
    char pattern[] = "/tmp/krs-foreign-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    InitSnmpSession(folder);
    if (pages) {
        Pages(folder);
    }
    if (catalogue) {
        Catalogue(folder);
    }
    if (startup) {
        Startup();
    }
    std::filesystem::remove_all(folder);
    return 0;
}
