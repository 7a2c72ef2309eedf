// Rough input in every dialog window of the main menu and in the Add and Edit sub-dialogs their
// buttons open: each editable field is given "zz", "-1", "", "1.2.3.4.5" and 300 nines in turn,
// and each of the window's write buttons is pressed. A press must either send what the same press
// sends without the garbage (the field is not part of that write), send the text as typed (a text
// field), or send nothing and say why in a message box (answered headlessly). A SET that changed
// with the garbage without carrying it, or a press that went silent where the same press without
// the garbage did something, is a fault.
//
// The windows are swept in shards (by their place in the menu, modulo the shard count), so that
// each test stays short; KRS_GARBAGE_REPORT names a file that receives every press looked at.
#include "AclDialogs.h"
#include "Application.h"
#include "Button.h"
#include "CatalogueMenu.h"
#include "CatalogueWalk.h"
#include "DialogClasses.h"
#include "Edit.h"
#include "Layer2Dialogs.h"
#include "ListView.h"
#include "MainUnit.h"
#include "MainWindowSim.h"
#include "Menu.h"
#include "MessageRecorder.h"
#include "PageCommand.h"
#include "QsSNMPTarget.h"
#include "SecurityDialogs.h"
#include "SimProcess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace {

using qs::test::JournalRecord;
using qs::test::SimProcess;

const QStringList& GarbageTexts() {
    static const QStringList texts{QStringLiteral("zz"), QStringLiteral("-1"), QString(),
                                   QStringLiteral("1.2.3.4.5"), QString(300, QLatin1Char('9'))};
    return texts;
}

// The captions of the buttons that write; others (Refresh, Delete, Stop, Close, ...) are not pressed.
bool IsWriteButton(const QString& caption) {
    static const std::set<QString> kWrites{"Set",   "Add",  "Edit", "Set Checked", "Add Default",
                                           "Apply", "Save", "OK",   "Modify"};
    return kWrites.contains(caption.trimmed());
}

// What one press did.
struct Press {
    std::vector<std::string> sets; // each SET's varbinds, "OID=TYPE:VALUE ..."
    QStringList boxes;
    bool openedWindow = false;
};

// Whether a SET carries the typed text as it stands (a text field takes any text): as a value, or
// as the sub-identifiers of a text key in an instance.
bool Carries(const std::vector<std::string>& sets, const QString& text) {
    const std::string typed = text.toStdString();
    std::string key;
    for (const unsigned char c : typed) {
        key += '.' + std::to_string(c);
    }
    for (const std::string& set : sets) {
        const bool empty = set.ends_with(':') || set.find(": ") != std::string::npos;
        if (typed.empty()
                ? empty
                : set.find(typed) != std::string::npos || set.find(key + '=') != std::string::npos) {
            return true;
        }
    }
    return false;
}

// The varbinds of SETs, each "OID=TYPE:VALUE".
std::multiset<std::string> Varbinds(const std::vector<std::string>& sets) {
    std::multiset<std::string> all;
    for (const std::string& set : sets) {
        std::size_t start = 0;
        // A varbind starts at a blank followed by an OID digit and "="; values may hold blanks.
        for (std::size_t i = 1; i <= set.size(); ++i) {
            const bool next = i == set.size() ||
                              (set[i] == ' ' && set.find('=', i) != std::string::npos &&
                               set.find(':', i) > set.find('=', i) &&
                               set.substr(i + 1, set.find('=', i) - i - 1).find(' ') == std::string::npos);
            if (next) {
                all.insert(set.substr(start, i - start));
                start = i + 1;
            }
        }
    }
    return all;
}

// Whether every varbind the press sent was sent by the press without the garbage too: the
// garbage's own write was left out, nothing was made of it.
bool OnlyWhatTheBaseSent(const std::vector<std::string>& sets, const std::vector<std::string>& base) {
    const std::multiset<std::string> sent = Varbinds(sets);
    const std::multiset<std::string> measure = Varbinds(base);
    return std::all_of(sent.begin(), sent.end(), [&](const std::string& v) { return measure.contains(v); });
}

