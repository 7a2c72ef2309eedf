#include "MainWindowSim.h"
#include "AclDialogs.h"
#include "Application.h"
#include "CatalogueMenu.h"
#include "DialogClasses.h"
#include "Layer2Dialogs.h"
#include "Menu.h"
#include "PageCommand.h"
#include "QsSNMPTarget.h"
#include "SecurityDialogs.h"

#include <cstdlib>

namespace {

// The SNMPv3 user krs-sim gets, and the settings the platform passes for it.
const char* const kV3User = "noc:MD5:nocpass123:DES:nocpriv123";

} // namespace

qs::test::SimOptions MainWindowSim::Options() const {
    qs::test::SimOptions options;
    if (SpeaksV3()) {
        options.args = {"--user", kV3User};
    }
    return options;
}

std::vector<std::string> MainWindowSim::CommandLine() const {
    if (!SpeaksV3()) {
        return {"/I127.0.0.1", "/Rlumpet", "/Wgrindel"};
    }
    return {"/I127.0.0.1", "/v3",          "/t" + std::to_string(sim_->port()),
            "/m3",         "/nnoc",        "/l3",
            "/a2",         "/Anocpass123", "/p2",
            "/Pnocpriv123"};
}

void MainWindowSim::SetUp() {
    qs::EnsureApplication();
    setenv("KRS_REGISTRY_FILE", (folder_.path() + "/registry.ini").c_str(), 1);
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_.path());
    sim_ = std::make_unique<qs::test::SimProcess>(Options());
    ASSERT_TRUE(sim_->start()) << sim_->lastError();
    qs::InstallCatalogueMenu();
    qs::InstallPageOpener();
    qs::RegisterLayer2Dialogs(qs::Dialogs());
    qs::RegisterSecurityDialogs(qs::Dialogs());
    qs::RegisterAclDialogs(qs::Dialogs());
    form_ = std::make_unique<TMainForm>(nullptr, CommandLine());
    MainForm = form_.get();
    DefaultDevice.port = sim_->port();
    if (!SpeaksV3()) {
        DefaultSecurity.version = 1; // SNMPv2c
    }
}

void MainWindowSim::TearDown() {
    MainForm = nullptr;
    form_.reset();
    DefaultSecurity = QsSNMPSecurity{};
    std::filesystem::current_path(previousFolder_);
    unsetenv("KRS_REGISTRY_FILE");
}

int MainWindowSim::RunShard(int step, int offset, const std::function<bool(const PlacedEntry&)>& keep,
                            const std::function<void(TMenuItem&, const PlacedEntry&)>& run) {
    int ran = 0;
    int index = 0;
    for (const PlacedEntry& e : AllMenuEntries()) {
        if (!keep(e) || index++ % step != offset) {
            continue;
        }
        auto* item = dynamic_cast<TMenuItem*>(form_->FindComponent(QString::fromUtf8(e.entry->objectName)));
        if (item == nullptr) {
            ADD_FAILURE() << e.place.path;
            continue;
        }
        run(*item, e);
        form_->CloseFrontPanels();
        ++ran;
    }
    return ran;
}
