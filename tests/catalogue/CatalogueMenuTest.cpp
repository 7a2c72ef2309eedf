// The catalogue's menu in the real main window against the simulated switch: the window finds
// its own items in it, the RMON menu follows the device's RMON state, dialog entries open their
// registered class with the device caption, and Reboot sets only after the question is answered.
#include "CatalogueMenu.h"

#include "Application.h"
#include "DialogClasses.h"
#include "MainUnit.h"
#include "Menu.h"
#include "MessageRecorder.h"
#include "QsSNMPRequest.h"
#include "QsSNMPTarget.h"
#include "SimProcess.h"
#include "StaticText.h"
#include "StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using qs::test::SimProcess;

class CatalogueMenu : public ::testing::Test {
protected:
    void SetUp() override {
        qs::EnsureApplication();
        setenv("KRS_REGISTRY_FILE", (folder_.path() + "/registry.ini").c_str(), 1);
        // The session keeps its boot counter in the working folder.
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
        qs::test::SimOptions options;
        sim_ = std::make_unique<SimProcess>(options);
        ASSERT_TRUE(sim_->start()) << sim_->lastError();
        qs::InstallCatalogueMenu();
        form_ = std::make_unique<TMainForm>(nullptr,
                                            std::vector<std::string>{"/I127.0.0.1", "/Rlumpet", "/Wgrindel"});
        DefaultDevice.port = sim_->port();
    }
    void TearDown() override {
        form_.reset();
        std::filesystem::current_path(previousFolder_);
        unsetenv("KRS_REGISTRY_FILE");
    }

    TMenuItem* Item(const char* name) const {
        return dynamic_cast<TMenuItem*>(form_->FindComponent(QString::fromLatin1(name)));
    }
    void SetRmonState(const char* value) {
        QsSNMPRequest request;
        request.List.AddVar("1.3.6.1.4.1.58613.11.113.1.6.2.1.2.16", "", SYN_INTEGER, ACC_READWRITE);
        request.List.GetVar(0)->Value = value;
        bool ok = false;
        QsSNMPError error;
        request.SetSync(ok, error, false, "", nullptr);
        ASSERT_TRUE(ok) << error.message;
    }

    qs::test::TempFolder folder_;
    std::filesystem::path previousFolder_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(CatalogueMenu, TheWindowFindsItsItemsInTheCatalogueMenu) {
    ASSERT_EQ(form_->MainMenu1->Count(), 11);
    EXPECT_EQ(form_->VACM1, Item("VACM1"));
    EXPECT_EQ(form_->Refresh1, Item("Refresh1"));
    EXPECT_FALSE(form_->VACM1->Enabled()); // SNMPv1
    EXPECT_NE(Item("PowerTable1"), nullptr);
}

// Started for an SNMPv3 agent, the window offers the SNMP v3 menu with its pages.
TEST_F(CatalogueMenu, SnmpV3MenuIsEnabledForSnmpV3Sessions) {
    form_.reset();
    qs::test::SimOptions options;
    options.args = {"--user", "noc:MD5:nocpass123:DES:nocpriv123"};
    sim_ = std::make_unique<SimProcess>(options);
    ASSERT_TRUE(sim_->start()) << sim_->lastError();
    form_ = std::make_unique<TMainForm>(
        nullptr, std::vector<std::string>{"/I127.0.0.1", "/v3", "/t" + std::to_string(sim_->port()), "/m3",
                                          "/nnoc", "/l3", "/a2", "/Anocpass123", "/p2", "/Pnocpriv123"});
    EXPECT_TRUE(form_->VACM1->Enabled());
    for (const char* name : {"snmpEngine1", "UserTable1", "CommunityStringTable1", "TargetAddressTable1"}) {
        ASSERT_NE(Item(name), nullptr) << name;
        EXPECT_TRUE(Item(name)->Enabled()) << name;
    }
    DefaultSecurity = QsSNMPSecurity{};
}

TEST_F(CatalogueMenu, RmonMenuFollowsTheDeviceState) {
    QMenu* rmon = Item("Menu_RMON")->Action()->menu<QMenu*>();
    ASSERT_NE(rmon, nullptr);
    SetRmonState("2");
    emit rmon->aboutToShow();
    EXPECT_EQ(form_->ST_RmonState->Caption(), QStringLiteral("disabled"));
    EXPECT_FALSE(Item("Statistics1")->Enabled());
    EXPECT_FALSE(Item("AlarmEvent1")->Enabled());
    SetRmonState("3");
    emit rmon->aboutToShow();
    EXPECT_EQ(form_->ST_RmonState->Caption(), QStringLiteral("enabled"));
    EXPECT_TRUE(Item("History1")->Enabled());
}

// A device that stopped answering: the menu keeps its items and says why in the status line.
TEST_F(CatalogueMenu, RmonMenuShowsAFailedStateReadInTheStatusLine) {
    QMenu* rmon = Item("Menu_RMON")->Action()->menu<QMenu*>();
    ASSERT_NE(rmon, nullptr);
    ASSERT_TRUE(sim_->pause());
    emit rmon->aboutToShow();
    EXPECT_TRUE(form_->StatusBar->Panels(0)->Text().contains(QStringLiteral("timed out")))
        << form_->StatusBar->Panels(0)->Text().toStdString();
}

class CaptionRecorder : public qs::CatalogueDialog {
public:
    explicit CaptionRecorder(std::string& caption) : caption_(caption) {}
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void ShowModal() override {}

private:
    std::string& caption_;
};

TEST_F(CatalogueMenu, DialogEntriesOpenTheirRegisteredClass) {
    // The program's registry outlives the test: the class writes into a static text.
    static std::string caption;
    caption.clear();
    qs::Dialogs().Register(
        "TARPConfigForm",
        {[](qs::DialogOwner, int) { return std::make_unique<CaptionRecorder>(caption); }, nullptr});
    Item("ARPTable1")->Click();
    EXPECT_EQ(caption, "ARP: 127.0.0.1");
}

TEST_F(CatalogueMenu, RebootSetsOnlyAfterTheQuestionIsAnswered) {
    qs::MessageRecorder boxes;
    boxes.answers = {IDNO, IDYES};
    Item("Reboot1")->Click();
    Item("Reboot1")->Click();
    ASSERT_EQ(boxes.boxes.size(), 2);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Are you sure to reboot the device?"));
    EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("Reboot"));
    EXPECT_EQ(boxes.boxes[0].type & 0x0F, MB_YESNO);
    int sets = 0;
    for (const auto& record : sim_->journal()) {
        if (record.pdu == "set") {
            ++sets;
            EXPECT_EQ(record.varbinds.at(0).oid, ".1.3.6.1.4.1.58613.12.1.2.3.0");
        }
    }
    EXPECT_EQ(sets, 1);
}

} // namespace
