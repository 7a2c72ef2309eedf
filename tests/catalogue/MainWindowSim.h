// The program's main window against krs-sim, as the platform starts it: a registry file and a
// working folder of the test's own (the session keeps its boot counter there), the catalogue menu,
// the page opener and every dialog class installed.
#pragma once

#include "CatalogueWalk.h"
#include "MainUnit.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class MainWindowSim : public ::testing::Test {
protected:
    // Starts krs-sim and opens the main window; a test's own set-up goes on only when this held.
    void SetUp() override;
    void TearDown() override;

    // SNMPv2c with the communities krs-sim answers, unless a fixture speaks SNMPv3.
    virtual bool SpeaksV3() const { return false; }
    virtual qs::test::SimOptions Options() const;
    std::vector<std::string> CommandLine() const;

    // Runs the step-th of the main menu's entries that keep holds, from the offset-th on, each
    // through its menu item on the main window, closing the front panels a command opened;
    // returns how many ran.
    int RunShard(int step, int offset, const std::function<bool(const PlacedEntry&)>& keep,
                 const std::function<void(TMenuItem&, const PlacedEntry&)>& run);

    qs::test::TempFolder folder_;
    std::filesystem::path previousFolder_;
    std::unique_ptr<qs::test::SimProcess> sim_;
    std::unique_ptr<TMainForm> form_;
};
