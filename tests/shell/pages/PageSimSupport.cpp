#include "PageSimSupport.h"

#include "QsSNMPSession.h"

#include <QElapsedTimer>
#include <QTimer>

namespace qs::test {
namespace {

const QsOption kEnabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOption kRowStatus[] = {{1, "active"},
                               {2, "notInService"},
                               {3, "notReady"},
                               {4, "createAndGo"},
                               {5, "createAndWait"},
                               {6, "destroy"},
                               {}};

const QsOptionList& EnabledOptions() {
    static const QsOptionList list(kEnabled, OVT_INT);
    return list;
}
const QsOptionList& RowStatusOptions() {
    static const QsOptionList list(kRowStatus, OVT_INT);
    return list;
}

const QsSNMPVarDesc kScalars[] = {
    {"1.3.6.1.4.1.99998.1.1", "System Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99998.1.2", "Mode", SYN_INTEGER, ACC_READWRITE, &EnabledOptions()},
    {"1.3.6.1.4.1.99998.1.3", "Address", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.99998.1.4", "Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99998.1.5", "Uptime", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};
const QsSNMPVarDesc kRows[] = {
    {"1.3.6.1.4.1.99998.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.99998.2.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99998.2.1.3", "Ports", SYN_BITLIST, ACC_READWRITE},
    {"1.3.6.1.4.1.99998.2.1.4", "Status", SYN_INTEGER, ACC_READWRITE, &RowStatusOptions()},
    {nullptr},
};

} // namespace

const QsSNMPVarDesc* ScalarTable() {
    return kScalars;
}
const QsSNMPVarDesc* RowTable() {
    return kRows;
}

SimProcess* PageSimTest::sim = nullptr;

void PageSimTest::SetUpTestSuite() {
    EnsureApplication();
    if (!SnmpSessionStarted()) {
        char pattern[] = "/tmp/krs-pages-XXXXXX";
        InitSnmpSession(::mkdtemp(pattern));
    }
    SimOptions options;
    options.dataFile = KRS_PAGES_DATA;
    sim = new SimProcess(options);
    if (!sim->start()) {
        ADD_FAILURE() << sim->lastError();
    }
}

void PageSimTest::TearDownTestSuite() {
    delete std::exchange(sim, nullptr);
}

void PageSimTest::SetUp() {
    GuiTest::SetUp();
    ASSERT_TRUE(sim && sim->running());
    journalStart = sim->journal().size();
}

QsSNMPRequest2Edits* PageSimTest::Aimed(TForm* owner, const QsSNMPVarDesc* table, std::uint8_t type, int keys,
                                        const char* name, int port) {
    auto* d = new QsSNMPRequest2Edits(owner);
    d->Request.Device = QsSNMPDevice{"127.0.0.1", static_cast<std::uint16_t>(port ? port : sim->port())};
    d->Request.Security.version = 1; // SNMPv2c
    d->Request.Security.readCommunity = "lumpet";
    d->Request.Security.writeCommunity = "grindel";
    d->Request.Timeout = 50;
    d->Request.List = QsSNMPVarList(table, type, keys);
    d->Request.List.Name = name;
    return d;
}

bool PageSimTest::RunModal(TForm* form, const std::function<void()>& script, int limitMs) {
    QTimer::singleShot(0, form, [form, script] {
        script();
        form->Close();
    });
    QElapsedTimer clock;
    clock.start();
    bool late = false;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        late = true;
        form->SetModalResult(mrCancel);
    });
    watchdog.start(limitMs);
    form->ShowModal();
    return !late;
}

QStringList PageSimTest::Sets() const {
    QStringList out;
    for (const std::string& set : SetSummaries(sim->journal(), journalStart, ".1.3.6.1.4.1.99998.")) {
        out << QString::fromStdString(set);
    }
    return out;
}

int PageSimTest::GetNexts() const {
    const auto records = sim->journal();
    int n = 0;
    for (std::size_t i = journalStart; i < records.size(); ++i) {
        n += records[i].pdu == "getnext" ? 1 : 0;
    }
    return n;
}

} // namespace qs::test
