// TListView's rows added complete, the way a walk fills a list: counted and reachable at once, in
// order, and put into the view as one insertion per batch.

#include "ListView.h"
#include "GuiTest.h"

#include <QSignalSpy>

namespace qs::test {
namespace {

class ListRows : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        list = new TListView(form);
        list->SetName(QStringLiteral("List1"));
        list->AddColumn(QStringLiteral("Name"));
        list->AddColumn(QStringLiteral("Value"));
        list->SetBounds(0, 0, 200, 200);
        list->OnChange = [this](TObject*, TListItem* item, TItemChange) {
            ++changes;
            last = item;
        };
        form->Show();
    }
    void Add(int n) {
        for (int i = 0; i < n; ++i) {
            const int r = list->ItemCount();
            list->AddItem({QStringLiteral("r%1").arg(r), QStringLiteral("v%1").arg(r)});
        }
    }
    bool InView(int n) const {
        return QTest::qWaitFor([&] { return list->topLevelItemCount() == n; }, 5000);
    }

    TListView* list = nullptr;
    TListItem* last = nullptr;
    int changes = 0;
};

TEST_F(ListRows, RowsAddedTogetherReachTheViewInOneInsertion) {
    QSignalSpy inserted(list->model(), &QAbstractItemModel::rowsInserted);
    Add(500);
    EXPECT_EQ(list->ItemCount(), 500);
    EXPECT_EQ(changes, 500) << "one change event per row, as each row is added";
    ASSERT_TRUE(InView(500));
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 499);
    EXPECT_EQ(list->Item(499)->SubItem(0), "v499");
}

TEST_F(ListRows, RowsNotYetInTheViewKeepTheirPlace) {
    Add(3);
    EXPECT_EQ(last->Index(), 2);
    EXPECT_EQ(last->Caption(), "r2");
    list->AddItem()->SetCaption(QStringLiteral("own")); // an item added empty comes after them
    ASSERT_EQ(list->ItemCount(), 4);
    EXPECT_EQ(list->topLevelItemCount(), 4);
    QStringList captions;
    for (int i = 0; i < list->ItemCount(); ++i) {
        captions << list->Item(i)->Caption();
    }
    EXPECT_EQ(captions, QStringList({"r0", "r1", "r2", "own"}));
}

TEST_F(ListRows, AnItemAskedForOrSelectedIsInTheView) {
    QStringList log;
    list->OnSelectItem = [&](TObject*, TListItem* item, bool on) {
        log << QStringLiteral("%1,%2").arg(item->Caption()).arg(on);
    };
    Add(4);
    TListItem* third = list->Item(2);
    EXPECT_EQ(third->treeWidget(), list);
    EXPECT_TRUE(list->visualItemRect(third).isValid());
    Add(2);
    list->SetSelected(last);
    EXPECT_EQ(list->Selected(), last);
    EXPECT_EQ(last->Index(), 5);
    EXPECT_EQ(log, QStringList({"r5,1"}));
}

TEST_F(ListRows, ClearingDropsRowsNotYetInTheView) {
    Add(2);
    ASSERT_TRUE(InView(2));
    list->SetSelected(list->Item(0));
    Add(3);
    list->ClearItems();
    EXPECT_EQ(list->ItemCount(), 0);
    Pump();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    Add(1);
    EXPECT_EQ(list->Item(0)->Caption(), "r0");
    EXPECT_EQ(list->Selected(), nullptr);
}

} // namespace
} // namespace qs::test
