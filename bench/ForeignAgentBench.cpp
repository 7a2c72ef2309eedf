// What the user waits for when the device is not the switch: Debian's snmpd (see ForeignAgent.h),
// SNMPv2c and SNMPv3, the front panel polling as in the program.
// - "pages": the list pages of ForeignPages.h, each opened as its menu item opens it, several
//   times: from the click to the end of the page's read (not its first status text), the rows
//   read, the GET-NEXTs the agent counted, and the reads that failed, counted apart. Beside them,
//   snmpwalk of the same columns (GET-NEXT, one binding per PDU) with its PDUs and times.
// - "catalogue": every page of the main menu, three openings each: the reads that ended well
//   (median, 95th, slowest) and, apart, those that failed, with their most frequent messages.
// - "startup": the program started against the agent, then against the same agent stopped: from
//   the start of its process until the front panel stands, and until the status line shows the
//   first LED read's outcome.
//
//     krs_foreign_bench [pages] [catalogue] [startup] [-n OPENINGS]   (default: pages and startup,
//     5 openings)
#include "AclDialogs.h"
#include "Application.h"
#include "CatalogueMenu.h"
#include "DialogClasses.h"
#include "ForeignAgent.h"
#include "ForeignPages.h"
#include "GUIConfigForm.h"
#include "GUIGenerator.h"
#include "Layer2Dialogs.h"
#include "MainUnit.h"
#include "PageCommand.h"
#include "PanelKRS5428MXFormUnit.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPRequest2Leds.h"
#include "QsSNMPSession.h"
#include "SecurityDialogs.h"
#include "StatusBar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using qs::bench::Snmpd;

int g_openings = 5;
std::string g_folder;

const char* VersionName(int version) {
    return version == 3 ? "v3 " : "v2c";
}

template <class T> T Median(std::vector<T> values) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The default target as the program's settings make it: version 1 SNMPv2c, 3 SNMPv3 (MD5, DES).
void AimDefaults(std::uint16_t port, int version) {
    DefaultDevice = QsSNMPDevice{"127.0.0.1", port};
    DefaultSecurity = QsSNMPSecurity{};
    DefaultSecurity.version = static_cast<std::uint8_t>(version);
    DefaultSecurity.readCommunity = qs::bench::kCommunity;
    DefaultSecurity.writeCommunity = "grindel";
    DefaultSecurity.securityModel = version == 3 ? 3 : 1;
    DefaultSecurity.securityLevel = version == 3 ? 3 : 1;
    DefaultSecurity.securityName = version == 3 ? qs::bench::kUser : "";
    DefaultSecurity.authProtocol = version == 3 ? 2 : 1;
    DefaultSecurity.privProtocol = version == 3 ? 2 : 1;
    DefaultSecurity.authPassPhrase = version == 3 ? qs::bench::kAuthPass : "";
    DefaultSecurity.privPassPhrase = version == 3 ? qs::bench::kPrivPass : "";
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
};

// One opening of a page, from the menu click to the end of its read.
struct Opening {
    double ms = -1; // -1: the read did not end within the limit
    int rows = 0;
    bool failed = false;
    QString status; // the page's status line at the end
};

// The status line of the panel that shows the request's outcome.
QString StatusOf(TConfigForm& page, const QsSNMPRequest2Edits* request) {
    for (QFrame* frame : page.findChildren<QFrame*>()) {
        auto* panel = dynamic_cast<TSNMPPanel*>(frame);
        if (panel != nullptr && panel->Request == request && panel->StatusBar != nullptr) {
            return panel->StatusBar->SimpleText();
        }
    }
    return {};
}

// The read of the page has run to its end: it began, its driver is idle and out of its operation.
bool ReadEnded(const TConfigForm& page) {
    const QsSNMPRequest2Edits* request = page.ActiveRequest;
    return request != nullptr && request->Origin().serial != 0 && !request->Busy && !request->InOperation();
}

