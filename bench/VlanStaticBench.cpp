// The static VLAN dialog walking a switch with all 4,094 VLANs configured: time from opening the
// dialog to its last row, the longest stall of the event loop meanwhile (a 5 ms timer that
// should keep ticking), and the process's peak memory. Target: under 2 s, no stall over 50 ms.
//
//     krs_vlan_static_bench [VLANS]
#include "Application.h"
#include "ListView.h"
#include "QsSNMPSession.h"
#include "QsSNMPTarget.h"
#include "SimProcess.h"
#include "VlanStaticForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/resource.h>

namespace {

const char* const kTable = ".1.3.6.1.2.1.17.7.1.4.3.1";

std::string Octets(unsigned first) {
    char text[32];
    std::snprintf(text, sizeof text, "%02X %02X %02X %02X 00 00 00 00", first & 255, (first >> 8) & 255, 0xF0,
                  0);
    return text;
}

// Every VLAN from 1 to vlans, with a name and three 8-octet port maps.
void WriteVlans(const std::string& path, int vlans) {
    std::ofstream out(path);
    out << ".1.3.6.1.2.1.17.7.1.4.4.0 = INTEGER: 0\n";
    for (int column = 1; column <= 5; ++column) {
        for (int v = 1; v <= vlans; ++v) {
            out << kTable << '.' << column << '.' << v << " = ";
            if (column == 1) {
                out << "STRING: \"vlan" << v << "\"\n";
            } else if (column == 5) {
                out << "INTEGER: 1\n";
            } else {
                out << "Hex-STRING: " << Octets(static_cast<unsigned>(v * column)) << '\n';
            }
        }
    }
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qs::EnsureApplication();
    const int vlans = argc > 1 ? std::atoi(argv[1]) : 4094;
    qs::test::TempFolder folder;
    const std::string data = folder.path() + "/vlans.walk";
    WriteVlans(data, vlans);
    qs::test::SimProcess sim({data, {}, false});
    if (!sim.start()) {
        std::fprintf(stderr, "krs-sim did not start: %s\n", sim.lastError().c_str());
        return 1;
    }
    InitSnmpSession(folder.path());
    DefaultDevice = QsSNMPDevice{"127.0.0.1", sim.port()};
    DefaultSecurity.version = 1;
    DefaultSecurity.readCommunity = "lumpet";
    DefaultSecurity.writeCommunity = "grindel";
    DefaultTimeout = 100;

    const long memoryBefore = PeakKilobytes();
    qint64 longestStall = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestStall = std::max(longestStall, sinceTick.restart() - 5); });
    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    ticker.start();
    auto* dialog = qs::CreateForm<TVlanStaticForm>(nullptr);
    dialog->Show();
    while (!dialog->WalkFinished.Ready() && clock.elapsed() < 120000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    ticker.stop();
    const int rows = dialog->LV_dot1qVlanStaticEntry->ItemCount();
    const long memoryAfter = PeakKilobytes();
    delete dialog;

    std::printf("static VLAN dialog, %d VLANs on krs-sim\n", vlans);
    std::printf("  rows listed          %6d\n", rows);
    std::printf("  time to last row     %9.3f s   (target < 2 s)\n", seconds);
    std::printf("  longest loop stall   %6lld ms   (target <= 50 ms)\n",
                static_cast<long long>(longestStall));
    std::printf("  peak memory          %6ld kB   (%ld kB before opening)\n", memoryAfter, memoryBefore);
    return rows == vlans ? 0 : 2;
}
