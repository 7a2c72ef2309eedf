// The CoS bandwidth dialog against krs-sim: unlimited rows listed as "No Limit", the one blocking
// SET of the selected row's rate (0 for no limit) followed by a new walk, the rate checks that
// send nothing, the walk-complete flag with its two wordings, Stop, and failures shown.
#include "Button.h"
#include "CheckBox.h"
#include "CoSBrandwidthctrlForm.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const std::string kCos = ".1.3.6.1.4.1.58613.12.61.3.9.1.";

class CoSBandwidthFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> args = {}) {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TCoSBrandwidthctrlForm>(nullptr);
        dialog->Show();
    }
    void OpenAndWait(std::vector<std::string> args = {}) {
        Open(std::move(args));
        Settle();
        Mark();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] {
            return dialog->WalkComplete.Ready() && !dialog->RateRequest->Busy &&
                   !dialog->ListView1->ItemsPending();
        }));
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    TListItem* Row(const char* port, const char* cos) const {
        for (int i = 0; i < dialog->ListView1->ItemCount(); ++i) {
            TListItem* item = dialog->ListView1->Item(i);
            if (item->Caption() == QLatin1String(port) && item->SubItem(0) == QLatin1String(cos)) {
                return item;
            }
        }
        return nullptr;
    }
    void Select(const char* port, const char* cos) {
        TListItem* item = Row(port, cos);
        ASSERT_NE(item, nullptr) << port << "." << cos;
        dialog->ListView1->SetSelected(item);
        dialog->ListView1Click();
    }

    TCoSBrandwidthctrlForm* dialog = nullptr;
};

TEST_F(CoSBandwidthFormTest, OpeningListsEveryPortAndClassWithUnlimitedRowsAsNoLimit) {
    OpenAndWait();
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ColumnCount(), 3);
    EXPECT_EQ(list->ColumnCaption(0), QStringLiteral("CoS Bandwidth Port"));
    EXPECT_EQ(list->ColumnCaption(1), QStringLiteral("CoS Bandwidth CoS ID"));
    EXPECT_EQ(list->ColumnCaption(2), QStringLiteral("CoS Bandwidth Maximum Rate"));
    EXPECT_EQ(list->ItemCount(), 28 * 8);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("224"));
    EXPECT_EQ(Row("1", "0")->SubItem(1), QStringLiteral("1024"));
    EXPECT_EQ(Row("1", "1")->SubItem(1), QStringLiteral("No Limit"));
    EXPECT_EQ(Row("5", "5")->SubItem(1), QStringLiteral("1024000"));
    EXPECT_FALSE(dialog->EditButton->Enabled());
    EXPECT_FALSE(dialog->Label1->Enabled());
    Select("2", "3");
    EXPECT_EQ(dialog->PortText->Caption(), QStringLiteral("2"));
    EXPECT_EQ(dialog->ClassIDText->Caption(), QStringLiteral("3"));
    EXPECT_EQ(dialog->rateEdit->Text(), QStringLiteral("64000"));
    Screenshot(dialog, "CoSBrandwidthctrlForm");
}

TEST_F(CoSBandwidthFormTest, SetSendsTheSelectedRowsRateAndWalksAgain) {
    struct Case {
        const char* what;
        const char* port;
        const char* cos;
        int noLimit;       // -1 as selected, 0 untick, 1 tick
        const char* typed; // null: as selected
        const char* set;
    };
    const Case cases[] = {
        {"an unlimited row as selected", "1", "1", -1, nullptr, "4.1.1=INTEGER:0"},
        {"the lowest rate", "1", "0", -1, "64", "4.1.0=INTEGER:64"},
        {"the highest rate", "24", "1", -1, "1024000", "4.24.1=INTEGER:1024000"},
        {"leading zeros dropped", "2", "3", -1, "0100", "4.2.3=INTEGER:100"},
        {"no limit ticked", "5", "5", 1, nullptr, "4.5.5=INTEGER:0"},
        {"no limit unticked", "7", "2", 0, "5000", "4.7.2=INTEGER:5000"},
    };
    OpenAndWait();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Mark();
        Select(c.port, c.cos);
        if (c.noLimit >= 0) {
            dialog->NOLIMITRBT->SetChecked(c.noLimit == 1);
        }
        if (c.typed) {
            dialog->rateEdit->SetText(QString::fromLatin1(c.typed));
        }
        dialog->EditButton->Click();
        Settle();
        EXPECT_EQ(Sets(kCos), std::vector<std::string>{c.set});
        ASSERT_GE(Pdus().size(), 2u);
        EXPECT_EQ(Pdus()[1], "getnext") << "walked again";
        EXPECT_EQ(dialog->ListView1->ItemCount(), 224);
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
    }
    EXPECT_EQ(Row("5", "5")->SubItem(1), QStringLiteral("No Limit"));
    EXPECT_EQ(Row("2", "3")->SubItem(1), QStringLiteral("100"));
}

