#pragma once
// Shared setup of the driver tests: the application, the SNMP session, krs-sim with a small
// data set, a form with a status bar, a fixed time of day and a driver that logs its steps.

#include "Clock.h"
#include "GuiTest.h"
#include "QsSNMPRequest2Controls.h"
#include "SimProcess.h"
#include "StatusBar.h"

#include <functional>
#include <memory>

namespace qs::test {

// Logs every overridable step; OnRow also runs an optional action (stop, throw, pump).
class LoggingDriver : public QsSNMPRequest2Controls {
public:
    using QsSNMPRequest2Controls::QsSNMPRequest2Controls;
    QStringList log;
    std::function<void()> onRow;

protected:
    void BeforeGet() override { log << "BeforeGet"; }
    void BeforeSet() override { log << "BeforeSet"; }
    void OnRow() override {
        log << "OnRow";
        if (onRow) {
            onRow();
        }
    }
    void CollectValues() override { log << "CollectValues"; }
    void AfterGet() override { log << "AfterGet"; }
    void AfterSet() override { log << "AfterSet"; }
};

class DriverTest : public GuiTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A driver on the scalar list (named "Port Settings") or the table list (no name).
    std::unique_ptr<LoggingDriver> Scalars(QsRequestMode mode);
    std::unique_ptr<LoggingDriver> Table(QsRequestMode mode);
    std::unique_ptr<LoggingDriver> Writable(QsRequestMode mode);
    void Aim(QsSNMPRequest& request) const;
    // Runs the event loop until the driver is not busy (at most 5 s).
    static void WaitIdle(const QsSNMPRequest2Controls& driver);
    // PDUs krs-sim received since the test started ("get", "getnext", "set").
    QStringList Pdus() const;

    static SimProcess* sim;
    TStatusBar* status = nullptr;
    std::size_t journalStart = 0;
};

} // namespace qs::test
