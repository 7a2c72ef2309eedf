// The dialog classes the menu knows, the registry, and the dialog command's recipe against
// stand-in dialogs that record what happens to them.
#include "CatalogueWalk.h"

#include "DialogCommand.h"

#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <stdexcept>

namespace {

using qs::DialogDef;
using qs::DialogOwner;
using qs::GlobalPolicy;

TEST(DialogClasses, OnePerClassWithItsGlobalName) {
    std::set<std::string> names;
    std::map<qs::DialogFamily, int> families;
    for (const qs::DialogClassDef& c : qs::DialogClasses()) {
        EXPECT_TRUE(names.insert(c.className).second) << c.className;
        ++families[c.family];
    }
    EXPECT_EQ(names.size(), 75u);
    EXPECT_EQ(families[qs::DialogFamily::Layer2], 36);
    EXPECT_EQ(families[qs::DialogFamily::Security], 24);
    EXPECT_EQ(families[qs::DialogFamily::Acl], 14);
    const std::pair<const char*, const char*> globals[] = {
        {"TSTP_Info", "STP_Info"},
        {"Tdot3ControlForm", "dot3ControlForm"},
        {"TfrmNetwroktime", "frmNetwroktime"},
        {"TPortTrunkForm", ""},
        {"TFilterDHCPPermitForm", ""},
    };
    for (const auto& [cls, global] : globals) {
        ASSERT_NE(qs::FindDialogClass(cls), nullptr) << cls;
        EXPECT_EQ(qs::DialogGlobalName(*qs::FindDialogClass(cls)), global) << cls;
    }
    EXPECT_EQ(qs::FindDialogClass("TNoSuchForm"), nullptr);
}

// What the command did, in order.
struct Journal {
    std::vector<std::string> events;
    qs::CatalogueDialog* global = nullptr;
};

class FakeDialog : public qs::CatalogueDialog {
public:
    FakeDialog(Journal& journal, bool throwOnShow) : journal_(journal), throwOnShow_(throwOnShow) {}
    ~FakeDialog() override { journal_.events.push_back("delete"); }
    void SetCaption(const std::string& caption) override { journal_.events.push_back("caption " + caption); }
    void ShowModal() override {
        journal_.events.push_back(journal_.global == this ? "show (global set)" : "show");
        if (throwOnShow_) {
            throw std::runtime_error("Request time out");
        }
    }

private:
    Journal& journal_;
    bool throwOnShow_;
};

qs::DialogClassEntry FakeClass(Journal& journal, bool create = true, bool throwOnShow = false) {
    return {
        [&journal, create, throwOnShow](DialogOwner owner, int mode) -> std::unique_ptr<qs::CatalogueDialog> {
            journal.events.push_back("create owner " + std::to_string(static_cast<int>(owner)) + " mode " +
                                     std::to_string(mode));
            if (!create) {
                return nullptr;
            }
            return std::make_unique<FakeDialog>(journal, throwOnShow);
        },
        [&journal](qs::CatalogueDialog* dialog) {
            journal.global = dialog;
            journal.events.push_back(dialog ? "global set" : "global cleared");
        }};
}

TEST(DialogCommand, FollowsTheRecipeForEachPolicy) {
    struct Case {
        DialogDef command;
        bool create;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {{"TCurrentTimeForm", "Current Time", DialogOwner::Application, GlobalPolicy::Set},
         true,
         {"create owner 0 mode -1", "global set", "caption Current Time: 10.90.90.90", "show (global set)",
          "delete", "global cleared"}},
        {{"TLoginMethodListForm", "Login Method Lists", DialogOwner::MainForm, GlobalPolicy::Untouched, 1},
         true,
         {"create owner 1 mode 1", "caption Login Method Lists: 10.90.90.90", "show", "delete"}},
        {{"TSMTPControlForm", nullptr, DialogOwner::Application, GlobalPolicy::Untouched},
         true,
         {"create owner 0 mode -1", "show", "delete"}},
        {{"TCurrentTimeForm", "Current Time", DialogOwner::Application, GlobalPolicy::Set},
         false,
         {"create owner 0 mode -1", "global cleared"}},
    };
    for (const Case& c : cases) {
        Journal journal;
        qs::DialogRegistry registry;
        ASSERT_TRUE(registry.Register(c.command.className, FakeClass(journal, c.create)));
        qs::RunDialogCommand(c.command, registry, "10.90.90.90", nullptr);
        EXPECT_EQ(journal.events, c.events) << c.command.className;
        EXPECT_EQ(journal.global, nullptr);
    }
}

TEST(DialogCommand, AnUnregisteredClassDoesNothing) {
    qs::DialogRegistry registry;
    EXPECT_FALSE(registry.Register("TNoSuchForm", {[](DialogOwner, int) { return nullptr; }, nullptr}));
    EXPECT_EQ(registry.Find("TNoSuchForm"), nullptr);
    const DialogDef command{"TVlanStaticForm", "Static VLAN", DialogOwner::Application};
    EXPECT_NO_THROW(qs::RunDialogCommand(command, registry, "10.90.90.90", nullptr));
}

TEST(DialogCommand, ExceptionsGoToTheStatusLineOnlyWhereTheCommandCatchesThem) {
    for (const bool catches : {true, false}) {
        Journal journal;
        qs::DialogRegistry registry;
        registry.Register("TSTP_Info", FakeClass(journal, true, true));
        DialogDef command{"TSTP_Info", "STP Control", DialogOwner::Application, GlobalPolicy::Set};
        command.catchToMainStatus = catches;
        std::string status;
        auto run = [&] {
            qs::RunDialogCommand(command, registry, "10.90.90.90", [&](const std::string& s) { status = s; });
        };
        if (catches) {
            EXPECT_NO_THROW(run());
            EXPECT_EQ(status, "Request time out");
        } else {
            EXPECT_THROW(run(), std::runtime_error);
            EXPECT_EQ(status, "");
        }
        // The dialog is gone and its global cleared either way.
        EXPECT_EQ(journal.events.back(), "global cleared");
        EXPECT_EQ(journal.events[journal.events.size() - 2], "delete");
        EXPECT_EQ(journal.global, nullptr);
    }
}

// The menu's dialog entries still waiting for their class; the list shrinks as dialog classes
// register themselves.
TEST(DialogCommand, ListsTheDialogEntriesWaitingForTheirClass) {
    std::vector<const DialogDef*> commands;
    for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Dialog)) {
        commands.push_back(e.entry->dialog);
    }
    const std::vector<std::string> missing = qs::Dialogs().Missing(commands);
    std::string listed;
    for (const std::string& name : missing) {
        EXPECT_NE(qs::FindDialogClass(name), nullptr) << name;
        listed += name + " ";
    }
    std::cout << "Dialog entries waiting for their class: " << listed << "\n";
    RecordProperty("waiting", listed);

    Journal journal;
    qs::DialogRegistry registry;
    const auto before = registry.Missing(commands);
    EXPECT_EQ(before.size(), std::set<std::string>(before.begin(), before.end()).size());
    registry.Register("TARPConfigForm", FakeClass(journal));
    const auto after = registry.Missing(commands);
    EXPECT_EQ(std::count(after.begin(), after.end(), "TARPConfigForm"), 0);
    EXPECT_EQ(after.size() + 1, before.size());
}

} // namespace
