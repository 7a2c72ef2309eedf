// The IPv6 static route dialogs against krs-sim: the routes on opening, Add and Add Default with
// their exact SETs at the four-key instance (the metric only when filled in), the input checks
// that send nothing and keep the add dialog open, and Delete of the selected row alone.
#include "Ipv6StaticRouteForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "Ipv6StaticRouteEditForm.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

#include <QTimer>

namespace qs::test {
namespace {

const std::string kRoutes = ".1.3.6.1.4.1.58613.12.26.3.1.1.";

// The instance of a route: destination (16 sub-identifiers), prefix length, interface name with
// its length, next hop (16 sub-identifiers).
std::string Instance(const std::string& dst, int prefix, const std::string& name, const std::string& hop) {
    auto octets = [](const std::string& hex) {
        std::string out;
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            out += "." + std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
        }
        return out;
    };
    std::string text = octets(dst) + "." + std::to_string(prefix) + "." + std::to_string(name.size());
    for (const char c : name) {
        text += "." + std::to_string(static_cast<unsigned char>(c));
    }
    return text.substr(1) + octets(hop);
}

const std::string kZeros = "00000000000000000000000000000000";
const std::string kHop = "FE800000000000000000000000000009";

class Ipv6StaticRouteFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void SetUp() override {
        DialogSimTest::SetUp();
        Open();
    }
    void Open(std::vector<std::string> args = {}) {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TIpv6StaticRouteForm>(nullptr);
        dialog->Show();
        Mark();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    // Runs fill in the add dialog once it is shown and presses Set; closes it if it stays open.
    void AddWith(bool defaultRoute, std::function<void(TIpv6StaticRouteEditForm&)> fill) {
        stayedOpen = false;
        QTimer::singleShot(0, [this, fill] {
            TIpv6StaticRouteEditForm* editor = Ipv6StaticRouteEditForm;
            if (editor == nullptr || !editor->isVisible()) {
                return;
            }
            caption = editor->Caption();
            fill(*editor);
            editor->btnSet->Click();
            stayedOpen = editor->ModalResult() == mrNone;
            hopAfterSet = editor->edtNextHop->Text();
            if (stayedOpen) {
                editor->btnClose->Click();
            }
        });
        defaultRoute ? dialog->btnAddDefault->Click() : dialog->btnAddClick();
    }
    void Select(int row) { dialog->ListView1->SetSelected(dialog->ListView1->Item(row)); }

    TIpv6StaticRouteForm* dialog = nullptr;
    QString caption;
    QString hopAfterSet; // the next hop in the add dialog after its Set
    bool stayedOpen = false;
};

TEST_F(Ipv6StaticRouteFormTest, OpeningListsTheRoutes) {
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ColumnCount(), 7);
    const char* titles[] = {"Destination", "Prefix Length", "Interface Name", "Next Hop",
                            "Metric",      "Protocol",      "Status"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(list->ColumnCaption(i), QLatin1String(titles[i]));
    }
    ASSERT_EQ(list->ItemCount(), 3);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("3"));
    const TListItem* route = list->Item(1);
    EXPECT_EQ(route->Caption(), QStringLiteral("20010DB8000000010000000000000000"));
    const QStringList cells = {"64", "System", "FE800000000000000000000000000001", "1", "static", "active"};
    for (int i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(route->SubItem(i), cells[i]) << i;
    }
    EXPECT_FALSE(dialog->btnDelete->Enabled());
    EXPECT_FALSE(dialog->btnAdd->isVisible());
    EXPECT_TRUE(dialog->StatusOut().Text().startsWith(QStringLiteral("Get: Ok!")));
    Select(0);
    EXPECT_TRUE(dialog->btnDelete->Enabled());
    Screenshot(dialog, "Ipv6StaticRouteForm");
}

TEST_F(Ipv6StaticRouteFormTest, AddsARouteOrTheDefaultRoute) {
    struct Case {
        bool defaultRoute;
        const char* dst;
        const char* prefix;
        const char* metric;
        std::string set;
        const char* hop = "FE800000000000000000000000000009";
    };
    const std::string dst = "20010DB8000000300000000000000000";
    const std::string mapped = "00000000000000000000FFFF0A000001";
    const std::string hop10 = "20010DB8000000000000000000000010";
    const Case cases[] = {
        {true, "", "", "7",
         "5." + Instance(kZeros, 0, "System", kHop) + "=INTEGER:7 8." + Instance(kZeros, 0, "System", kHop) +
             "=INTEGER:4"},
        {true, "", "", "", "8." + Instance(kZeros, 0, "System", kHop) + "=INTEGER:4"},
        {false, "20010db8000000300000000000000000", "56", "65535",
         "5." + Instance(dst, 56, "System", kHop) + "=INTEGER:65535 8." + Instance(dst, 56, "System", kHop) +
             "=INTEGER:4"},
        // The text forms of IPv6 addresses, sent as the 16 octets they name.
        {false, "2001:db8:0:30::", "56", "", "8." + Instance(dst, 56, "System", kHop) + "=INTEGER:4",
         "fe80::9"},
        {false, "::ffff:10.0.0.1", "128", "", "8." + Instance(mapped, 128, "System", hop10) + "=INTEGER:4",
         " 2001:db8::10 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        Open();
        AddWith(c.defaultRoute, [&](TIpv6StaticRouteEditForm& e) {
            EXPECT_EQ(e.cbxStatus->Text(), QStringLiteral("createAndGo"));
            EXPECT_FALSE(e.cbxStatus->isEnabled());
            EXPECT_EQ(e.edtDst->isEnabled(), !c.defaultRoute);
            if (c.defaultRoute) {
                EXPECT_EQ(e.edtDst->Text(), QString::fromStdString(kZeros));
                EXPECT_EQ(e.edtPrefix->Text(), QStringLiteral("0"));
                Screenshot(&e, "Ipv6StaticRouteEditForm");
            } else {
                e.edtDst->SetText(QString::fromLatin1(c.dst));
                e.edtPrefix->SetText(QString::fromLatin1(c.prefix));
            }
            e.edtInterface->SetText(QStringLiteral("System"));
            e.edtNextHop->SetText(QString::fromLatin1(c.hop));
            e.edtMetric->SetText(QString::fromLatin1(c.metric));
        });
        EXPECT_FALSE(stayedOpen);
        EXPECT_EQ(caption, c.defaultRoute ? QStringLiteral("IPv6 Static Route(Add default): ")
                                          : QStringLiteral("IPv6 Static Route(Add): "));
        EXPECT_EQ(Sets(kRoutes), std::vector<std::string>{c.set});
        EXPECT_EQ(dialog->ListView1->ItemCount(), 4) << "read again";
        EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("4"));
        EXPECT_EQ(dialog->RouteRequest->Request.List.GetVar(TIpv6StaticRouteForm::kMetric)->Access,
                  unsigned{ACC_READWRITE});
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
    }
}

