// A list page as the user meets it: a page of a 6-column table of krs-sim, shown (offscreen),
// filled by the asynchronous walk pages use, timed from showing the page to the walk's status
// line. In the same run: Net-SNMP's `snmpwalk` of the same table, the asynchronous walk without
// any view (the network's pace) and the same page filled by a blocking walk. A 10 ms timer runs
// throughout each walk; its worst gap is the longest the window went without handling events.
// Each figure is the median of the runs; peak memory is the process's peak so far.
//
//     krs_page_bench [-r RUNS] [-l LIMIT_S] [rows ...]     (default: 5 runs, 120 s, 1000 10000)
#include "Application.h"
#include "BenchTable.h"
#include "GUIConfigForm.h"
#include "GUIGenerator.h"
#include "QsSNMPRequest2Edits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const QsSNMPVarDesc kColumns[] = {
    {"1.3.6.1.4.1.99999.30.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.30.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.3", "Members", SYN_BITLIST, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.4", "Speed", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.5", "Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.6", "In", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.7", "Changed", SYN_TIMETICKS, ACC_READONLY},
    {nullptr},
};

int g_runs = 5;
int g_limitMs = 120000;

// The worst gap between the ticks of a 10 ms timer, the end of the measurement counting as a tick.
class StallMeter {
public:
    StallMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        clock_.start();
        timer_.start(10);
    }
    qint64 WorstMs() {
        Tick();
        return worst_;
    }

private:
    void Tick() {
        const qint64 now = clock_.elapsed();
        worst_ = std::max(worst_, now - last_);
        last_ = now;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 worst_ = 0;
};

struct Run {
    double seconds = 0;
    int rows = 0;
    qint64 stallMs = 0;
    bool finished = true;
};

// Runs the event loop until done() holds; after the limit, stop() is called once and the loop
// goes on until stopped() holds. False when the limit was reached.
bool LoopUntil(const std::function<bool()>& done, const std::function<void()>& stop,
               const std::function<bool()>& stopped) {
    bool late = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] {
        late = true;
        stop();
    });
    limit.start(g_limitMs);
    while (!(late ? stopped() : done())) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return !late;
}

// The list page, shown; its walk starts once the event loop runs, as on a real page.
Run PageWalk(std::uint16_t port, QsRequestMode mode) {
    StallMeter meter;
    QElapsedTimer clock;
    clock.start();
    auto page = std::make_unique<TConfigForm>();
    page->SetCaption(QStringLiteral("Bench Rows: 127.0.0.1"));
    auto* request = new QsSNMPRequest2Edits(page.get());
    request->Request.Device = QsSNMPDevice{"127.0.0.1", port};
    request->Request.List = QsSNMPVarList(kColumns, MVT_FMV, 1);
    request->Request.List.Name = "Bench Rows";
    request->Mode = mode;
    TSNMPListViewPanel* panel = page->SetListViewPage(request, -1, nullptr, -1, nullptr);
    page->Show();
    Run run;
    run.finished =
        LoopUntil([&] { return panel->StatusBar->SimpleText().startsWith(QStringLiteral("Get:")); },
                  [&] { request->Request.Active = false; }, [&] { return !request->Busy; });
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.stallMs = meter.WorstMs();
    run.rows = panel->ListPanel->ListView->ItemCount();
    if (panel->BtnPanel->SamplesCount->Caption() != QString::number(run.rows)) {
        std::printf("  the row count label shows %s for %d rows\n",
                    qPrintable(panel->BtnPanel->SamplesCount->Caption()), run.rows);
    }
    page.reset();
    QCoreApplication::processEvents();
    return run;
}

// The asynchronous walk with nothing shown: what the network and the framework take.
class WalkOnly : public QsSNMPRequest2Controls {
public:
    using QsSNMPRequest2Controls::QsSNMPRequest2Controls;
    int rows = 0;

protected:
    void OnRow() override { ++rows; }
};

Run BareWalk(std::uint16_t port) {
    TForm form;
    WalkOnly walk(&form);
    walk.Request.Device = QsSNMPDevice{"127.0.0.1", port};
    walk.Request.List = QsSNMPVarList(kColumns, MVT_FMV, 1);
    walk.Mode = RM_ASYNC;
    StallMeter meter;
    QElapsedTimer clock;
    clock.start();
    walk.Refresh();
    Run run;
    run.finished = LoopUntil([&] { return !walk.Busy; }, [&] { walk.Request.Active = false; },
                             [&] { return !walk.Busy; });
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.stallMs = meter.WorstMs();
    run.rows = walk.rows;
    return run;
}

Run Median(std::vector<Run> runs) {
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    Run m = runs[runs.size() / 2];
    for (const Run& r : runs) {
        m.finished = m.finished && r.finished;
    }
    return m;
}

void Print(const char* what, const Run& run, double snmpwalk) {
    std::printf("  %-20s %7.3f s  %6d rows%s  ratio %5.2f  longest stall %4lld ms\n", what, run.seconds,
                run.rows, run.finished ? "" : " (stopped at the limit)", run.seconds / snmpwalk,
                static_cast<long long>(run.stallMs));
}

void Bench(int rows, const std::string& folder) {
    const std::unique_ptr<qs::test::SimProcess> sim =
        qs::bench::StartBenchSim(folder, rows, qs::bench::ThirdColumn::PortList);
    if (!sim) {
        return;
    }
    std::vector<double> snmpwalk;
    std::vector<Run> bare;
    std::vector<Run> async;
    std::vector<Run> blocking;
    for (int run = 0; run < g_runs; ++run) {
        snmpwalk.push_back(qs::bench::TimeSnmpwalk(sim->port()));
        bare.push_back(BareWalk(sim->port()));
        async.push_back(PageWalk(sim->port(), RM_ASYNC));
        blocking.push_back(PageWalk(sim->port(), RM_BLOCKING));
    }
    std::sort(snmpwalk.begin(), snmpwalk.end());
    const double walk = snmpwalk[snmpwalk.size() / 2];
    std::printf("%d rows x 6 columns (median of %d runs)\n", rows, g_runs);
    std::printf("  %-20s %7.3f s\n", "snmpwalk", walk);
    Print("walk alone (async)", Median(bare), walk);
    Print("list page (async)", Median(async), walk);
    Print("list page (blocking)", Median(blocking), walk);
    std::printf("  peak memory so far %ld MB\n", qs::bench::PeakMegabytes());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::vector<char*> sizes{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-r") == 0 && i + 1 < argc) {
            g_runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "-l") == 0 && i + 1 < argc) {
            g_limitMs = std::max(1, std::atoi(argv[++i])) * 1000;
        } else {
            sizes.push_back(argv[i]);
        }
    }
    qs::EnsureApplication();
    return qs::bench::RunBenches(static_cast<int>(sizes.size()), sizes.data(), Bench);
}
