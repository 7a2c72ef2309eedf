// Rough input on every page of the menu: each edit that turns typed text into a number, an address,
// an identifier, bytes or a row key, given "zz", "", "-1", 300 nines and "1.2.3.4.5", refuses what
// is no value of its column. Nothing reaches krs-sim, a box is shown, the status line names the
// field, and no status line reads "Ok!". Editor pages are written with Set Checked, list pages
// through their Edit sub-form (the first row's writable columns) and their Add sub-form (the keys,
// the other keys holding the first row's values).
#include "CataloguePageTest.h"
#include "ComboBox.h"
#include "DirectCommands.h"
#include "Edit.h"
#include "ListView.h"
#include "PageCommand.h"
#include "QsSNMPRequest2Edits.h"
#include "SnmpV3User.h"
#include "StatusBar.h"
#include "SubFormScript.h"

#include <QCoreApplication>
#include <algorithm>

namespace qs::test {
namespace {

const QString kNines(300, QLatin1Char('9'));

bool IsOctets(std::uint32_t s) {
    return s == SYN_BITSTR || s == SYN_OCTETSTR || s == SYN_OPAQUE;
}

// The garbage texts a field must refuse. Plain text takes any text but an oversized key;
// bytes take neither letters past F nor signs and dots; a signed number whose range holds -1 takes
// "-1" (a key never does), and an object identifier "1.2.3.4.5": those are values of their columns.
QStringList RefusedTexts(const QsSNMPVar& var, bool key, const UISnmpVar& item,
                         const qs::EditFormat* format) {
    auto* edit = dynamic_cast<TEdit*>(item.Control);
    if (edit == nullptr || edit->ReadOnly() || item.PortList) {
        return {}; // nothing is typed here
    }
    if (var.Syntax == SYN_DISPLAYSTR) {
        return key ? QStringList{kNines} : QStringList{};
    }
    if (IsOctets(var.Syntax)) {
        return key ? QStringList{QStringLiteral("zz"), QString(), QStringLiteral("-1"), kNines,
                                 QStringLiteral("1.2.3.4.5")}
                   : QStringList{QStringLiteral("zz"), QStringLiteral("-1"), QStringLiteral("1.2.3.4.5")};
    }
    if (var.Syntax == SYN_BITLIST || var.Syntax == SYN_NULL) {
        return {};
    }
    QStringList texts{QStringLiteral("zz"), QString(), kNines};
    const bool ranged = format != nullptr && format->conversion == 'i';
    const bool negativeIsValue =
        !key && var.Syntax == SYN_INTEGER && var.OptionList == nullptr && (!ranged || format->minimum <= -1);
    if (!negativeIsValue) {
        texts << QStringLiteral("-1");
    }
    if (var.Syntax != SYN_OBJECTID) {
        texts << QStringLiteral("1.2.3.4.5");
    }
    return texts;
}

// The format an item's edit is bound with, or null.
const qs::EditFormat* FormatOf(TSNMPEditorPanel& page, int i) {
    auto* edit = dynamic_cast<TEdit*>(page.EditsPanel->Items[static_cast<std::size_t>(i)].Control);
    const _EditConstraint_s* record = edit ? page.Request->Constraint.Find(edit) : nullptr;
    return record ? &record->format : nullptr;
}

std::string Trimmed(const std::string& name) {
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

class TypedGarbage : public CataloguePageTest {
protected:
    // Types text into item i, ticks it alone (with the keys), presses Set Checked and checks the
    // refusal.
    void ExpectRefused(TSNMPEditorPanel& page, TSNMPPanel& frame, int i, const QString& text,
                       const std::string& where) {
        TEditsPanel* grid = page.EditsPanel;
        for (int k = 0; k < grid->ItemCount(); ++k) {
            if (!grid->IsKeyItem(k) && grid->Items[static_cast<std::size_t>(k)].CheckBox->isEnabled()) {
                grid->Items[static_cast<std::size_t>(k)].CheckBox->SetChecked(k == i);
            }
        }
        auto* edit = dynamic_cast<TEdit*>(grid->Items[static_cast<std::size_t>(i)].Control);
        edit->SetText(text);
        if (edit->Text() != text) {
            return; // the edit's own filter refused the characters as they were typed
        }
        const std::string name = Trimmed(page.Request->Request.List.GetVar(i)->Name);
        const std::size_t before = sim->journal().size();
        messages.boxes.clear();
        frame.BtnPanel->SetCheckedBtn->SetEnabled(true);
        frame.BtnPanel->SetCheckedBtn->Click();
        const std::string trace = where + " / " + name + " / '" + text.left(12).toStdString() + "'";
        for (std::size_t r = before; r < sim->journal().size(); ++r) {
            EXPECT_NE(sim->journal()[r].pdu, "set") << trace;
        }
        EXPECT_FALSE(messages.boxes.isEmpty()) << trace;
        EXPECT_TRUE(frame.isVisible()) << trace << ": the page or sub-form stays open";
        const QString status = frame.StatusBar->SimpleText();
        EXPECT_FALSE(status.contains(QStringLiteral("Ok!"))) << trace << ": " << status.toStdString();
        const bool named = status.startsWith(QString::fromStdString("Set: " + name + ":"));
        const bool empty = status.startsWith(QStringLiteral("Set: Some items are empty!"));
        EXPECT_TRUE(named || (text.isEmpty() && empty)) << trace << ": " << status.toStdString();
        ++tries;
    }

    void TryEditor(TSNMPEditorPanel& page, const std::string& where) {
        QsSNMPVarList& list = page.Request->Request.List;
        for (int i = 0; i < page.EditsPanel->ItemCount(); ++i) {
            const UISnmpVar& item = page.EditsPanel->Items[static_cast<std::size_t>(i)];
            if (item.Kind != 2 || !list.IsWritable(i)) {
                continue;
            }
            for (const QString& text : RefusedTexts(*list.GetVar(i), false, item, FormatOf(page, i))) {
                ExpectRefused(page, page, i, text, where);
            }
        }
    }

    void TryEditSubForm(TSNMPListViewPanel& page, const std::string& where) {
        TListView* list = page.ListPanel->ListView;
        if (list->ItemCount() == 0 || (!page.BtnPanel->EditBtn->isVisible() && !list->OnDblClick)) {
            return;
        }
        list->SetSelected(list->Item(0));
        page.ListClick(list);
        OnSubForm([&](TForm*, TSNMPPanel* frame) {
            QsSNMPVarList& vars = page.Request->Request.List;
            for (int i = vars.PKeyCount; i < page.EditsPanel->ItemCount(); ++i) {
                const UISnmpVar& item = page.EditsPanel->Items[static_cast<std::size_t>(i)];
                if (!item.Control->Visible() || !dynamic_cast<TEdit*>(item.Control) || !vars.IsWritable(i)) {
                    continue;
                }
                for (const QString& text : RefusedTexts(*vars.GetVar(i), false, item, FormatOf(page, i))) {
                    ExpectRefused(page, *frame, i, text, where + " (Edit)");
                }
            }
        });
        page.EditClick(page.BtnPanel->EditBtn);
        WaitIdle(page);
    }

    void TryAddSubForm(TSNMPListViewPanel& page, const std::string& where) {
        TListView* list = page.ListPanel->ListView;
        if (page.BtnPanel->AddBtn->isHidden() || list->ItemCount() == 0) {
            return;
        }
        list->SetSelected(list->Item(0));
        page.ListClick(list);
        QsSNMPVarList& vars = page.Request->Request.List;
        QStringList keys;
        std::vector<int> choices;
        for (int k = 0; k < vars.PKeyCount; ++k) {
            TWinControl* control = page.EditsPanel->Items[static_cast<std::size_t>(k)].Control;
            auto* edit = dynamic_cast<TEdit*>(control);
            auto* combo = dynamic_cast<TComboBox*>(control);
            keys << (edit ? edit->Text() : QString());
            choices.push_back(combo ? combo->ItemIndex() : -1);
        }
        OnSubForm([&](TForm*, TSNMPPanel* frame) {
            for (int k = 0; k < vars.PKeyCount; ++k) {
                const UISnmpVar& item = page.EditsPanel->Items[static_cast<std::size_t>(k)];
                auto* edit = dynamic_cast<TEdit*>(item.Control);
                if (!edit || edit->ReadOnly()) {
                    continue;
                }
                for (const QString& text : RefusedTexts(*vars.GetVar(k), true, item, FormatOf(page, k))) {
                    for (int other = 0; other < vars.PKeyCount; ++other) {
                        TWinControl* control =
                            page.EditsPanel->Items[static_cast<std::size_t>(other)].Control;
                        if (auto* e = dynamic_cast<TEdit*>(control)) {
                            e->SetText(keys[other]);
                        } else if (auto* c = dynamic_cast<TComboBox*>(control)) {
                            c->SetItemIndex(std::max(0, choices[static_cast<std::size_t>(other)]));
                        }
                    }
                    ExpectRefused(page, *frame, k, text, where + " (Add)");
                }
            }
        });
        page.AddClick(page.BtnPanel->AddBtn);
        WaitIdle(page);
    }

    static void WaitIdle(TSNMPPanel& panel) {
        WaitFor([&] { return !panel.Request->Busy; });
    }

    // Tries the pages of one menu, or with shards > 1 every shards-th of them from the shard-th on.
    void TryEveryPage(bool snmpV3Menu, int shard = 0, int shards = 1) {
        int index = 0;
        for (const PlacedEntry& e : EntriesOfKind(qs::CommandKind::Page)) {
            if (e.place.path.starts_with("SNMP v3 > ") != snmpV3Menu || index++ % shards != shard) {
                continue;
            }
            const VersionOverride v2c(e.entry->page->forceV2cIfV1);
            std::unique_ptr<TConfigForm> page = qs::BuildPage(*e.entry->page);
            page->Show();
            FirstReadStatus(*page);
            const int tabs = page->PageControl ? page->PageControl->PageCount() : 1;
            for (int tab = 0; tab < tabs; ++tab) {
                if (page->PageControl) {
                    page->PageControl->setCurrentIndex(tab);
                }
                for (TSNMPPanel* panel : Panels(*page)) {
                    if (!panel->isVisible()) {
                        continue;
                    }
                    WaitIdle(*panel);
                    const std::string where = e.place.path + (tabs > 1 ? " #" + std::to_string(tab) : "");
                    if (auto* listPage = dynamic_cast<TSNMPListViewPanel*>(panel)) {
                        TryEditSubForm(*listPage, where);
                        TryAddSubForm(*listPage, where);
                    } else if (auto* editor = dynamic_cast<TSNMPEditorPanel*>(panel)) {
                        TryEditor(*editor, where);
                    }
                }
            }
            page->Close();
            QCoreApplication::processEvents();
        }
    }

    int tries = 0;
};

class TypedGarbageV3 : public TypedGarbage {
protected:
    TypedGarbageV3() { simArgs = {"--user", kV3UserOption}; }
    void SetUp() override {
        TypedGarbage::SetUp();
        UseV3UserAuthPriv();
    }
    void TearDown() override {
        DefaultSecurity = QsSNMPSecurity{};
        TypedGarbage::TearDown();
    }
};

// The pages in shards, so that each test stays short and they run side by side.
constexpr int kShards = 10;

class TypedGarbageShard : public TypedGarbage, public testing::WithParamInterface<int> {};

TEST_P(TypedGarbageShard, EveryFieldRefusesTextThatIsNoValueOfItsColumn) {
    TryEveryPage(false, GetParam(), kShards);
    RecordProperty("tries", tries);
    EXPECT_GT(tries, 300 / kShards / 3) << "each shard holds a share of the fields";
}

INSTANTIATE_TEST_SUITE_P(Pages, TypedGarbageShard, testing::Range(0, kShards));

TEST_F(TypedGarbageV3, EverySnmpV3FieldRefusesTextThatIsNoValueOfItsColumn) {
    TryEveryPage(true);
    RecordProperty("tries", tries);
    EXPECT_GT(tries, 20);
}

} // namespace
} // namespace qs::test
