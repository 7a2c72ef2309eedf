// The menu commands of the access, relay and engine dialogs open each dialog with its caption,
// publish it in its global instance pointer while it is shown, and clear the pointer afterwards.
#include "BOOTCtrlTableForm.h"
#include "BulwarkCtrlForm.h"
#include "CoSBrandwidthctrlForm.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "Ipv6StaticRouteForm.h"
#include "MBAControlForm.h"
#include "MSInformationForm.h"
#include "PrtSecDelCtrlForm.h"
#include "SecurityDialogs.h"

#include <QTimer>

namespace qs::test {
namespace {

class AccessRelayCommandsTest : public DialogSimTest {};

TEST_F(AccessRelayCommandsTest, EachCommandOpensItsDialogWithCaptionAndGlobal) {
    struct Case {
        DialogDef command;
        std::function<TForm*()> global;
        const char* caption;
    };
    const Case cases[] = {
        {{"TBulwarkCtrlForm", "Bulwark Control", DialogOwner::MainForm},
         [] { return BulwarkCtrlForm; },
         "Bulwark Control: 10.90.90.90"},
        {{"TMSInformationForm", "Member Switch Information", DialogOwner::MainForm},
         [] { return MSInformationForm; },
         "Member Switch Information: 10.90.90.90"},
        {{"TCoSBrandwidthctrlForm", "CoS Bandwidth Control Table", DialogOwner::Application},
         [] { return CoSBrandwidthctrlForm; },
         "CoS Bandwidth Control Table: 10.90.90.90"},
        {{"TIpv6StaticRouteForm", "IPv6 Static Route Table", DialogOwner::Application},
         [] { return Ipv6StaticRouteForm; },
         "IPv6 Static Route Table: 10.90.90.90"},
        {{"TBOOTCtrlTableForm", "DHCP Relay Control", DialogOwner::MainForm},
         [] { return BOOTCtrlTableForm; },
         "DHCP Relay Control: 10.90.90.90"},
        {{"TMBAControlForm", "MBA Port Global Settings", DialogOwner::Application},
         [] { return MBAControlForm; },
         "MBA Port Global Settings: 10.90.90.90"},
        {{"TPrtSecDelCtrlForm", "Port Security Delete", DialogOwner::Application},
         [] { return PrtSecDelCtrlForm; },
         "Port Security Delete: 10.90.90.90"},
    };
    ASSERT_TRUE(StartSim()) << sim->lastError();
    DialogRegistry registry;
    RegisterSecurityDialogs(registry);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.className);
        QString caption;
        bool shown = false;
        // A dialog that walks a table while it is created processes messages before it is
        // shown: the check waits until the dialog is up.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            TForm* opened = c.global();
            if (opened == nullptr || !opened->isVisible()) {
                return;
            }
            poll.stop();
            shown = true;
            caption = opened->Caption();
            opened->Close();
        });
        poll.start(20);
        RunDialogCommand(c.command, registry, "10.90.90.90", nullptr);
        EXPECT_TRUE(shown);
        EXPECT_EQ(caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(c.global(), nullptr);
    }
}

} // namespace
} // namespace qs::test