TEST_F(Ipv6StaticRouteFormTest, RefusedRoutesSendNothingAndKeepTheAddDialogOpen) {
    struct Case {
        bool defaultRoute;
        const char* dst;
        const char* prefix;
        const char* hop;
        const char* metric;
        const char* message;
    };
    const char* hop = "FE800000000000000000000000000009";
    const char* invalid = "Please input a valid IPv6 address";
    const Case cases[] = {
        {false, "", "64", hop, "", "Please Set Destination Address"},
        {false, "20010DB800000030000000000000000", "64", hop, "", invalid},
        {false, "20010DB80000003000000000000000000", "64", hop, "", invalid},
        {false, "2001:0DB8:0000:0030:0000:0000:0000", "64", hop, "", invalid},
        {false, "20010DB8000000300000000000000000", "", hop, "", "Please Set Prefix length"},
        {false, "20010DB8000000300000000000000000", "129", hop, "", "Prefix should between 0-128"},
        {false, "20010DB8000000300000000000000000", "64", "", "", "Please Set Next Hop Address"},
        {true, "", "", "FE80000000000000000000000000000G", "", invalid},
        {false, hop, "64", hop, "", "Duplicate IP address, Please input a valid Next Hop"},
        {false, "fe80::9", "64", hop, "", "Duplicate IP address, Please input a valid Next Hop"},
        {true, "", "", "fe80::9%eth0", "", invalid},
        {true, "", "", "fe80:::9", "", invalid},
        {true, "", "", hop, "0", "Metric should between 1-65535"},
        {true, "", "", hop, "65536", "Metric should between 1-65535"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.message) + " " + c.dst + " " + c.hop);
        messages.boxes.clear();
        Mark();
        AddWith(c.defaultRoute, [&](TIpv6StaticRouteEditForm& e) {
            if (!c.defaultRoute) {
                e.edtDst->SetText(QString::fromLatin1(c.dst));
                e.edtPrefix->SetText(QString::fromLatin1(c.prefix));
            }
            e.edtInterface->SetText(QStringLiteral("System"));
            e.edtNextHop->SetText(QString::fromLatin1(c.hop));
            e.edtMetric->SetText(QString::fromLatin1(c.metric));
        });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(Ipv6StaticRouteFormTest, DeleteDestroysTheSelectedRouteEvenAfterAnAbandonedAdd) {
    dialog->btnDelete->SetEnabled(true);
    dialog->btnDelete->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Choose the item first.")});
    EXPECT_FALSE(dialog->btnDelete->Enabled());
    Select(1);
    QTimer::singleShot(0, [] {
        if (Ipv6StaticRouteEditForm != nullptr) {
            Ipv6StaticRouteEditForm->edtInterface->SetText(QStringLiteral("other"));
            Ipv6StaticRouteEditForm->btnClose->Click();
        }
    });
    dialog->btnAddDefault->Click();
    Mark();
    dialog->btnDelete->Click();
    const std::string row =
        Instance("20010DB8000000010000000000000000", 64, "System", "FE800000000000000000000000000001");
    EXPECT_EQ(Sets(kRoutes), std::vector<std::string>{"8." + row + "=INTEGER:6"});
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("2"));
    EXPECT_FALSE(dialog->btnDelete->Enabled());
    EXPECT_EQ(dialog->RouteRequest->Request.List.GetVar(TIpv6StaticRouteForm::kMetric)->Access,
              unsigned{ACC_READWRITE});
}

// The add dialog stays open with what was typed, so the user can correct it and send again.
TEST_F(Ipv6StaticRouteFormTest, ARefusedAddIsShownKeepsTheAddDialogOpenAndTheTableIsReadAgain) {
    Open({"--set-error", kRoutes + "8=noCreation"});
    AddWith(true, [](TIpv6StaticRouteEditForm& e) {
        e.edtInterface->SetText(QStringLiteral("System"));
        e.edtNextHop->SetText(QString::fromStdString(kHop));
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(hopAfterSet, QString::fromStdString(kHop));
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.Texts()[0], QStringLiteral("(SNMP) Cannot create variable, Creation Not Allowed!"));
    EXPECT_EQ(Pdus().back(), "getnext");
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3);
}

TEST_F(Ipv6StaticRouteFormTest, AFailedReadIsShown) {
    Open({"--no-answer"});
    EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive))
        << dialog->StatusOut().Text().toStdString();
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("0"));
    dialog->Close();
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
} // namespace qs::test
