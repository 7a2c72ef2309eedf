#include "EditsSimSupport.h"

#include "QsSNMPSession.h"

#include <QElapsedTimer>
#include <filesystem>
#include <fstream>

namespace qs::test {
namespace {

const QsOption kEnabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOption kLevels[] = {{1, "low"}, {2, "middle"}, {3, "high"}, {}};
const QsOption kOffOn[] = {{2, "off"}, {1, "on"}, {}}; // a check box's list: unchecked first

const QsOptionList& EnabledOptions() {
    static const QsOptionList list(kEnabled, OVT_INT);
    return list;
}
const QsOptionList& LevelOptions() {
    static const QsOptionList list(kLevels, OVT_INT);
    return list;
}
const QsOptionList& OffOnOptions() {
    static const QsOptionList list(kOffOn, OVT_INT);
    return list;
}

const char* kData = R"(@writable .1.3.6.1.4.1.99999.20.1 enum=1,2
@writable .1.3.6.1.4.1.99999.20.2
@writable .1.3.6.1.4.1.99999.20.3
@writable .1.3.6.1.4.1.99999.20.4
@writable .1.3.6.1.4.1.99999.20.5 enum=1,2,3
@writable .1.3.6.1.4.1.99999.20.6 enum=1,2
.1.3.6.1.4.1.99999.20.1.0 = INTEGER: 2
.1.3.6.1.4.1.99999.20.2.0 = Hex-STRING: A5 0F
.1.3.6.1.4.1.99999.20.3.0 = STRING: "core-sw-1"
.1.3.6.1.4.1.99999.20.4.0 = IpAddress: 10.1.2.3
.1.3.6.1.4.1.99999.20.5.0 = INTEGER: 3
.1.3.6.1.4.1.99999.20.6.0 = INTEGER: 2
@writable .1.3.6.1.4.1.99999.21.1.2
@writable .1.3.6.1.4.1.99999.21.1.3
@writable .1.3.6.1.4.1.99999.21.1.4 enum=1,2
@writable .1.3.6.1.4.1.99999.21.1.5
.1.3.6.1.4.1.99999.21.1.1.1 = INTEGER: 1
.1.3.6.1.4.1.99999.21.1.1.2 = INTEGER: 2
.1.3.6.1.4.1.99999.21.1.1.7 = INTEGER: 7
.1.3.6.1.4.1.99999.21.1.2.1 = Hex-STRING: E8 00 00 00
.1.3.6.1.4.1.99999.21.1.2.2 = Hex-STRING: 00 00 00 00
.1.3.6.1.4.1.99999.21.1.2.7 = Hex-STRING: FF FF FF F0
.1.3.6.1.4.1.99999.21.1.3.1 = Hex-STRING: 00 1A 2B 3C 4D 5E
.1.3.6.1.4.1.99999.21.1.3.2 = Hex-STRING: 00 1A 2B 3C 4D 5F
.1.3.6.1.4.1.99999.21.1.3.7 = Hex-STRING: 02 00 00 00 00 07
.1.3.6.1.4.1.99999.21.1.4.1 = INTEGER: 1
.1.3.6.1.4.1.99999.21.1.4.2 = INTEGER: 2
.1.3.6.1.4.1.99999.21.1.4.7 = INTEGER: 1
.1.3.6.1.4.1.99999.21.1.5.1 = STRING: "s1"
.1.3.6.1.4.1.99999.21.1.5.2 = STRING: "s2"
.1.3.6.1.4.1.99999.21.1.5.7 = STRING: "s7"
@writable .1.3.6.1.4.1.99999.22.1 range=1..65535
@writable .1.3.6.1.4.1.99999.22.2 size=5..32
@writable .1.3.6.1.4.1.99999.22.3
@writable .1.3.6.1.4.1.99999.22.4 size=6..6
@writable .1.3.6.1.4.1.99999.22.5 size=16..16
@writable .1.3.6.1.4.1.99999.22.6
@writable .1.3.6.1.4.1.99999.22.7
@writable .1.3.6.1.4.1.99999.22.8 size=8..11
@writable .1.3.6.1.4.1.99999.22.9
@writable .1.3.6.1.4.1.99999.22.10 size=0..255
@writable .1.3.6.1.4.1.99999.22.11
.1.3.6.1.4.1.99999.22.1.0 = INTEGER: 30
.1.3.6.1.4.1.99999.22.2.0 = Hex-STRING: 80 00 E4 F5 01
.1.3.6.1.4.1.99999.22.3.0 = IpAddress: 10.90.90.90
.1.3.6.1.4.1.99999.22.4.0 = Hex-STRING: 00 1A 2B 3C 4D 5E
.1.3.6.1.4.1.99999.22.5.0 = Hex-STRING: FE 80 00 00 00 00 00 00 00 00 00 00 00 00 00 01
.1.3.6.1.4.1.99999.22.6.0 = Hex-STRING: 0A 5A 5A 01
.1.3.6.1.4.1.99999.22.7.0 = Timeticks: (100) 0:00:01.00
.1.3.6.1.4.1.99999.22.8.0 = Hex-STRING: 07 D7 05 1A 0F 1E 0F 00 2B 00 00
.1.3.6.1.4.1.99999.22.9.0 = OID: .1.3.6.1.4.1
.1.3.6.1.4.1.99999.22.10.0 = STRING: "edge"
.1.3.6.1.4.1.99999.22.11.0 = Gauge32: 5
)";

const QsSNMPVarDesc kScalars[] = {
    {"1.3.6.1.4.1.99999.20.1", "Mode", SYN_INTEGER, ACC_READWRITE, &EnabledOptions()},
    {"1.3.6.1.4.1.99999.20.2", "Flags", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.20.3", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.20.4", "Address", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.20.5", "Level", SYN_INTEGER, ACC_READWRITE, &LevelOptions()},
    {"1.3.6.1.4.1.99999.20.6", "Admin", SYN_INTEGER, ACC_READWRITE, &OffOnOptions()},
    {nullptr},
};
const QsSNMPVarDesc kTable[] = {
    {"1.3.6.1.4.1.99999.21.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99999.21.1.2", "Members", SYN_BITLIST, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.21.1.3", "MAC", SYN_MACADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.21.1.4", "Status", SYN_INTEGER, ACC_READWRITE, &EnabledOptions()},
    {"1.3.6.1.4.1.99999.21.1.5", "Secret", SYN_DISPLAYSTR, ACC_READWRITE | ACC_HIDDEN},
    {nullptr},
};

// One scalar of each syntax a user types into.
const QsSNMPVarDesc kTyped[] = {
    {"1.3.6.1.4.1.99999.22.1", "Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.2", "Engine ID", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.3", "Server", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.4", "MAC", SYN_MACADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.5", "IPv6 Address", SYN_IPV6ADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.6", "Inet Address", SYN_INETADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.7", "Timeout", SYN_TIMETICKS, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.8", "Current Time", SYN_DATETIME, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.9", "Object", SYN_OBJECTID, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.10", "Alias", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.22.11", "Limit", SYN_GUAGE, ACC_READWRITE},
    {nullptr},
};

std::string g_dataDir;

} // namespace

SimProcess* EditsSimTest::sim = nullptr;

void EnsureTestSession() {
    EnsureApplication();
    if (!SnmpSessionStarted()) {
        char pattern[] = "/tmp/krs-edits-XXXXXX";
        InitSnmpSession(::mkdtemp(pattern));
    }
}

void AimAtSim(QsSNMPRequest& request, std::uint16_t port) {
    request.Device = QsSNMPDevice{"127.0.0.1", port};
    request.Security.version = 1; // SNMPv2c
    request.Security.readCommunity = "lumpet";
    request.Security.writeCommunity = "grindel";
    request.Timeout = 50;
}

void EditsSimTest::SetUpTestSuite() {
    EnsureTestSession();
    char pattern[] = "/tmp/krs-editsdata-XXXXXX";
    g_dataDir = ::mkdtemp(pattern);
    SimOptions options;
    options.dataFile = g_dataDir + "/edits.walk";
    std::ofstream(options.dataFile) << kData;
    sim = new SimProcess(options);
    if (!sim->start()) {
        ADD_FAILURE() << sim->lastError();
    }
}

void EditsSimTest::TearDownTestSuite() {
    delete std::exchange(sim, nullptr);
    std::filesystem::remove_all(g_dataDir);
}

void EditsSimTest::SetUp() {
    GuiTest::SetUp();
    ASSERT_TRUE(sim && sim->running());
    journalStart = sim->journal().size();
}

namespace {
std::unique_ptr<QsSNMPRequest2Edits> Aimed(TForm* form, const SimProcess& sim, QsSNMPVarList list) {
    auto d = std::make_unique<QsSNMPRequest2Edits>(form);
    AimAtSim(d->Request, sim.port());
    d->Request.List = std::move(list);
    d->Mode = RM_BLOCKING;
    return d;
}
} // namespace

std::unique_ptr<QsSNMPRequest2Edits> EditsSimTest::Scalars() {
    return Aimed(form, *sim, QsSNMPVarList(kScalars, SVT_SV, 0));
}

std::unique_ptr<QsSNMPRequest2Edits> EditsSimTest::Typed() {
    return Aimed(form, *sim, QsSNMPVarList(kTyped, SVT_SV, 0));
}

std::unique_ptr<QsSNMPRequest2Edits> EditsSimTest::Table() {
    return Aimed(form, *sim, QsSNMPVarList(kTable, MVT_FMV, 1));
}

QStringList EditsSimTest::Sets() const {
    QStringList out;
    for (const std::string& set : SetSummaries(sim->journal(), journalStart, ".1.3.6.1.4.1.99999.")) {
        out << QString::fromStdString(set);
    }
    return out;
}

void WaitIdle(const QsSNMPRequest2Controls& driver) {
    QElapsedTimer clock;
    clock.start();
    while (driver.Busy && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
}

} // namespace qs::test
