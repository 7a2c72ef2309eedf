#pragma once
// Shared setup of the request-to-edits tests against krs-sim: a small data set with scalars of
// several syntaxes and a table with a bit-list, a MAC, a status and a hidden column.

#include "GuiTest.h"
#include "QsSNMPRequest2Edits.h"
#include "SimProcess.h"

#include <memory>
#include <string>

namespace qs::test {

class EditsSimTest : public GuiTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // A blocking driver on the scalar list or the table list, aimed at krs-sim.
    std::unique_ptr<QsSNMPRequest2Edits> Scalars();
    std::unique_ptr<QsSNMPRequest2Edits> Table();
    // The SETs krs-sim received since the test started, each as "OID=TYPE:VALUE ..." joined by
    // blanks (OIDs without the common prefix .1.3.6.1.4.1.99999.).
    QStringList Sets() const;
    static void WaitIdle(const QsSNMPRequest2Controls& driver);

    static SimProcess* sim;
    std::size_t journalStart = 0;
};

} // namespace qs::test
