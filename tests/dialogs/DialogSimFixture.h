// Shared set-up of the dialog tests that run against krs-sim: the application, the SNMP session,
// an agent with the default data folder (or extra options) as the framework's default target,
// and the requests the agent received since a mark.
#pragma once

#include "GuiTest.h"
#include "SimProcess.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qs::test {

class DialogSimTest : public GuiTest {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Starts the agent with the options and makes it the default target; false on failure.
    bool StartSim(std::vector<std::string> args = {}, const std::string& dataFile = {});
    // Processes messages until done() holds, at most 10 s.
    static bool WaitFor(const std::function<bool()>& done);
    // Everything from here on counts for Sent().
    void Mark();
    std::vector<JournalRecord> Sent() const;
    // The SETs since the mark: "OID=TYPE:VALUE ..." with prefix left off the OIDs.
    std::vector<std::string> Sets(const std::string& prefix) const;
    // The PDU kinds since the mark, in order.
    std::vector<std::string> Pdus() const;
    // Saves a picture of the form to $KRS_SCREENSHOT_DIR/name.png when that variable is set.
    static void Screenshot(QWidget* form, const std::string& name);

    std::unique_ptr<SimProcess> sim;
    std::size_t mark = 0;
};

} // namespace qs::test
