#include "DialogSimFixture.h"

#include "QsSNMPSession.h"
#include "QsSNMPTarget.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <unistd.h>

namespace qs::test {

void DialogSimTest::SetUpTestSuite() {
    EnsureApplication();
    char session[] = "/tmp/krs-dialog-session-XXXXXX";
    InitSnmpSession(::mkdtemp(session));
}

void DialogSimTest::SetUp() {
    GuiTest::SetUp();
}

void DialogSimTest::TearDown() {
    sim.reset();
    GuiTest::TearDown();
}

bool DialogSimTest::StartSim(std::vector<std::string> args, const std::string& dataFile) {
    SimOptions options;
    options.args = std::move(args);
    options.dataFile = dataFile;
    sim = std::make_unique<SimProcess>(options);
    if (!sim->start()) {
        return false;
    }
    DefaultDevice = QsSNMPDevice{"127.0.0.1", sim->port()};
    DefaultSecurity = QsSNMPSecurity{};
    DefaultSecurity.version = 1;
    DefaultSecurity.readCommunity = "lumpet";
    DefaultSecurity.writeCommunity = "grindel";
    DefaultTimeout = 100;
    return true;
}

bool DialogSimTest::WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 10000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ::usleep(1000);
    }
    return true;
}

void DialogSimTest::Mark() {
    mark = sim->journal().size();
}

std::vector<JournalRecord> DialogSimTest::Sent() const {
    const auto all = sim->journal();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(mark, all.size())), all.end()};
}

std::vector<std::string> DialogSimTest::Sets(const std::string& prefix) const {
    return SetSummaries(sim->journal(), mark, prefix);
}

std::vector<std::string> DialogSimTest::Pdus() const {
    std::vector<std::string> kinds;
    for (const JournalRecord& r : Sent()) {
        kinds.push_back(r.pdu);
    }
    return kinds;
}

void DialogSimTest::Screenshot(QWidget* form, const std::string& name) {
    const char* dir = std::getenv("KRS_SCREENSHOT_DIR");
    if (dir == nullptr || *dir == '\0') {
        return;
    }
    form->grab().save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
}

} // namespace qs::test
