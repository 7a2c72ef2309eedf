#include "CataloguePageTest.h"

#include "MainUnit.h"
#include "QsSNMPRequest2Edits.h"
#include "QsSNMPSession.h"
#include "StatusBar.h"

#include <QElapsedTimer>

namespace qs::test {

void CataloguePageTest::SetUp() {
    GuiTest::SetUp();
    previousFolder = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    sim = std::make_unique<SimProcess>(SimOptions{.args = simArgs});
    ASSERT_TRUE(sim->start()) << sim->lastError();
    InitSnmpSession("");
    DefaultDevice = QsSNMPDevice{"127.0.0.1", static_cast<std::uint16_t>(sim->port())};
    DeviceAddress = "127.0.0.1";
}

void CataloguePageTest::TearDown() {
    std::filesystem::current_path(previousFolder);
    GuiTest::TearDown();
}

std::vector<TSNMPPanel*> CataloguePageTest::Panels(TConfigForm& form) {
    std::vector<TSNMPPanel*> panels;
    for (QFrame* frame : form.findChildren<QFrame*>()) {
        if (auto* panel = dynamic_cast<TSNMPPanel*>(frame); panel != nullptr && panel->MsgPanel != nullptr) {
            panels.push_back(panel);
        }
    }
    return panels;
}

QString CataloguePageTest::FirstReadStatus(TConfigForm& form) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        for (TSNMPPanel* panel : Panels(form)) {
            const QString text = panel->StatusBar->SimpleText();
            if (panel->isVisible() && !text.isEmpty() && !panel->Request->Busy) {
                return text;
            }
        }
    }
    return {};
}

} // namespace qs::test
