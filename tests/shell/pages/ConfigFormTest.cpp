// The page host: its types, the posted first read, tabs, and its closing protocol.

#include "PageSimSupport.h"

#include <QElapsedTimer>
#include <QTimer>

namespace qs::test {
namespace {

class ConfigForm : public PageSimTest {
protected:
    int Requests(const char* pdu) const {
        int n = 0;
        const auto records = sim->journal();
        for (std::size_t i = journalStart; i < records.size(); ++i) {
            n += records[i].pdu == pdu ? 1 : 0;
        }
        return n;
    }
    std::unique_ptr<TConfigForm> page = std::make_unique<TConfigForm>();
};

std::string Raised(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

TEST_F(ConfigForm, TypeIsChosenOnce) {
    TSNMPEditorPanel* first = page->SetEditorPage(Aimed(page.get(), ScalarTable(), SVT_SV, 0, "A"));
    EXPECT_EQ(page->FormType, 1);
    const auto second = [&] { page->SetEditorPage(Aimed(page.get(), ScalarTable(), SVT_SV, 0, "B")); };
    EXPECT_EQ(Raised(second), "Can not change Type of a Config Form!");
    EXPECT_EQ(Raised([&] { page->MakePaged(); }), "Can not change Type of a Config Form!");
    EXPECT_EQ(Raised([&] { page->AddEditorPage("X", nullptr); }),
              "Can not add editor page to a none-page pannel!");
    EXPECT_EQ(Raised([&] { page->AddListViewPage("X", nullptr, -1, nullptr, -1, nullptr); }),
              "Can not add listview page to a none-page pannel!");
    EXPECT_EQ(page->FormType, 1);
    EXPECT_EQ(page->Requests.size(), 1u); // a refused request is freed at once
    EXPECT_EQ(first->HostForm, page.get());
}

TEST_F(ConfigForm, EmptyFormOpensAndReadsNothing) {
    ASSERT_TRUE(RunModal(page.get(), [] { QTest::qWait(50); }));
    page->MakePaged(); // a paged form without tabs reads nothing either
    ASSERT_TRUE(RunModal(page.get(), [] { QTest::qWait(50); }));
    EXPECT_TRUE(sim->journal().size() == journalStart);
}

TEST_F(ConfigForm, FirstReadRunsOnceInTheModalLoop) {
    TSNMPEditorPanel* panel = page->SetEditorPage(Aimed(page.get(), ScalarTable(), SVT_SV, 0, "A"));
    QCoreApplication::processEvents(); // no loop of the form yet: nothing is read
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return panel->StatusBar->SimpleText().startsWith("Get:"); }));
        QTest::qWait(50);
    }));
    EXPECT_EQ(Requests("get"), 1);
}

TEST_F(ConfigForm, FormDeletedBeforeShowingReadsNothing) {
    page->SetEditorPage(Aimed(page.get(), ScalarTable(), SVT_SV, 0, "A"));
    page.reset(); // the posted first read goes with the form
    QTest::qWait(50);
    EXPECT_EQ(Requests("get"), 0);
}

TEST_F(ConfigForm, EachTabSwitchReadsThatTabAfresh) {
    page->SetCaption(QStringLiteral("Tabs: 127.0.0.1"));
    page->MakePaged();
    TSNMPEditorPanel* a = page->AddEditorPage("Settings", Aimed(page.get(), ScalarTable(), SVT_SV, 0, "A"));
    TSNMPListViewPanel* b = page->AddListViewPage("Rows", Aimed(page.get(), RowTable(), MVT_FMV, 1, "B"), 3,
                                                  "createAndGo", 3, "destroy");
    EXPECT_EQ(page->PageControl->Pages(1)->Tag, 1);
    EXPECT_GE(page->ClientWidth(), b->Width());
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return a->StatusBar->SimpleText().startsWith("Get:"); }));
        EXPECT_EQ(Requests("getnext"), 0);
        page->PageControl->setCurrentIndex(1); // as the user's pick
        ASSERT_TRUE(WaitFor([&] { return !b->Request->Busy && b->ListPanel->ListView->ItemCount() == 2; }));
        EXPECT_FALSE(a->Request->Request.Active);
        EXPECT_EQ(page->ActiveRequest, b->Request);
        page->PageControl->setCurrentIndex(0);
        ASSERT_TRUE(WaitFor([&] { return Requests("get") == 2; }));
        EXPECT_FALSE(b->Request->Request.Active);
    }));
    EXPECT_EQ(Requests("get"), 2);
}

TEST_F(ConfigForm, TabPageSubFormCaptionHasTheSheetAndAnEmptyDevice) {
    page->MakePaged();
    TSNMPListViewPanel* b = page->AddListViewPage(
        "Packet Content Mask", Aimed(page.get(), RowTable(), MVT_FMV, 1, "B"), 3, "createAndGo", -1, nullptr);
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto* sub = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        ASSERT_NE(sub, nullptr);
        caption = sub->Caption();
        sub->Close();
    });
    b->ShowAddDialog();
    EXPECT_EQ(caption, "Packet Content Mask:  (Add)");
}

// A page shown without its own modal loop: the close arrives while its blocking read pumps
// messages between rows. It is carried out once the read has returned.
TEST_F(ConfigForm, CloseDuringABlockingReadWaitsForTheReadToReturn) {
    TSNMPListViewPanel* panel =
        page->SetListViewPage(Aimed(page.get(), RowTable(), MVT_FMV, 1, "B"), -1, nullptr, -1, nullptr);
    page->Show();
    QsSNMPRequest2Edits* request = panel->Request;
    request->Mode = RM_BLOCKING;
    bool requestsDuringRead = false;
    request->Request.List.Name = "B";
    panel->ListPanel->ListView->OnChange = [&](TObject*, TListItem*, TItemChange) {
        if (panel->ListPanel->ListView->ItemCount() == 1) {
            panel->BtnPanel->CloseBtn->Click(); // inside the read
            requestsDuringRead = !page->Requests.empty() && page->ClosePending();
        }
    };
    panel->BtnPanel->RefreshBtn->Click();
    EXPECT_TRUE(requestsDuringRead);
    EXPECT_EQ(panel->ListPanel->ListView->ItemCount(), 1); // the walk stopped at its next step
    ASSERT_TRUE(WaitFor([&] { return page->Requests.empty(); }));
    EXPECT_FALSE(page->isVisible());
}

// The same with an asynchronous walk: the close arrives inside the reply's row handling and is
// tried again once that has returned.
TEST_F(ConfigForm, CloseDuringAnAsynchronousRowIsRetriedAfterIt) {
    TSNMPListViewPanel* panel =
        page->SetListViewPage(Aimed(page.get(), RowTable(), MVT_FMV, 1, "B"), -1, nullptr, -1, nullptr);
    page->Show();
    bool insideRow = false;
    panel->ListPanel->ListView->OnChange = [&](TObject*, TListItem*, TItemChange) {
        if (panel->ListPanel->ListView->ItemCount() == 1 && panel->Request) {
            panel->BtnPanel->CloseBtn->Click();
            insideRow = panel->Request && panel->Request->InOperation() && page->isVisible();
        }
    };
    panel->BtnPanel->RefreshBtn->Click();
    ASSERT_TRUE(WaitFor([&] { return page->Requests.empty(); }));
    EXPECT_TRUE(insideRow);
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(panel->ListPanel->ListView->ItemCount(), 1);
}

} // namespace
} // namespace qs::test
