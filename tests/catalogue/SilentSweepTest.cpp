// Every command of the main menu run from the real main window while the device has stopped
// answering (krs-sim stopped after start-up): each window it opens, or the main window's status
// line for a command without one, says the request timed out, and the opening waits for one
// blocking time-out at most. Commands that by design send nothing are listed with the reason.
//
// KRS_SWEEP_TIMEOUT (hundredths of a second) replaces the short time-out of the sweep, and
// KRS_SWEEP_REPORT names a file that receives each command's longest freeze in milliseconds.
#include "AclDialogs.h"
#include "Application.h"
#include "BlockingAction.h"
#include "CatalogueMenu.h"
#include "CatalogueWalk.h"
#include "DialogClasses.h"
#include "Layer2Dialogs.h"
#include "MainUnit.h"
#include "MainWindowSim.h"
#include "Menu.h"
#include "MessageRecorder.h"
#include "PageCommand.h"
#include "QsSNMPTarget.h"
#include "SecurityDialogs.h"
#include "SimProcess.h"
#include "StatusBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

using qs::CommandKind;
using qs::test::SimProcess;

// How often the window of a command is looked at, every 25 ms: longer than the slowest page's own
// time-out (8 s, one retry) takes to give up.
constexpr int kAttempts = 1000;

// Entries that run no request of their own, by object name, with the reason.
struct Exempt {
    const char* name;
    const char* why;
};
constexpr Exempt kExempt[] = {
    {"About1", "shows the module's name; sends nothing (its box is checked by the About tests)"},
    {"Reboot1", "the warm-start SET is never answered by a restarting device; it stays silent by decision"},
};

// Kinds of entry that send nothing.
const char* ExemptKind(CommandKind kind) {
    switch (kind) {
    case CommandKind::Tool:
        return "starts the external MIB program; the program itself sends nothing";
    case CommandKind::Empty:
        return "a command that does nothing";
    case CommandKind::None:
    case CommandKind::Separator:
        return "no command";
    default:
        return nullptr;
    }
}

const char* ExemptReason(const qs::MenuEntry& entry, const qs::MenuPlace& place) {
    if (place.hidden) {
        return "hidden: the user cannot run it";
    }
    for (const Exempt& e : kExempt) {
        if (std::string(e.name) == entry.objectName) {
            return e.why;
        }
    }
    return ExemptKind(entry.kind);
}

// What one command did.
struct CommandRun {
    bool modal = false;           // it opened a window
    bool shown = false;           // the window, a box or the status line says "timed out"
    std::uint64_t openTimeouts{}; // blocking time-outs until the window took input
    qint64 longestFreeze = 0;     // ms without an event turn (for the report only)
};

// The longest stretch without an event-loop turn while it runs.
class Heartbeat {
public:
    Heartbeat() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Beat(); });
    }
    void Start() {
        longest_ = 0;
        clock_.start();
        timer_.start();
    }
    qint64 Stop() {
        Beat();
        timer_.stop();
        return longest_;
    }

private:
    void Beat() { longest_ = std::max(longest_, clock_.restart()); }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

QString StatusTexts(const QWidget& window) {
    QString all;
    for (const QFrame* frame : window.findChildren<QFrame*>()) {
        const auto* bar = dynamic_cast<const TStatusBar*>(frame);
        if (bar == nullptr) {
            continue;
        }
        all += bar->SimpleText() + ' ';
        for (int i = 0; i < bar->PanelCount(); ++i) {
            all += bar->Panels(i)->Text() + ' ';
        }
    }
    return all;
}

class SilentSweep : public MainWindowSim {
protected:
    void SetUp() override {
        MainWindowSim::SetUp();
        const char* timeout = std::getenv("KRS_SWEEP_TIMEOUT");
        DefaultTimeout = timeout != nullptr ? std::atoi(timeout) : 20;
    }
    bool SpeaksV3() const override { return v3_; }

    QString MainStatus() const { return form_->StatusBar->Panels(0)->Text(); }
    bool TimedOutShown(const QWidget* window) const {
        const QString all = (window != nullptr ? StatusTexts(*window) : QString()) + MainStatus() + ' ' +
                            boxes_.Texts().join(' ');
        return all.contains(QStringLiteral("timed out"));
    }
    // Processes events until done() holds, at most ms.
    static bool WaitFor(const std::function<bool()>& done, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }

