// Walks a 6-column table of krs-sim with 1,000 and 10,000 rows, blocking and asynchronous, and
// times Net-SNMP's `snmpwalk -v1` of the same table entry (one request per cell) in the same run.
// Prints rows per second, the time per round trip of each, their ratio and the peak memory. The
// "adapter" line walks with bare GET-NEXTs of six bindings: the share of the library and agent.
//
//     krs_snmp_bench [rows ...]        (default: 1000 10000)
#include "BenchTable.h"
#include "QsSNMPRequest.h"
#include "QsSNMPSession.h"
#include "SimProcess.h"
#include "SnmpAdapter.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const QsSNMPVarDesc kColumns[] = {
    {"1.3.6.1.4.1.99999.30.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.30.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.3", "Type", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.4", "Speed", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.5", "Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.6", "In", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.7", "Changed", SYN_TIMETICKS, ACC_READONLY},
    {nullptr},
};
constexpr int kReadColumns = 6;

struct Walked {
    int rows = 0;
    double seconds = 0;
};

std::vector<std::vector<std::string>> g_kept; // what a list view would hold

void KeepRow(const QsSNMPVarList& list) {
    std::vector<std::string> row;
    for (int i = 0; i < list.GetCount(); ++i) {
        row.push_back(list.GetVar(i)->Value);
    }
    g_kept.push_back(std::move(row));
}

void Aim(QsSNMPRequest& request, std::uint16_t port) {
    request.Device = QsSNMPDevice{"127.0.0.1", port};
    request.List = QsSNMPVarList(kColumns, MVT_FMV, 1);
}

Walked WalkBlocking(std::uint16_t port) {
    QsSNMPRequest request;
    Aim(request, port);
    g_kept.clear();
    QElapsedTimer clock;
    clock.start();
    bool ok = false;
    for (bool first = true; request.GetSync(ok, first); first = false) {
        KeepRow(request.List);
    }
    return {static_cast<int>(g_kept.size()), clock.nsecsElapsed() / 1e9};
}

// The same walk through the adapter alone (no value texts, no row index): what the library and
// the agent need for a GET-NEXT of six bindings.
Walked WalkAdapterOnly(std::uint16_t port) {
    QsSNMPRequest request;
    Aim(request, port);
    const qs::SnmpTarget target = request.MakeTargets();
    std::vector<qs::SnmpVarBind> asked;
    for (int column = 2; column <= 7; ++column) {
        qs::OidVector oid;
        qs::OidFromText(kColumns[column - 1].Oid, oid);
        asked.push_back({oid, qs::SnmpValue::null()});
    }
    const std::size_t columnLength = asked[0].oid.size();
    int rows = 0;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        qs::SnmpReply reply = qs::SendBlocking(target, qs::PduKind::GetNext, asked);
        if (reply.status != 0 || reply.vbs.size() != asked.size() ||
            reply.vbs[0].oid.size() <= columnLength ||
            !std::equal(asked[0].oid.begin(), asked[0].oid.begin() + static_cast<long>(columnLength),
                        reply.vbs[0].oid.begin())) {
            break;
        }
        ++rows;
        for (std::size_t i = 0; i < asked.size(); ++i) {
            asked[i].oid = reply.vbs[i].oid;
        }
    }
    return {rows, clock.nsecsElapsed() / 1e9};
}

struct AsyncWalk {
    QsSNMPRequest* request = nullptr;
    bool finished = false;
};

void OnStep(void* driver, QsSNMPError* error, QsSNMPVarList* list) {
    auto& walk = *static_cast<AsyncWalk*>(driver);
    if (error->code != 0 || error->done) {
        walk.finished = true;
        return;
    }
    KeepRow(*list);
    bool ok = false;
    walk.request->GetAsync(ok, OnStep, &walk, false);
    walk.finished = !ok;
}

Walked WalkAsync(std::uint16_t port) {
    QsSNMPRequest request;
    Aim(request, port);
    g_kept.clear();
    AsyncWalk walk{&request};
    QElapsedTimer clock;
    clock.start();
    bool ok = false;
    request.GetAsync(ok, OnStep, &walk, true);
    walk.finished = !ok;
    while (!walk.finished && clock.elapsed() < 600000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return {static_cast<int>(g_kept.size()), clock.nsecsElapsed() / 1e9};
}

void Report(const char* what, const Walked& w, double perTripMs, double snmpwalkPerTripMs) {
    std::printf("  %-10s %6d rows in %7.3f s  %9.0f rows/s  %7.4f ms per GET-NEXT  ratio %.2f\n", what,
                w.rows, w.seconds, w.rows / w.seconds, perTripMs, perTripMs / snmpwalkPerTripMs);
}

// The machine is shared: each walk runs kRounds times, interleaved, and the fastest run counts.
constexpr int kRounds = 3;

Walked Fastest(const Walked& a, const Walked& b) {
    return a.rows == 0 || (b.rows != 0 && b.seconds < a.seconds) ? b : a;
}

void Bench(int rows, const std::string& folder) {
    const std::unique_ptr<qs::test::SimProcess> started =
        qs::bench::StartBenchSim(folder, rows, qs::bench::ThirdColumn::Integer);
    if (!started) {
        return;
    }
    qs::test::SimProcess& sim = *started;
    double walkSeconds = 1e9;
    Walked blocking;
    Walked async;
    Walked adapter;
    for (int round = 0; round < kRounds; ++round) {
        adapter = Fastest(adapter, WalkAdapterOnly(sim.port()));
        walkSeconds = std::min(walkSeconds, qs::bench::TimeSnmpwalk(sim.port()));
        blocking = Fastest(blocking, WalkBlocking(sim.port()));
        async = Fastest(async, WalkAsync(sim.port()));
    }
    const double walkTripMs = walkSeconds * 1000 / (rows * kReadColumns + 1);
    std::printf("%d rows x %d columns (fastest of %d runs)\n", rows, kReadColumns, kRounds);
    std::printf("  %-10s %6d rows in %7.3f s  %9.0f rows/s  %7.4f ms per request (%d requests)\n", "snmpwalk",
                rows, walkSeconds, rows / walkSeconds, walkTripMs, rows * kReadColumns + 1);
    Report("blocking", blocking, blocking.seconds * 1000 / (blocking.rows + 1), walkTripMs);
    Report("async", async, async.seconds * 1000 / (async.rows + 1), walkTripMs);
    Report("adapter", adapter, adapter.seconds * 1000 / (adapter.rows + 1), walkTripMs);
    std::printf("  peak memory %ld MB\n", qs::bench::PeakMegabytes());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return qs::bench::RunBenches(argc, argv, Bench);
}
