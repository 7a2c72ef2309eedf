// Shared setup of the tests that build the catalogue's pages: krs-sim with the default data,
// the framework's default target aimed at it, the page host's panels and the wait for a
// page's first read.
#pragma once

#include "CatalogueWalk.h"
#include "GUIConfigForm.h"
#include "GuiTest.h"
#include "SimProcess.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace qs::test {

class CataloguePageTest : public GuiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The page host's panels (one, or one per tab).
    static std::vector<TSNMPPanel*> Panels(TConfigForm& form);
    // The status line of the page on view once its first read has ended (empty after 5 s).
    static QString FirstReadStatus(TConfigForm& form);

    TempFolder folder;
    std::filesystem::path previousFolder;
    std::vector<std::string> simArgs; // extra krs-sim options, set before SetUp
    std::unique_ptr<SimProcess> sim;
};

} // namespace qs::test