// Opens the page as its menu item does (built, shown modally) and closes it once its read ended.
// A read fails when the request counted an error or the status line does not say "Get: Ok!".
Opening OpenOnce(const qs::PageDef& def, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<TConfigForm> page = qs::BuildPage(def);
    Opening result;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const bool ended = ReadEnded(*page);
        if (ended) {
            const QsSNMPRequest2Edits* request = page->ActiveRequest;
            result.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            result.rows = request->RowCount;
            result.status = StatusOf(*page, request);
            result.failed = request->Request.GetErrorSequence() != 0 ||
                            !result.status.startsWith(QStringLiteral("Get: Ok!"));
        }
        if (ended || clock.elapsed() > limitMs) {
            watch.stop();
            page->Close();
        }
    });
    watch.start(1);
    page->ShowModal();
    page.reset();
    QCoreApplication::processEvents();
    if (result.ms < 0) {
        result.failed = true;
        result.status = QStringLiteral("no end of the read in %1 s").arg(limitMs / 1000);
    }
    return result;
}

// The OIDs of the page's first GET-NEXT: the columns its read walks.
std::vector<std::string> ReadColumns(const qs::PageDef& def) {
    QsSNMPRequest request;
    request.List = QsSNMPVarList(def.vars, def.itemType, def.keyCount);
    std::vector<std::string> columns;
    for (const qs::SnmpVarBind& vb : request.MakePdu(QsSNMPRequest::kFirstRead)) {
        columns.push_back(qs::OidToText(vb.oid));
    }
    return columns;
}

// The openings of one page: times of the reads that ended well, failures apart.
struct PageFigures {
    std::vector<double> ms;
    int rows = 0;
    int failures = 0;
    long getNexts = 0; // per opening, the last one
    QString failure;   // the first failure's status line
};

PageFigures OpenPage(const qs::PageDef& def, std::uint16_t port) {
    PageFigures figures;
    for (int i = 0; i < g_openings; ++i) {
        const qs::bench::AgentCounters before = qs::bench::ReadCounters(port);
        const Opening opening = OpenOnce(def, 20000);
        const qs::bench::AgentCounters after = qs::bench::ReadCounters(port);
        figures.getNexts = after.getNexts - before.getNexts;
        if (opening.failed) {
            ++figures.failures;
            figures.failure = figures.failure.isEmpty() ? opening.status : figures.failure;
            continue;
        }
        figures.ms.push_back(opening.ms);
        figures.rows = opening.rows;
    }
    return figures;
}

struct WalkFigures {
    std::vector<double> walkMs; // snmpwalk's own clock
    std::vector<double> processMs;
    int variables = 0;
    long getNexts = 0;
    int failures = 0;
};

WalkFigures WalkPage(const std::vector<std::string>& columns, std::uint16_t port, int version) {
    WalkFigures figures;
    for (int i = 0; i < g_openings; ++i) {
        const qs::bench::AgentCounters before = qs::bench::ReadCounters(port);
        const qs::bench::WalkResult walk = qs::bench::Snmpwalk(port, version, columns, g_folder);
        const qs::bench::AgentCounters after = qs::bench::ReadCounters(port);
        if (walk.failed) {
            ++figures.failures;
            continue;
        }
        figures.getNexts = after.getNexts - before.getNexts;
        figures.variables = walk.variables;
        figures.walkMs.push_back(walk.walkMs);
        figures.processMs.push_back(walk.processMs);
    }
    return figures;
}

