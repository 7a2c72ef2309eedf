// The front panel's link read fires inside whatever window is open. When it times out while a
// list page's Add or Edit sub-form is open, that is the tick's own failure: the page operation
// that holds the sub-form still reads the table again afterwards, so the row just added shows.
#include "PageSimSupport.h"
#include "SubFormScript.h"

#include "BlockingAction.h"
#include "PanelKRS5428MXFormUnit.h"
#include "QsSNMPTarget.h"

namespace qs::test {
namespace {

constexpr int kName = 1;
constexpr int kStatus = 3;

class PanelTick : public PageSimTest {
protected:
    void SetUp() override {
        PageSimTest::SetUp();
        // The panel reads the default target: an agent that has stopped answering.
        ASSERT_TRUE(silent.start()) << silent.lastError();
        ASSERT_TRUE(silent.pause());
        saved = {DefaultDevice, DefaultSecurity, DefaultTimeout};
        DefaultDevice = QsSNMPDevice{"127.0.0.1", silent.port()};
        DefaultSecurity.version = 1;
        DefaultSecurity.readCommunity = "lumpet";
        DefaultTimeout = 20;
        frontPanel = qs::CreateForm<TPanelKRS5428MX_Form>(form);
    }
    void TearDown() override {
        delete frontPanel;
        DefaultDevice = saved.device;
        DefaultSecurity = saved.security;
        DefaultTimeout = saved.timeout;
        PageSimTest::TearDown();
    }
    QStringList Names() const {
        QStringList out;
        for (int i = 0; i < list->ItemCount(); ++i) {
            out << list->Item(i)->SubItem(0);
        }
        return out;
    }

    SimProcess silent;
    struct {
        QsSNMPDevice device;
        QsSNMPSecurity security;
        int timeout = 0;
    } saved;
    TPanelKRS5428MX_Form* frontPanel = nullptr;
    TListView* list = nullptr;
};

// The page reads in blocking mode, so the read after the sub-form is a blocking request of the
// page operation that held it, the kind a time-out of that operation would skip.
TEST_F(PanelTick, TimingOutInsideAnAddSubFormLeavesThePagesReadAlone) {
    auto page = std::make_unique<TConfigForm>();
    page->SetCaption(QStringLiteral("Lab Rows: 127.0.0.1"));
    QsSNMPRequest2Edits* request = Aimed(page.get(), RowTable(), MVT_FMV, 1, "Lab Rows");
    request->Mode = RM_BLOCKING;
    TSNMPListViewPanel* panel = page->SetListViewPage(request, kStatus, "createAndGo", kStatus, "destroy");
    list = panel->ListPanel->ListView;
    std::uint64_t tickTimeouts = 0;
    QStringList afterAdd;
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return Names().size() == 2; }));
        OnSubForm([&](TForm*, TSNMPPanel* frame) {
            const std::uint64_t before = BlockingAction::Timeouts();
            frontPanel->Timer1Timer(nullptr); // the 5 s tick, fired in the sub-form's loop
            tickTimeouts = BlockingAction::Timeouts() - before;
            dynamic_cast<TEdit*>(panel->EditsPanel->Items[0].Control)->SetText(QStringLiteral("50"));
            dynamic_cast<TEdit*>(panel->EditsPanel->Items[kName].Control)->SetText(QStringLiteral("tick"));
            panel->EditsPanel->Items[kName].CheckBox->SetChecked(true);
            frame->BtnPanel->SetCheckedBtn->Click();
        });
        panel->BtnPanel->AddBtn->Click();
        afterAdd = Names(); // blocking: complete when Add returns
        for (int i = 0; i < list->ItemCount(); ++i) {
            if (list->Item(i)->SubItem(0) == QStringLiteral("tick")) {
                list->SetSelected(list->Item(i));
            }
        }
        panel->ListClick(list);
        messages.answers = {IDOK};
        panel->BtnPanel->DeleteBtn->Click(); // the table as the other tests expect it
    }));
    EXPECT_EQ(tickTimeouts, 1u);
    EXPECT_EQ(afterAdd, QStringList({"default", "mgmt", "tick"}));
    EXPECT_EQ(Sets(), QStringList({"2.1.2.50=STRING:tick 2.1.4.50=INTEGER:4", "2.1.4.50=INTEGER:6"}));
}

} // namespace
} // namespace qs::test