TEST_F(CoSBandwidthFormTest, NoLimitDisablesTheRateAndSelectingAnUnlimitedRowTicksIt) {
    OpenAndWait();
    Select("1", "1");
    EXPECT_TRUE(dialog->NOLIMITRBT->Checked());
    EXPECT_FALSE(dialog->rateEdit->isEnabled());
    EXPECT_EQ(dialog->rateEdit->Text(), QStringLiteral("0"));
    Select("1", "0");
    EXPECT_FALSE(dialog->NOLIMITRBT->Checked());
    EXPECT_TRUE(dialog->rateEdit->isEnabled());
    EXPECT_EQ(dialog->rateEdit->Text(), QStringLiteral("1024"));
    dialog->NOLIMITRBT->SetChecked(true);
    EXPECT_EQ(dialog->rateEdit->Text(), QStringLiteral("0"));
    dialog->NOLIMITRBT->SetChecked(false);
    EXPECT_TRUE(dialog->rateEdit->Text().isEmpty());
    EXPECT_TRUE(dialog->rateEdit->isEnabled());
}

TEST_F(CoSBandwidthFormTest, RefusedRatesSendNothing) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const char* const range = "Please input a number between 64 and 1024000!";
    const Case cases[] = {
        {"63", range},  {"1024001", range},   {"0", range},  {"", "Please input a rate number!"},
        {"12k", range}, {"1.2.3.4.5", range}, {"zz", range}, {"99999999999999999999", range},
    };
    OpenAndWait();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        messages.boxes.clear();
        Mark();
        Select("1", "0");
        dialog->rateEdit->SetText(QString::fromLatin1(c.typed));
        dialog->EditButton->Click();
        QTest::qWait(50);
        EXPECT_TRUE(Sent().empty());
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(dialog->WalkComplete.Ready());
    }
    dialog->ListView1->SetSelected(nullptr);
    dialog->ListView1Click();
    messages.boxes.clear();
    dialog->EditButton->Click(); // disabled without a row; its handler does nothing either
    dialog->EditButtonClick();
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_TRUE(Sent().empty());
}

TEST_F(CoSBandwidthFormTest, WhileAWalkRunsRefreshAndSetAreRefusedUntilStop) {
    Open({"--delay", "100"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() >= 2; }));
    Select("1", "0");
    dialog->GetButton->Click();
    dialog->EditButton->Click();
    EXPECT_EQ(messages.Texts(), (QStringList{QStringLiteral("Get data not complete!"),
                                             QStringLiteral("Get data not complete")}));
    dialog->StopButton->Click();
    EXPECT_TRUE(dialog->WalkComplete.Ready()) << "Stop raises the flag at once";
    ASSERT_TRUE(WaitFor([this] { return !dialog->RateRequest->Busy; }));
    EXPECT_LT(dialog->ListView1->ItemCount(), 224);
    EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("Stop, SNMP Request is not active.")));
    Select("1", "0");
    Mark();
    dialog->rateEdit->SetText(QStringLiteral("2048"));
    dialog->EditButton->Click();
    EXPECT_EQ(Sets(kCos), std::vector<std::string>{"4.1.0=INTEGER:2048"});
    dialog->StopButton->Click();
    ASSERT_TRUE(WaitFor([this] { return !dialog->RateRequest->Busy; }));
    messages.boxes.clear();
    dialog->GetButton->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_FALSE(dialog->WalkComplete.Ready());
    dialog->CloseButton->Click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->RequestsEnded());
}

TEST_F(CoSBandwidthFormTest, FailuresAreShown) {
    Open({"--no-answer"});
    ASSERT_TRUE(WaitFor([this] { return dialog->WalkComplete.Ready(); }));
    EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive))
        << dialog->StatusOut().Text().toStdString();
    OpenAndWait({"--set-error", kCos + "4.1.0=genErr"});
    Select("1", "0");
    dialog->rateEdit->SetText(QStringLiteral("128"));
    dialog->EditButton->Click();
    Settle();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.Texts()[0], QStringLiteral("(SNMP) Cannot perform operation, General Error!"));
    EXPECT_EQ(Pdus()[1], "getnext") << "walked again all the same";
}

} // namespace
} // namespace qs::test
