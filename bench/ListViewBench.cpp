// Walks a 6-column table of krs-sim into a shown list view through the request-to-edits driver
// (each row added, then window messages processed), and the same walk through a driver that adds
// nothing. The difference is what adding rows costs; it is printed per row and as a share of the
// walk's own time. A third line times AddRow alone, without SNMP.
//
//     krs_bind_bench [rows ...]        (default: 1000 10000)
#include "Application.h"
#include "BenchTable.h"
#include "Form.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPSession.h"
#include "SimProcess.h"

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
    {"1.3.6.1.4.1.99999.30.1.3", "Members", SYN_BITLIST, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.4", "Speed", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.5", "Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.6", "In", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.4.1.99999.30.1.7", "Changed", SYN_TIMETICKS, ACC_READONLY},
    {nullptr},
};

// The walk alone: a driver whose row step does nothing.
class WalkOnly : public QsSNMPRequest2Controls {
public:
    using QsSNMPRequest2Controls::QsSNMPRequest2Controls;
};

// The list-view driver, timing its row step (the row added and, now and then, messages processed).
class TimedEdits : public QsSNMPRequest2Edits {
public:
    using QsSNMPRequest2Edits::QsSNMPRequest2Edits;
    double rowStepSeconds = 0;

protected:
    void OnRow() override {
        QElapsedTimer clock;
        clock.start();
        QsSNMPRequest2Edits::OnRow();
        rowStepSeconds += clock.nsecsElapsed() / 1e9;
    }
};

struct Walked {
    int rows = 0;
    double seconds = 1e9;
};

template <class Driver> Walked Walk(Driver& driver, std::uint16_t port) {
    driver.Request.Device = QsSNMPDevice{"127.0.0.1", port};
    driver.Request.List = QsSNMPVarList(kColumns, MVT_FMV, 1);
    driver.Mode = RM_BLOCKING;
    QElapsedTimer clock;
    clock.start();
    driver.Refresh();
    return {driver.RowCount, clock.nsecsElapsed() / 1e9};
}

Walked Faster(const Walked& a, const Walked& b) {
    return b.seconds < a.seconds ? b : a;
}

// AddRow alone, the variables holding one row's texts.
double AddRowSeconds(QsSNMPRequest2Edits& driver, int rows) {
    driver.BeforeGetHook = nullptr;
    driver.ListView->ClearItems();
    QElapsedTimer clock;
    clock.start();
    for (int r = 0; r < rows; ++r) {
        driver.AddRow();
    }
    return clock.nsecsElapsed() / 1e9;
}

constexpr int kRounds = 3; // the machine is shared: the fastest run counts

void Bench(int rows, const std::string& folder) {
    const std::unique_ptr<qs::test::SimProcess> started =
        qs::bench::StartBenchSim(folder, rows, qs::bench::ThirdColumn::PortList);
    if (!started) {
        return;
    }
    qs::test::SimProcess& sim = *started;
    TForm form;
    form.SetName(QStringLiteral("BenchForm"));
    auto* list = new TListView(&form);
    list->SetName(QStringLiteral("ListView1"));
    list->SetAlign(alClient);
    form.Show();
    Walked filled;
    Walked bare;
    double addOnly = 1e9;
    double rowStep = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        WalkOnly plain(&form);
        bare = Faster(bare, Walk(plain, sim.port()));
        TimedEdits edits(&form);
        edits.Request.List = QsSNMPVarList(kColumns, MVT_FMV, 1);
        edits.BindListView(list, true);
        filled = Faster(filled, Walk(edits, sim.port()));
        rowStep = std::min(rowStep, edits.rowStepSeconds);
        addOnly = std::min(addOnly, AddRowSeconds(edits, rows));
    }
    const double perRowUs = (filled.seconds - bare.seconds) * 1e6 / rows;
    std::printf("%d rows x 6 columns (fastest of %d runs)\n", rows, kRounds);
    std::printf("  walk alone       %6d rows in %7.3f s  %8.1f us per row\n", bare.rows, bare.seconds,
                bare.seconds * 1e6 / rows);
    std::printf("  walk + list view %6d rows in %7.3f s  %8.1f us per row\n", filled.rows, filled.seconds,
                filled.seconds * 1e6 / rows);
    std::printf("  adding rows      %8.1f us per row  %5.1f %% of the walk's time\n", perRowUs,
                100.0 * (filled.seconds - bare.seconds) / bare.seconds);
    std::printf("  row step         %8.1f us per row  %5.1f %% of the walk's time\n", rowStep * 1e6 / rows,
                100.0 * rowStep / bare.seconds);
    std::printf("  AddRow alone     %8.1f us per row\n", addOnly * 1e6 / rows);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qs::EnsureApplication();
    return qs::bench::RunBenches(argc, argv, Bench);
}
