// The menu bar built from the menu tree, headless: every entry becomes an item with its exact
// caption, name and visibility; items run their commands, hidden ones too; the RMON menu runs
// its state read before it opens and follows the state read.
#include "MainMenuBar.h"

#include "Application.h"
#include "Form.h"
#include "MainMenu.h"
#include "Menu.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using qs::CommandKind;
using qs::MenuEntry;

class MainMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        qs::EnsureApplication();
        form = new TForm;
        form->SetName(QStringLiteral("MainForm"));
        qs::MenuCommandHandlers handlers;
        handlers.page = [this](const qs::PageDef& p) { ran.push_back(std::string("page ") + p.title); };
        handlers.dialog = [this](const qs::DialogDef& d) {
            ran.push_back(std::string("dialog ") + d.className);
        };
        handlers.tool = [this](const std::string& topic) { ran.push_back("tool " + topic); };
        handlers.direct = [this](qs::DirectCommand c) { ran.push_back("direct " + std::to_string(int(c))); };
        menu = qs::BuildMainMenu(form, qs::MainMenuItems(), handlers);
    }
    void TearDown() override { delete form; }

    TMenuItem* Item(const char* name) const {
        return dynamic_cast<TMenuItem*>(form->FindComponent(QString::fromLatin1(name)));
    }

    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
    std::vector<std::string> ran;
};

TEST_F(MainMenuBarTest, EveryEntryBecomesItsItem) {
    ASSERT_EQ(menu->Count(), static_cast<int>(qs::MainMenuItems().size()));
    EXPECT_EQ(menu->Items(1), Item("Menu_RMON"));
    int checked = 0;
    qs::ForEachMenuEntry(qs::MainMenuItems(), [&](const MenuEntry& e, const qs::MenuPlace& place) {
        TMenuItem* item = Item(e.objectName);
        ASSERT_NE(item, nullptr) << place.path;
        EXPECT_EQ(item->Caption().toStdString(), e.caption) << place.path;
        EXPECT_EQ(item->Visible(), !e.hidden) << place.path;
        // Qt reports a hidden action as disabled.
        EXPECT_EQ(item->Enabled(), !e.hidden) << place.path;
        EXPECT_EQ(item->Action()->isSeparator(), e.kind == CommandKind::Separator) << place.path;
        EXPECT_EQ(item->Count(), static_cast<int>(e.children.size())) << place.path;
        ++checked;
    });
    EXPECT_GT(checked, 150);
}

TEST_F(MainMenuBarTest, ItemsRunTheirCommandsHiddenOnesToo) {
    const std::pair<const char*, const char*> cases[] = {
        {"PowerTable1", "page Power Table"},
        {"ProbeHistoryTable2", "page Trace Route Probe History Table"},
        {"STPControl1", "dialog TSTP_Info"},
        {"AlarmEvent1", "tool /TRmon_AlarmEvent"},
        {"PhysicalTable1", "tool /TEntityMIB_Physical"},
        {"Reboot1", "direct 0"},
        {"Refresh1", "direct 2"},
        {"ServiceTable1", "page Accounting Service Table"},
        {"EnableMethodControl1", "dialog TLoginMethodListForm"},
    };
    // A hidden item's handler works when it is called; the menu only does not offer it.
    for (const auto& [name, command] : cases) {
        ran.clear();
        TMenuItem* item = Item(name);
        ASSERT_TRUE(item->OnClick) << name;
        item->OnClick(item);
        EXPECT_EQ(ran, std::vector<std::string>{command}) << name;
    }
    ran.clear();
    for (const char* silent : {"Help2", "SecurityManagement1", "Test1", "VLAN1", "Entity1"}) {
        if (Item(silent)->OnClick) {
            Item(silent)->OnClick(Item(silent));
        }
    }
    Item("PowerTable1")->Click();
    EXPECT_EQ(ran, std::vector<std::string>{"page Power Table"});
    ran.clear();
    Item("Dot3Collision1")->Click(); // the menu does not run what it does not show
    EXPECT_TRUE(ran.empty());
}

TEST_F(MainMenuBarTest, RmonMenuReadsItsStateBeforeItOpens) {
    QMenu* rmonMenu = Item("Menu_RMON")->Action()->menu<QMenu*>();
    ASSERT_NE(rmonMenu, nullptr);
    emit rmonMenu->aboutToShow();
    EXPECT_EQ(ran, std::vector<std::string>{"direct 1"});
    emit Item("Bridge1")->Action()->menu<QMenu*>()->aboutToShow();
    EXPECT_EQ(ran.size(), 1u);
}

TEST_F(MainMenuBarTest, RmonToolsFollowTheStateRead) {
    struct Step {
        const char* state;
        bool enabled;
    };
    const Step steps[] = {
        {"ST_RmonState", true}, {"disabled", false}, {"1", false}, {"enabled", true}, {"", true}};
    for (const Step& s : steps) {
        qs::ApplyRmonState(form, s.state);
        for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) {
            EXPECT_EQ(Item(name)->Enabled(), s.enabled) << s.state << " " << name;
        }
        EXPECT_TRUE(Item("RMONSetting1")->Enabled());
    }
}

TEST_F(MainMenuBarTest, RmonReadErrorsGoToTheStatusLine) {
    std::string status;
    auto toStatus = [&](const std::string& s) { status = s; };
    qs::RunRmonMenuRead(
        form, [] { return std::string("disabled"); }, toStatus);
    EXPECT_FALSE(Item("History1")->Enabled());
    qs::RunRmonMenuRead(
        form, []() -> std::string { throw std::runtime_error("Invalid agent address!"); }, toStatus);
    EXPECT_EQ(status, "Invalid agent address!");
    EXPECT_FALSE(Item("History1")->Enabled());
    qs::RunRmonMenuRead(
        form, [] { return std::string("enabled"); }, toStatus);
    EXPECT_TRUE(Item("History1")->Enabled());
}

} // namespace