void PageRow(const char* name, std::uint16_t port, int version) {
    const qs::MenuEntry* entry = qs::bench::ForeignPageEntry(name);
    if (entry == nullptr || entry->page == nullptr) {
        std::printf("  %-28s not a page of the menu\n", name);
        return;
    }
    const PageFigures page = OpenPage(*entry->page, port);
    const std::vector<std::string> columns = ReadColumns(*entry->page);
    const WalkFigures walk = WalkPage(columns, port, version);
    const double ms = Median(page.ms);
    const double walkMs = Median(walk.walkMs);
    const double perPdu = page.getNexts > 0 ? ms / static_cast<double>(page.getNexts) : 0;
    const double walkPerPdu = walk.getNexts > 0 ? walkMs / static_cast<double>(walk.getNexts) : 0;
    const std::string shown = std::string(name) + (version != 3 && qs::bench::InSnmpV3Menu(name) ? " *" : "");
    std::printf("  %-30s %s %4d rows %2zu cols %4ld PDUs %6.1f ms %d/%d failed | snmpwalk %4ld PDUs %6.1f ms "
                "(%6.1f ms with starts) %d failed | ratio %5.2f, per PDU %5.2f\n",
                shown.c_str(), VersionName(version), page.rows, columns.size(), page.getNexts, ms,
                page.failures, g_openings, walk.getNexts, walkMs, Median(walk.processMs), walk.failures,
                walkMs > 0 ? ms / walkMs : 0, walkPerPdu > 0 ? perPdu / walkPerPdu : 0);
    if (!page.failure.isEmpty()) {
        std::printf("    first failure: %s\n", qPrintable(page.failure));
    }
    std::fflush(stdout);
}

// Each page opened once while the agent is stopped: every read fails, none of them fast.
void StoppedPages(const Snmpd& snmpd) {
    AimDefaults(snmpd.Port(), 1);
    std::vector<double> ms;
    int failures = 0;
    QString status;
    snmpd.Pause(true);
    for (const char* name : qs::bench::kForeignPages) {
        const Opening opening = OpenOnce(*qs::bench::ForeignPageEntry(name)->page, 20000);
        failures += opening.failed ? 1 : 0;
        ms.push_back(opening.ms);
        status = opening.status;
    }
    snmpd.Pause(false);
    std::printf(
        "  the agent stopped, v2c: %d of %zu reads failed, in %.1f ms (median, -1: no end); the last: %s\n",
        failures, ms.size(), Median(ms), qPrintable(status));
    std::fflush(stdout);
}

void Pages(const Snmpd& snmpd) {
    std::printf(
        "Catalogue pages against Debian's snmpd, %d openings each: median ms from the click to the end\n"
        "of the read (reads that ended well), rows, GET-NEXT PDUs per opening, failed openings;\n"
        "snmpwalk of the same columns, GET-NEXT PDUs and median ms (its own clock, and with the starts\n"
        "of its processes); ratios program / snmpwalk of the whole and per PDU. * a page of the SNMP v3\n"
        "menu, which the main window enables for SNMPv3 sessions only, read over SNMPv2c for comparison\n",
        g_openings);
    for (const int version : {1, 3}) {
        AimDefaults(snmpd.Port(), version);
        qs::OpenDefaultTarget();
        FrontPanel front;
        for (const char* name : qs::bench::kForeignPages) {
            PageRow(name, snmpd.Port(), version);
        }
    }
    StoppedPages(snmpd);
}

struct CatalogueFigures {
    std::vector<double> ms;
    std::string slowest;
    int withRows = 0;                      // of the reads that ended well
    std::map<std::string, int> rowsOfPage; // the pages that read rows: their last count
    int failures = 0;
    std::vector<double> failedMs; // -1: no end within the limit
    QMap<QString, int> messages;  // failure status lines and how often each came
};

void OpenAllPages(CatalogueFigures& figures) {
    qs::ForEachMenuEntry(qs::MainMenuItems(), [&](const qs::MenuEntry& e, const qs::MenuPlace& place) {
        if (e.kind != qs::CommandKind::Page) {
            return;
        }
        for (int i = 0; i < 3; ++i) {
            const Opening opening = OpenOnce(*e.page, 10000);
            if (opening.failed) {
                ++figures.failures;
                figures.failedMs.push_back(opening.ms);
                // The message without the time it came.
                ++figures.messages[opening.status.section(QStringLiteral(" Receive at"), 0, 0)];
                continue;
            }
            if (figures.ms.empty() || opening.ms > *std::max_element(figures.ms.begin(), figures.ms.end())) {
                figures.slowest = place.path;
            }
            figures.ms.push_back(opening.ms);
            if (opening.rows > 0) {
                ++figures.withRows;
                figures.rowsOfPage[place.path + " (" + e.objectName + ")"] = opening.rows;
            }
        }
    });
}

