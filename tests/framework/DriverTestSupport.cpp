#include "DriverTestSupport.h"

#include "QsSNMPSession.h"

#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace qs::test {
namespace {

// Two writable scalars, a three-row table and a scalar whose writes the agent refuses.
const char* kData = R"(@writable .1.3.6.1.4.1.99999.9.1
@writable .1.3.6.1.4.1.99999.9.2
@writable .1.3.6.1.4.1.99999.9.3
.1.3.6.1.4.1.99999.9.1.0 = INTEGER: 1
.1.3.6.1.4.1.99999.9.2.0 = STRING: "abc"
.1.3.6.1.4.1.99999.9.3.0 = INTEGER: 3
.1.3.6.1.4.1.99999.10.1.1.1 = INTEGER: 1
.1.3.6.1.4.1.99999.10.1.1.2 = INTEGER: 2
.1.3.6.1.4.1.99999.10.1.1.3 = INTEGER: 3
.1.3.6.1.4.1.99999.10.1.2.1 = STRING: "one"
.1.3.6.1.4.1.99999.10.1.2.2 = STRING: "two"
.1.3.6.1.4.1.99999.10.1.2.3 = STRING: "three"
)";

const QsSNMPVarDesc kScalars[] = {
    {"1.3.6.1.4.1.99999.9.1", "Mode", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.9.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};
const QsSNMPVarDesc kTable[] = {
    {"1.3.6.1.4.1.99999.10.1.1", "Index", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.99999.10.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};
const QsSNMPVarDesc kRefused[] = {
    {"1.3.6.1.4.1.99999.9.3", "Refused", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

std::string g_dataDir;
} // namespace

SimProcess* DriverTest::sim = nullptr;

void DriverTest::SetUpTestSuite() {
    EnsureApplication();
    static bool started = false;
    if (!started) {
        char pattern[] = "/tmp/krs-driver-XXXXXX";
        InitSnmpSession(::mkdtemp(pattern));
        started = true;
    }
    char pattern[] = "/tmp/krs-driverdata-XXXXXX";
    g_dataDir = ::mkdtemp(pattern);
    SimOptions options;
    options.dataFile = g_dataDir + "/driver.walk";
    std::ofstream(options.dataFile) << kData;
    options.args = {"--set-error", ".1.3.6.1.4.1.99999.9.3=genErr"};
    sim = new SimProcess(options);
    if (!sim->start()) {
        ADD_FAILURE() << sim->lastError();
    }
}

void DriverTest::TearDownTestSuite() {
    delete std::exchange(sim, nullptr);
    std::filesystem::remove_all(g_dataDir);
}

void DriverTest::SetUp() {
    GuiTest::SetUp();
    ASSERT_TRUE(sim && sim->running());
    status = new TStatusBar(form);
    status->SetName(QStringLiteral("StatusBar"));
    SetTimeOfDaySource([] { return QTime(14, 3, 7); });
    journalStart = sim->journal().size();
}

void DriverTest::TearDown() {
    SetTimeOfDaySource({});
    GuiTest::TearDown();
}

void DriverTest::Aim(QsSNMPRequest& request) const {
    request.Device = QsSNMPDevice{"127.0.0.1", sim->port()};
    request.Security.version = 1; // SNMPv2c
    request.Security.readCommunity = "lumpet";
    request.Security.writeCommunity = "grindel";
    request.Timeout = 50;
}

std::unique_ptr<LoggingDriver> DriverTest::Scalars(QsRequestMode mode) {
    auto d = std::make_unique<LoggingDriver>(form);
    Aim(d->Request);
    d->Request.List = QsSNMPVarList(kScalars, SVT_SV, 0);
    d->Request.List.Name = "Port Settings";
    d->Mode = mode;
    return d;
}

std::unique_ptr<LoggingDriver> DriverTest::Table(QsRequestMode mode) {
    auto d = std::make_unique<LoggingDriver>(form);
    Aim(d->Request);
    d->Request.List = QsSNMPVarList(kTable, MVT_FMV, 1);
    d->Mode = mode;
    return d;
}

std::unique_ptr<LoggingDriver> DriverTest::Writable(QsRequestMode mode) {
    auto d = Scalars(mode);
    d->Request.List = QsSNMPVarList(kRefused, SVT_SV, 0);
    d->Request.List.Name = "Refused";
    return d;
}

void DriverTest::WaitIdle(const QsSNMPRequest2Controls& driver) {
    QElapsedTimer clock;
    clock.start();
    while (driver.Busy && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
}

QStringList DriverTest::Pdus() const {
    QStringList out;
    const auto records = sim->journal();
    for (std::size_t i = journalStart; i < records.size(); ++i) {
        out << QString::fromStdString(records[i].pdu);
    }
    return out;
}

} // namespace qs::test
