#include "BenchTable.h"

#include "QsSNMPSession.h"

#include <QElapsedTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace qs::bench {
namespace {

void WriteCell(std::ofstream& out, int column, int r, ThirdColumn third) {
    char mac[32];
    switch (column) {
    case 2:
        out << "STRING: \"port " << r << "\"\n";
        break;
    case 3:
        if (third == ThirdColumn::PortList) {
            out << "Hex-STRING: E8 00 01 " << (r % 2 ? "F0" : "00") << '\n';
        } else {
            out << "INTEGER: 6\n";
        }
        break;
    case 4:
        out << "Gauge32: 1000000000\n";
        break;
    case 5:
        std::snprintf(mac, sizeof(mac), "00 1A 2B 3C %02X %02X", (r >> 8) & 0xFF, r & 0xFF);
        out << "Hex-STRING: " << mac << '\n';
        break;
    case 6:
        out << "Counter32: " << r * 17 << '\n';
        break;
    default:
        out << "Timeticks: (" << r << ") 0:00:00.00\n";
    }
}

} // namespace

void WriteBenchTable(const std::string& file, int rows, ThirdColumn third) {
    std::ofstream out(file);
    for (int column = 2; column <= 7; ++column) {
        for (int r = 1; r <= rows; ++r) {
            out << kBenchEntry << '.' << column << '.' << r << " = ";
            WriteCell(out, column, r, third);
        }
    }
}

std::unique_ptr<qs::test::SimProcess> StartBenchSim(const std::string& folder, int rows, ThirdColumn third) {
    const std::string data = folder + "/table" + std::to_string(rows) + ".walk";
    WriteBenchTable(data, rows, third);
    qs::test::SimOptions options;
    options.dataFile = data;
    options.journal = false;
    auto sim = std::make_unique<qs::test::SimProcess>(options);
    if (!sim->start()) {
        std::printf("krs-sim did not start: %s\n", sim->lastError().c_str());
        return nullptr;
    }
    return sim;
}

double TimeSnmpwalk(std::uint16_t port) {
    const std::string agent = "127.0.0.1:" + std::to_string(port);
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::setenv("MIBS", "", 1);
        ::execlp("snmpwalk", "snmpwalk", "-v1", "-c", "lumpet", "-On", "-t", "5", agent.c_str(),
                 kBenchEntry.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return clock.nsecsElapsed() / 1e9;
}

long PeakMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

int RunBenches(int argc, char** argv, const std::function<void(int rows, const std::string& folder)>& bench) {
    char pattern[] = "/tmp/krs-bench-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    InitSnmpSession(folder);
    DefaultSecurity.readCommunity = "lumpet";
    std::vector<int> sizes{1000, 10000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i) {
            sizes.push_back(std::atoi(argv[i]));
        }
    }
    for (const int rows : sizes) {
        bench(rows, folder);
    }
    std::filesystem::remove_all(folder);
    return 0;
}

} // namespace qs::bench