void CatalogueRow(std::uint16_t port, int version) {
    AimDefaults(port, version);
    qs::OpenDefaultTarget();
    FrontPanel front;
    CatalogueFigures figures;
    OpenAllPages(figures);
    std::vector<double> times = figures.ms;
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return times.empty() ? -1.0
                             : times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))];
    };
    std::printf(
        "  %s %zu reads ended well (%d with rows): median %.1f ms, 95th %.1f ms, slowest %.1f ms (%s); "
        "%d failed, in %.1f ms (median)\n",
        VersionName(version), times.size(), figures.withRows, at(0.5), at(0.95), at(1.0),
        figures.slowest.c_str(), figures.failures, Median(figures.failedMs));
    for (auto it = figures.messages.cbegin(); it != figures.messages.cend(); ++it) {
        std::printf("    %4d x %s\n", it.value(), qPrintable(it.key()));
    }
    for (const auto& [page, rows] : figures.rowsOfPage) {
        std::printf("    %4d rows: %s\n", rows, page.c_str());
    }
    std::fflush(stdout);
}

void Catalogue(const Snmpd& snmpd) {
    std::printf("Every page of the menu, three openings each, against Debian's snmpd\n");
    DeviceAddress = "127.0.0.1";
    CatalogueRow(snmpd.Port(), 1);
    CatalogueRow(snmpd.Port(), 3);
}

// The platform's registry file and the device's settings file, as the program finds them.
void WriteSettings(std::uint16_t port, int version) {
    const std::string conf = g_folder + "/conf/";
    std::filesystem::create_directories(conf);
    std::ofstream(g_folder + "/registry.ini")
        << "[HKEY_LOCAL_MACHINE]\nSOFTWARE\\Torvik\\Panorix5.1\\MibFile\\Path=" << conf << '\n';
    std::ofstream settings(conf + "127.0.0.1.cfg");
    settings << "[Program Information]\nAgentPort=" << port << '\n';
    if (version == 3) {
        settings << "Version=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=" << qs::bench::kUser
                 << "\nAuthProtocol=1\nPrivProtocol=1\nAuthPassword=" << qs::bench::kAuthPass
                 << "\nPrivPassword=" << qs::bench::kPrivPass << '\n';
    } else {
        settings << "Version=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    }
    ::setenv("KRS_REGISTRY_FILE", (g_folder + "/registry.ini").c_str(), 1);
}

// The program in a process of its own (this bench again, with kStartOnce): what main() does,
// then printed on its standard output, as steady-clock nanoseconds, when the front panel stands
// ("standing"), when the status line shows its first text ("status", with the text); then the
// window closes.
constexpr const char* kStartOnce = "--start-once";

long long Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int StartOnce(int argc, char** argv) {
    QApplication app(argc, argv);
    qs::InstallCatalogueMenu();
    qs::InstallPageOpener();
    qs::RegisterLayer2Dialogs(qs::Dialogs());
    qs::RegisterSecurityDialogs(qs::Dialogs());
    qs::RegisterAclDialogs(qs::Dialogs());
    QElapsedTimer clock;
    clock.start();
    bool standing = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (MainForm == nullptr) {
            return;
        }
        if (!standing && !MainForm->FrontPanels.empty()) {
            standing = true;
            std::printf("standing %lld\n", Now());
        }
        const QString status = MainForm->StatusBar->Panels(0)->Text();
        if (!status.isEmpty() || clock.elapsed() > 20000) {
            std::printf("status %lld %s\n", Now(), qPrintable(status));
            watch.stop();
            MainForm->Close();
        }
    });
    watch.start(1);
    return qs::RunMainProgram({"/I127.0.0.1", "/Rlumpet", "/Wgrindel"});
}

struct Startup {
    qint64 standing = -1; // ms from the start of the process to the front panel standing
    qint64 status = -1;   // to the first text in its status line
    QString text;
};