class DialogGarbage : public MainWindowSim, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        MainWindowSim::SetUp();
        DefaultTimeout = 100;
    }

    static void Pump(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }
    std::uintmax_t JournalSize() const {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(sim_->journalPath(), error);
        return error ? 0 : size;
    }
    // Until the agent has heard nothing new for a while (bounded).
    void Settle() const {
        QElapsedTimer clock;
        clock.start();
        std::uintmax_t size = JournalSize();
        QElapsedTimer quiet;
        quiet.start();
        while (clock.elapsed() < 4000 && quiet.elapsed() < 150) {
            Pump(20);
            if (const std::uintmax_t now = JournalSize(); now != size) {
                size = now;
                quiet.restart();
            }
        }
    }
    std::vector<std::string> SetsSince(std::uintmax_t offset) const {
        std::ifstream in(sim_->journalPath());
        in.seekg(static_cast<std::streamoff>(offset));
        std::vector<JournalRecord> records;
        for (std::string line; std::getline(in, line);) {
            JournalRecord record;
            if (qs::test::parseJournalLine(line, record)) {
                records.push_back(std::move(record));
            }
        }
        return qs::test::SetSummaries(records, 0, ".1.3.6.1.4.1.");
    }

    static std::vector<TEdit*> Fields(TForm& window) {
        std::vector<TEdit*> fields;
        for (TEdit* edit : window.findChildren<TEdit*>()) {
            if (edit->isVisible() && edit->isEnabled() && !edit->ReadOnly() && edit->window() == &window) {
                fields.push_back(edit);
            }
        }
        return fields;
    }
    static std::vector<TButton*> Buttons(TForm& window) {
        std::vector<TButton*> buttons;
        for (TButton* button : window.findChildren<TButton*>()) {
            if (IsWriteButton(button->Caption()) && button->window() == &window) {
                buttons.push_back(button);
            }
        }
        return buttons;
    }

    // The state a press starts from: the first row of each list selected as a click selects it
    // (the buttons of a row), or no row selected (the buttons of a new row); then every field as
    // it was in that state.
    struct Snapshot {
        std::vector<std::pair<TEdit*, QString>> texts;
    };
    static void SetRows(TForm& window, bool selected) {
        for (TListView* list : window.findChildren<TListView*>()) {
            if (!list->isVisible() || list->ItemCount() == 0 || (list->Selected() != nullptr) == selected) {
                continue;
            }
            list->SetSelected(selected ? list->Item(0) : nullptr);
            if (list->OnClick) {
                list->OnClick(list);
            }
        }
    }
    static Snapshot Take(TForm& window) {
        Snapshot s;
        for (TEdit* edit : window.findChildren<TEdit*>()) {
            s.texts.emplace_back(edit, edit->Text());
        }
        return s;
    }
    static void Restore(const Snapshot& s) {
        for (const auto& [edit, text] : s.texts) {
            if (!edit->ReadOnly()) {
                edit->SetText(text);
            }
        }
    }

    // Closes (after sweeping it, for a window of the menu's dialog) the sub-dialog a press opened.
    void WatchPress(TForm* window, int token, int depth, const std::string& where, Press& press,
                    int attempts) {
        if (token != pressToken_) {
            return;
        }
        auto* modal = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        if (modal != nullptr && modal != window && modal != form_.get() && modal->isVisible()) {
            press.openedWindow = true;
            if (depth == 0) {
                SweepWindow(*modal, where + " > " + modal->objectName().toStdString(), 1);
            }
            modal->Close();
            return;
        }
        if (attempts > 0) {
            QTimer::singleShot(40, [this, window, token, depth, where, &press, attempts] {
                WatchPress(window, token, depth, where, press, attempts - 1);
            });
        }
    }

    Press PressButton(TForm& window, TButton* button, int depth, const std::string& where) {
        Press press;
        const std::uintmax_t mark = JournalSize();
        boxes_.boxes.clear();
        const int token = ++pressToken_;
        QTimer::singleShot(40, [this, w = &window, token, depth, where, &press] {
            WatchPress(w, token, depth, where, press, 100);
        });
        button->Click();
        ++pressToken_;
        Settle();
        press.sets = SetsSince(mark);
        press.boxes = boxes_.Texts();
        return press;
    }

    void Judge(const std::string& where, const TEdit& field, const QString& text, const TButton& button,
               const Press& press, const Press* base) {
        ++tries_;
        const std::string trace = where + " / " + field.objectName().toStdString() + " / '" +
                                  text.left(12).toStdString() + "' / " + button.Caption().toStdString();
        if (report_) {
            *report_ << trace << "\t" << press.sets.size() << " sets\t" << press.boxes.join('|').toStdString()
                     << "\n";
        }
        const bool unchanged = base != nullptr && press.sets == base->sets;
        // Left out of the write: an emptied field by design, any other text with a box saying why.
        const bool leftOut = base != nullptr && OnlyWhatTheBaseSent(press.sets, base->sets) &&
                             (text.isEmpty() || !press.boxes.isEmpty());
        if (!press.sets.empty()) {
            EXPECT_TRUE(unchanged || leftOut || Carries(press.sets, text))
                << trace << ": sent " << press.sets.front();
            return;
        }
        const bool inert = base != nullptr && base->sets.empty() && base->boxes.isEmpty();
        EXPECT_TRUE(!press.boxes.isEmpty() || inert) << trace << ": refused without a word";
    }

    // Every field with every garbage text, pressed with every write button of the window, each
    // button in the first row state that offers it. In the menu's window each button is first
    // pressed as the window stands, which is the measure of the presses with garbage, and a button
    // that opens a sub-dialog sweeps that instead.
    void SweepWindow(TForm& window, const std::string& where, int depth) {
        ++windows_;
        std::map<bool, Snapshot> start;
        for (const bool selected : {false, true}) {
            SetRows(window, selected);
            Settle();
            start[selected] = Take(window);
        }
        std::map<TButton*, Press> bases;
        std::map<TButton*, bool> rowState;
        for (TButton* button : Buttons(window)) {
            for (const bool selected : {true, false}) {
                SetRows(window, selected);
                Restore(start[selected]);
                if (!rowState.contains(button) && button->isVisible() && button->isEnabled()) {
                    rowState[button] = selected;
                }
            }
            if (depth > 0 || !rowState.contains(button) || !window.isVisible()) {
                continue;
            }
            SetRows(window, rowState[button]);
            Restore(start[rowState[button]]);
            bases[button] = PressButton(window, button, depth, where);
        }
        if (report_) {
            *report_ << "# " << where << "\t" << Fields(window).size() << " fields\t" << rowState.size()
                     << " write buttons\n";
        }
        for (const auto& [button, selected] : rowState) {
            if (bases[button].openedWindow) {
                continue;
            }
            SweepButton(window, *button, selected, start[selected], depth, where,
                        depth > 0 ? nullptr : &bases[button]);
        }
        Restore(start[true]);
    }
    void SweepButton(TForm& window, TButton& button, bool selected, const Snapshot& start, int depth,
                     const std::string& where, const Press* base) {
        SetRows(window, selected);
        Restore(start);
        for (TEdit* field : Fields(window)) {
            for (const QString& text : GarbageTexts()) {
                if (!window.isVisible()) {
                    return;
                }
                SetRows(window, selected);
                Restore(start);
                field->SetText(text);
                if (!button.isVisible() || !button.isEnabled() || !field->isEnabled() ||
                    field->Text() != text) {
                    continue; // the button is not offered, or the edit's own filter refused the text
                }
                const Press press = PressButton(window, &button, depth, where);
                Judge(where, *field, text, button, press, base);
            }
        }
    }

    // Opens a dialog of the menu and sweeps it once it has settled, then closes it.
    void RunDialog(TMenuItem& item, const std::string& where) {
        const int token = ++dialogToken_;
        QTimer::singleShot(100, [this, token, where] { WatchDialog(token, where, 100); });
        boxes_.answers.clear();
        item.Click();
        ++dialogToken_;
        Pump(50);
    }
    void WatchDialog(int token, const std::string& where, int attempts) {
        if (token != dialogToken_) {
            return;
        }
        auto* window = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        if (window != nullptr && window != form_.get() && window->isVisible()) {
            Settle();
            SweepWindow(*window, where, 0);
            CloseWhenItLets(window, token, 200);
            return;
        }
        if (attempts > 0) {
            QTimer::singleShot(50,
                               [this, token, where, attempts] { WatchDialog(token, where, attempts - 1); });
        } else if (QWidget* other = QApplication::activeModalWidget(); other != nullptr) {
            other->close();
        }
    }
    void CloseWhenItLets(TForm* window, int token, int attempts) {
        if (token != dialogToken_ || !window->isVisible()) {
            return;
        }
        window->Close();
        if (attempts > 0) {
            QTimer::singleShot(
                50, [this, window, token, attempts] { CloseWhenItLets(window, token, attempts - 1); });
        }
    }

    int Sweep(int shards, int shard) {
        const char* reportPath = std::getenv("KRS_GARBAGE_REPORT");
        std::ofstream report;
        if (reportPath != nullptr) {
            report.open(reportPath, std::ios::app);
            report_ = &report;
        }
        const int swept = RunShard(
            shards, shard,
            [](const PlacedEntry& e) { return e.entry->kind == qs::CommandKind::Dialog && !e.place.hidden; },
            [this](TMenuItem& item, const PlacedEntry& e) { RunDialog(item, e.place.path); });
        report_ = nullptr;
        return swept;
    }

    qs::MessageRecorder boxes_;
    std::ofstream* report_ = nullptr;
    int pressToken_ = 0;
    int dialogToken_ = 0;
    int tries_ = 0;
    int windows_ = 0;
};

constexpr int kShards = 30;

TEST_P(DialogGarbage, NoSetIsDerivedFromGarbageAndEveryRefusalSaysWhy) {
    const int swept = Sweep(kShards, GetParam());
    RecordProperty("dialogs", swept);
    RecordProperty("windows", windows_);
    RecordProperty("tries", tries_);
    std::cout << "Dialogs: " << swept << ", windows: " << windows_ << ", presses with garbage: " << tries_
              << "\n";
    EXPECT_GT(swept, 0);
}

INSTANTIATE_TEST_SUITE_P(Shards, DialogGarbage, testing::Range(0, kShards));

} // namespace
