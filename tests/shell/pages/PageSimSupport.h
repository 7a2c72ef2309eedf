#pragma once
// Shared setup of the page tests: krs-sim serving a small data set of our own (scalars for an
// editor page, a table with a row status for a list page), requests aimed at it, and a way to
// run a page modally while a test script works it like a user.

#include "GUIConfigForm.h"
#include "GuiTest.h"
#include "QsSNMPRequest2Edits.h"
#include "SimProcess.h"

#include <functional>
#include <memory>

namespace qs::test {

// Variables of the scalar list: 0 Name, 1 Mode (enabled/disabled), 2 Address, 3 Interval,
// 4 Uptime (read-only). Of the table: 0 Index (key), 1 Name, 2 Ports, 3 Status (row status).
const QsSNMPVarDesc* ScalarTable();
const QsSNMPVarDesc* RowTable();

class PageSimTest : public GuiTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // A request on a descriptor table aimed at krs-sim (asynchronous, as pages use it).
    static QsSNMPRequest2Edits* Aimed(TForm* owner, const QsSNMPVarDesc* table, std::uint8_t type, int keys,
                                      const char* name, int port = 0);
    // Shows the form modally and runs script inside its loop; the form is closed when the
    // script returns, whatever it did. Returns false when the loop did not end in time.
    static bool RunModal(TForm* form, const std::function<void()>& script, int limitMs = 20000);
    // The SETs krs-sim received since the test started, each "OID=TYPE:VALUE ..." with the OIDs
    // relative to .1.3.6.1.4.1.99998.
    QStringList Sets() const;
    // GET-NEXT requests received since the test started.
    int GetNexts() const;

    static SimProcess* sim;
    std::size_t journalStart = 0;
};

} // namespace qs::test
