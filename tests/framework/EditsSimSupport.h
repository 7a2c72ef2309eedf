#pragma once
// Shared setup of the request-to-edits tests against krs-sim: a small data set with scalars of
// several syntaxes, a table with a bit-list, a MAC, a status and a hidden column, and one scalar
// of each syntax a user types into.

#include "GuiTest.h"
#include "QsSNMPRequest2Edits.h"
#include "SimProcess.h"

#include <memory>
#include <string>

namespace qs::test {

// The application and the one SNMP session of the test program.
void EnsureTestSession();
// Points a request at krs-sim (SNMPv2c, the simulator's communities, 0.5 s time-out).
void AimAtSim(QsSNMPRequest& request, std::uint16_t port);
// Runs the event loop until the driver is not busy (at most 5 s).
void WaitIdle(const QsSNMPRequest2Controls& driver);

class EditsSimTest : public GuiTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // A blocking driver on the scalar list or the table list, aimed at krs-sim.
    std::unique_ptr<QsSNMPRequest2Edits> Scalars();
    std::unique_ptr<QsSNMPRequest2Edits> Table();
    // A blocking driver on one scalar of each syntax a user types into (integer, octet string,
    // IPv4, MAC, IPv6, InetAddress, time ticks, date and time, OID, text, gauge), in this order.
    std::unique_ptr<QsSNMPRequest2Edits> Typed();
    // The SETs krs-sim received since the test started, each as "OID=TYPE:VALUE ..." joined by
    // blanks (OIDs without the common prefix .1.3.6.1.4.1.99999.).
    QStringList Sets() const;

    static SimProcess* sim;
    std::size_t journalStart = 0;
};

} // namespace qs::test
