// Dialogs opened from their menu command against an agent that has stopped answering: each shows
// the time-out (status area or box), and the opening, like a click on Refresh, waits for one
// blocking time-out at most.
#include "AclDialogs.h"
#include "BlockingAction.h"
#include "Button.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "FeatureDialog.h"
#include "IncludeRuleForm.h"
#include "Layer2Dialogs.h"
#include "MessageRecorder.h"
#include "SecurityDialogs.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace qs::test {
namespace {

struct SilentCase {
    const char* className;
    const char* button;             // clicked once the opening's failure shows; null: none
    std::uint64_t blockingTimeouts; // of the opening and of the click: blocking reads time out once
};

void PrintTo(const SilentCase& c, std::ostream* os) {
    *os << c.className;
}

// The status area of a dialog on the kit's frame or on the include-rule frame.
std::optional<StatusArea> StatusOf(TForm& form) {
    if (auto* dialog = dynamic_cast<FeatureDialog*>(&form)) {
        return dialog->StatusOut();
    }
    if (auto* dialog = dynamic_cast<IncludeRuleForm*>(&form)) {
        return StatusArea(dialog->StatusBar);
    }
    return std::nullopt;
}

bool TimeOutShown(TForm& dialog, const MessageRecorder& boxes) {
    const QString timedOut = QStringLiteral("timed out");
    const std::optional<StatusArea> status = StatusOf(dialog);
    return (status && status->Text().contains(timedOut)) || boxes.Texts().join(' ').contains(timedOut);
}

struct Outcome {
    bool opened = false;
    bool openShown = false;
    bool clickShown = false;
    std::uint64_t openTimeouts = 0;
    std::uint64_t clickTimeouts = 0;
};

class SilentAgent : public DialogSimTest, public testing::WithParamInterface<SilentCase> {
protected:
    // Runs in the dialog's modal loop: waits for the failure, clicks, waits again, closes.
    void Inspect(TForm& dialog, std::uint64_t before) {
        out.opened = true;
        out.openTimeouts = BlockingAction::Timeouts() - before;
        out.openShown = WaitFor([&] { return TimeOutShown(dialog, boxes); });
        if (const char* name = GetParam().button) {
            auto* button = dynamic_cast<TButton*>(dialog.FindComponent(QString::fromLatin1(name)));
            ASSERT_NE(button, nullptr) << name;
            if (std::optional<StatusArea> status = StatusOf(dialog)) {
                status->Show(QString());
            }
            boxes.boxes.clear();
            const std::uint64_t beforeClick = BlockingAction::Timeouts();
            button->Click();
            out.clickTimeouts = BlockingAction::Timeouts() - beforeClick;
            out.clickShown = WaitFor([&] { return TimeOutShown(dialog, boxes); });
        }
    }
    // Looks for the modal dialog until it is shown (bounded), inspects and closes it.
    void WhenShown(std::uint64_t before, int attempts) {
        auto* dialog = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !StatusOf(*dialog)) {
            if (attempts > 0) {
                QTimer::singleShot(50, [this, before, attempts] { WhenShown(before, attempts - 1); });
            }
            return;
        }
        Inspect(*dialog, before);
        dialog->Close();
    }

    MessageRecorder boxes;
    Outcome out;
};

TEST_P(SilentAgent, ShowsTheTimeOutAfterOneBlockingWait) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    ASSERT_TRUE(sim->pause());
    DialogRegistry registry;
    RegisterLayer2Dialogs(registry);
    RegisterSecurityDialogs(registry);
    RegisterAclDialogs(registry);
    const std::uint64_t before = BlockingAction::Timeouts();
    QTimer::singleShot(0, [this, before] { WhenShown(before, 400); });
    RunDialogCommand({GetParam().className, "Silent", DialogOwner::Application}, registry, "127.0.0.1", {});
    ASSERT_TRUE(out.opened);
    EXPECT_TRUE(out.openShown);
    EXPECT_EQ(out.openTimeouts, GetParam().blockingTimeouts);
    if (GetParam().button) {
        EXPECT_TRUE(out.clickShown);
        EXPECT_EQ(out.clickTimeouts, GetParam().blockingTimeouts);
    }
}

// The dialogs that read several times in a row on opening and on Refresh, and three rule editors:
// asynchronous and blocking ones. Port Mirror's Refresh is wired outside the kit's button step
// and reads two tables.
INSTANTIATE_TEST_SUITE_P(
    Dialogs, SilentAgent,
    testing::Values(SilentCase{"TMBAControlForm", "BT_Get", 1}, SilentCase{"TPortTrunkForm", "BT_Get", 1},
                    SilentCase{"TSTP_Info", "BT_Get", 1}, SilentCase{"TGuestVlanForm", "BT_Get", 1},
                    SilentCase{"TEthernetInformationRuleForm", nullptr, 1},
                    SilentCase{"TIPRuleForm", nullptr, 0}, SilentCase{"TCPUFilterIPV6RuleForm", nullptr, 1},
                    SilentCase{"TPortMirrorForm", "BT_Refresh", 1}));

} // namespace
} // namespace qs::test