    // Looks at the window the command opened every 25 ms without nesting an event loop (bounded):
    // notes the time-outs of its opening once it takes input, closes it once it shows the
    // failure or the attempts are used up. A window that refuses to close while its walk still
    // runs is asked again at the next look. A look of an earlier command ends at once.
    void Watch(CommandRun& run, std::uint64_t before, int command, int attempts) {
        if (command != command_) {
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        auto* window = dynamic_cast<TForm*>(modal);
        const bool found = window != nullptr && window != form_.get();
        if (found && !run.modal) {
            run.modal = true;
            run.openTimeouts = qs::BlockingAction::Timeouts() - before;
        }
        if (found && (TimedOutShown(window) || attempts == 0)) {
            run.shown = run.shown || TimedOutShown(window);
            window->Close();
        }
        if (attempts > 0 && (!found || window->isVisible())) {
            QTimer::singleShot(
                25, [this, &run, before, command, attempts] { Watch(run, before, command, attempts - 1); });
        } else if (!found && modal != nullptr) {
            modal->close(); // a window the sweep does not know: it must not wait for ever
        }
    }

    CommandRun RunCommand(TMenuItem& item) {
        CommandRun run;
        boxes_.boxes.clear();
        form_->SetStatusText(QString());
        const std::uint64_t before = qs::BlockingAction::Timeouts();
        const int command = ++command_;
        QTimer::singleShot(25, [this, &run, before, command] { Watch(run, before, command, kAttempts); });
        heartbeat_.Start();
        item.Click();
        ++command_;
        if (!run.modal) {
            run.openTimeouts = qs::BlockingAction::Timeouts() - before;
            run.shown = WaitFor([&] { return TimedOutShown(nullptr); }, 3000);
        }
        run.longestFreeze = heartbeat_.Stop();
        // The window's own timers and requests end before the next command.
        WaitFor([] { return false; }, 50);
        return run;
    }

    qs::MessageRecorder boxes_;
    Heartbeat heartbeat_;
    int command_ = 0; // the command whose window Watch looks at
    bool v3_ = false; // SNMPv3 with authentication and privacy instead of SNMPv2c

    // Runs every step-th command that sends something from the offset-th on, with the device
    // stopped; returns how many.
    int Sweep(int step, int offset, std::map<std::string, qint64>& freezes) {
        EXPECT_TRUE(sim_->pause());
        const auto sends = [](const PlacedEntry& e) { return ExemptReason(*e.entry, e.place) == nullptr; };
        const int swept = RunShard(step, offset, sends, [&](TMenuItem& item, const PlacedEntry& e) {
            // The panel refresh asks first; the sweep answers yes and closes the new panel after.
            boxes_.answers = {IDOK};
            const CommandRun run = RunCommand(item);
            freezes[e.place.path] = run.longestFreeze;
            EXPECT_TRUE(run.shown) << e.place.path << (run.modal ? " (window)" : " (status line)");
            EXPECT_LE(run.openTimeouts, 1u) << e.place.path;
        });
        EXPECT_TRUE(sim_->resume());
        return swept;
    }
};

void Report(const std::map<std::string, qint64>& freezes) {
    const char* path = std::getenv("KRS_SWEEP_REPORT");
    if (path == nullptr) {
        return;
    }
    std::ofstream out(path, std::ios::app); // one run's shards add to one report
    for (const auto& [where, ms] : freezes) {
        out << ms << '\t' << where << '\n';
    }
}

// The commands in sixteen shards, so that each test stays short (also under the sanitizers) and
// they run side by side.
constexpr int kShards = 16;

class SilentSweepShard : public SilentSweep, public testing::WithParamInterface<int> {};

TEST_P(SilentSweepShard, EveryCommandShowsTheTimeOutAfterOneBlockingWait) {
    std::map<std::string, qint64> freezes;
    const int swept = Sweep(kShards, GetParam(), freezes);
    Report(freezes);
    std::cout << "Commands swept: " << swept << "\n";
    EXPECT_GT(swept, 200 / kShards); // about 290 commands in all
}

INSTANTIATE_TEST_SUITE_P(Commands, SilentSweepShard, testing::Range(0, kShards));

class SilentSweepV3 : public SilentSweep {
protected:
    void SetUp() override {
        v3_ = true;
        SilentSweep::SetUp();
    }
};

// A sample of the commands over SNMPv3: every seventh, in two shards (every fourteenth from the
// first and from the eighth on).
class SilentSweepV3Shard : public SilentSweepV3, public testing::WithParamInterface<int> {};

TEST_P(SilentSweepV3Shard, SampleShowsTheTimeOutAfterOneBlockingWait) {
    ASSERT_EQ(DefaultSecurity.version, 3);
    std::map<std::string, qint64> freezes;
    EXPECT_GT(Sweep(14, 7 * GetParam(), freezes), 35 / 2);
}

INSTANTIATE_TEST_SUITE_P(Sample, SilentSweepV3Shard, testing::Range(0, 2));

// The exempt list names entries the menu has.
TEST(SilentSweepExempt, NamesMenuEntries) {
    for (const Exempt& e : kExempt) {
        EXPECT_NE(qs::FindMenuEntry(qs::MainMenuItems(), e.name), nullptr) << e.name;
    }
}

} // namespace