// Starts the program as the platform does, against the settings written for the agent.
Startup StartProgram(std::uint16_t port, int version) {
    WriteSettings(port, version);
    const std::string command =
        "exec /proc/" + std::to_string(::getpid()) + "/exe " + kStartOnce + " 2>/dev/null";
    std::fflush(stdout);
    const long long started = Now();
    FILE* program = ::popen(command.c_str(), "r");
    Startup figures;
    char line[4096];
    while (program != nullptr && std::fgets(line, sizeof(line), program) != nullptr) {
        long long at = 0;
        int used = 0;
        if (std::sscanf(line, "standing %lld", &at) == 1) {
            figures.standing = (at - started) / 1000000;
        } else if (std::sscanf(line, "status %lld %n", &at, &used) == 1) {
            figures.status = (at - started) / 1000000;
            figures.text = QString::fromLocal8Bit(line + used).trimmed();
        }
    }
    if (program != nullptr) {
        ::pclose(program);
    }
    return figures;
}

// Start-ups against the answering agent (three, the median counts) or against the stopped one.
void StartupRow(const Snmpd& snmpd, int version, bool stopped) {
    std::vector<qint64> standing;
    std::vector<qint64> status;
    QString text;
    std::string pdus;
    for (int i = 0; i < (stopped ? 1 : 3); ++i) {
        const qs::bench::AgentCounters before = qs::bench::ReadCounters(snmpd.Port());
        snmpd.Pause(stopped);
        const Startup s = StartProgram(snmpd.Port(), version);
        snmpd.Pause(false);
        if (!stopped) {
            // The second reading counts its own message and GET.
            const qs::bench::AgentCounters after = qs::bench::ReadCounters(snmpd.Port());
            pdus = ", " + std::to_string(after.messages - before.messages - 1) + " messages with " +
                   std::to_string(after.gets - before.gets - 1) + " GETs";
        }
        standing.push_back(s.standing);
        status.push_back(s.status);
        text = s.text;
    }
    std::printf("  %s %-9s front panel standing %5lld ms, status line %5lld ms%s: \"%s\"\n",
                VersionName(version), stopped ? "stopped" : "answering",
                static_cast<long long>(Median(standing)), static_cast<long long>(Median(status)),
                pdus.c_str(), qPrintable(text));
    std::fflush(stdout);
}

void StartupRows(const Snmpd& snmpd) {
    std::printf("The program started against Debian's snmpd, answering and stopped (from the start of its "
                "process)\n");
    for (const int version : {1, 3}) {
        StartupRow(snmpd, version, false);
        StartupRow(snmpd, version, true);
    }
}

QtMessageHandler g_standardHandler = nullptr;

// Drops what the offscreen platform says of every window it cannot raise or size by hints.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    if (g_standardHandler != nullptr) {
        g_standardHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kStartOnce) == 0) {
        return StartOnce(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    bool pages = false;
    bool startup = false;
    bool catalogue = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
            g_openings = std::max(1, std::atoi(argv[++i]));
        } else {
            pages = pages || std::strcmp(argv[i], "pages") == 0;
            catalogue = catalogue || std::strcmp(argv[i], "catalogue") == 0;
            startup = startup || std::strcmp(argv[i], "startup") == 0;
        }
    }
    if (!pages && !startup && !catalogue) {
        pages = startup = true;
    }
    g_standardHandler = qInstallMessageHandler(QuietPlatform);
    qs::EnsureApplication();
    char pattern[] = "/tmp/krs-foreign-XXXXXX";
    g_folder = ::mkdtemp(pattern);
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(g_folder); // the program keeps its state beside it
    InitSnmpSession(g_folder);
    int code = 0;
    {
        const Snmpd snmpd(g_folder);
        if (!snmpd.Ready()) {
            std::printf("snmpd did not answer on port %u\n", snmpd.Port());
            code = 1;
        } else {
            if (pages) {
                Pages(snmpd);
            }
            if (catalogue) {
                Catalogue(snmpd);
            }
            if (startup) {
                StartupRows(snmpd);
            }
        }
    }
    std::filesystem::current_path(started);
    std::filesystem::remove_all(g_folder);
    return code;
}
