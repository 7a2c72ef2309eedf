// A small table dialog built the way the feature dialogs are, run against krs-sim: a row's VLAN
// block shown as range text, its port list on a port picker tab, writes of the ticked columns
// only, a malformed range refused before anything is sent, and row deletion.

#include "DeviceModel.h"
#include "DialogHelpers.h"
#include "Edit.h"
#include "Exceptions.h"
#include "GuiTest.h"
#include "QsSNMPRequest2Controls.h"
#include "QsSNMPSession.h"
#include "SharedOptions.h"
#include "SimProcess.h"
#include "StatusBar.h"
#include "TBasicFormUnit.h"
#include "VlanBitmapText.h"
#include "stackingPortUitFormUnit.h"

#include <QElapsedTimer>
#include <filesystem>
#include <fstream>

namespace qs::test {
namespace {

const char* const kEntry = ".1.3.6.1.4.1.58613.99.1.1";

std::string Hex(std::size_t octets, const std::string& head) {
    return head + std::string(2 * octets - head.size(), '0');
}

// Walk-file octets: "E0 00 ..." for a hex text.
std::string WalkOctets(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        out += (i ? " " : "") + hex.substr(i, 2);
    }
    return out;
}

std::string SimData() {
    std::string d;
    const std::string e = kEntry;
    d += "@writable " + e + ".2 size=0..32\n@writable " + e + ".3 size=64..64\n";
    d += "@writable " + e + ".4 size=8..8\n@rowstatus " + e + ".5\n";
    d += e + ".2.1 = STRING: \"core\"\n" + e + ".2.2 = STRING: \"edge\"\n";
    d += e + ".3.1 = Hex-STRING: " + WalkOctets(Hex(64, "E8")) + "\n";
    d += e + ".3.2 = Hex-STRING: " + WalkOctets(Hex(64, "01")) + "\n";
    d += e + ".4.1 = Hex-STRING: " + WalkOctets(Hex(8, "C0")) + "\n";
    d += e + ".4.2 = Hex-STRING: " + WalkOctets(Hex(8, "00000001")) + "\n";
    d += e + ".5.1 = INTEGER: 1\n" + e + ".5.2 = INTEGER: 1\n";
    return d;
}

const QsOptionList& RowStatus() {
    static const QsOptionList list(RowStatusOptions, OVT_INT);
    return list;
}

enum Column { kInstance, kName, kBlock, kPorts, kStatus };

// The dialog's request: keeps every row the walk reads.
class BlockRequest : public QsSNMPRequest2Controls {
public:
    using QsSNMPRequest2Controls::QsSNMPRequest2Controls;
    std::vector<std::vector<std::string>> rows;

protected:
    void BeforeGet() override { rows.clear(); }
    void OnRow() override {
        std::vector<std::string>& row = rows.emplace_back();
        for (int i = 0; i < Request.List.GetCount(); ++i) {
            row.push_back(Request.List.GetVar(i)->Value);
        }
    }
};

// The demonstration dialog: name and VLAN block with include boxes, the port list on a picker
// tab, a status bar.
class TBlockDemoForm : public TBasicForm {
public:
    explicit TBlockDemoForm(std::uint16_t port) : TBasicForm(nullptr, QSize(560, 360)) {
        SetName(QStringLiteral("BlockDemoForm"));
        SetCaption(QStringLiteral("VLAN Blocks: ") + QString::fromStdString(DeviceAddressText));
        BuildControls();
        request.Request.Device = QsSNMPDevice{"127.0.0.1", port};
        request.Request.Security.version = 1;
        request.Request.Security.readCommunity = "lumpet";
        request.Request.Security.writeCommunity = "grindel";
        request.Request.Timeout = 50;
        static const QsSNMPVarDesc kColumns[] = {
            {" ", "Instance", SYN_INTEGER, ACC_NOTACCESS},
            {"1.3.6.1.4.1.58613.99.1.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
            {"1.3.6.1.4.1.58613.99.1.1.3", "Block", SYN_OCTETSTR, ACC_READWRITE},
            {"1.3.6.1.4.1.58613.99.1.1.4", "Ports", SYN_BITLIST, ACC_READWRITE},
            {"1.3.6.1.4.1.58613.99.1.1.5", "Status", SYN_INTEGER, ACC_READWRITE, &RowStatus()},
            {nullptr},
        };
        request.Request.List = QsSNMPVarList(kColumns, MVT_FMV, 1);
        request.SetStatusBar(status);
        AddIncludedColumn(nullptr, nullptr);
        AddIncludedColumn(nameCheck, nameEdit);
        AddIncludedColumn(blockCheck, blockEdit);
        AddIncludedColumn(nullptr, nullptr);
        AddIncludedColumn(nullptr, nullptr);
        ColumnCount = request.Request.List.GetCount();
        KeyCount = 1;
        RowStatusColumn = kStatus;
    }

    // Copies row r into the variables and shows it.
    void SelectRow(std::size_t r) {
        for (int i = 0; i < ColumnCount; ++i) {
            Var(i).Value = request.rows.at(r)[static_cast<std::size_t>(i)];
        }
        nameEdit->SetText(QString::fromStdString(Var(kName).Value));
        blockEdit->SetText(QString::fromStdString(HexBitmapToListText(Var(kBlock).Value, 0, false)));
        const std::string& ports = Var(kPorts).Value;
        for (std::size_t i = 0; i < picker->PortBoxes.size(); ++i) {
            const int octet = std::stoi(ports.substr(i / 8 * 2, 2), nullptr, 16);
            picker->PortBoxes[i]->SetChecked(octet & (0x80 >> (i % 8)));
        }
    }

    // Writes the ticked columns of the selected row; a malformed VLAN range is refused.
    bool SetClick() {
        std::string block = blockEdit->Text().toStdString();
        if (blockCheck->Checked() && !ListTextToHexBitmap(block)) {
            ShowMessage(QStringLiteral("Invalid VLAN list: ") + blockEdit->Text());
            blockEdit->SetFocus();
            return false;
        }
        Var(kName).Value = nameEdit->Text().toStdString();
        Var(kBlock).Value = block;
        Var(kPorts).Value = PortsHex();
        try {
            const ExcludedColumnsScope excluded(*this, &request);
            return request.Apply(false, false, std::string(), nullptr);
        } catch (const QsException& e) {
            status->SetSimpleText(QString::fromStdString(e.what()));
            return false;
        }
    }

    QsSNMPVar& Var(int i) { return *request.Request.List.GetVar(i); }

    TPageControl* pages = nullptr;
    TEdit* nameEdit = nullptr;
    TCheckBox* nameCheck = nullptr;
    TEdit* blockEdit = nullptr;
    TCheckBox* blockCheck = nullptr;
    TStackingPortUitForm* picker = nullptr;
    TStatusBar* status = nullptr;
    BlockRequest request{this};

private:
    template <class C> C* Make(TWinControl* parent, const char* name) {
        auto* c = new C(this, parent);
        c->SetName(QString::fromLatin1(name));
        return c;
    }
    void BuildControls() {
        status = Make<TStatusBar>(nullptr, "StatusBar");
        status->SetAlign(alBottom);
        pages = Make<TPageControl>(nullptr, "Pages");
        pages->SetAlign(alClient);
        auto* sheet = new TTabSheet(this, pages);
        sheet->SetName(QStringLiteral("SettingsSheet"));
        sheet->SetCaption(QStringLiteral("Settings"));
        nameCheck = Make<TCheckBox>(sheet, "NameCheck");
        nameEdit = Make<TEdit>(sheet, "NameEdit");
        blockCheck = Make<TCheckBox>(sheet, "BlockCheck");
        blockEdit = Make<TEdit>(sheet, "BlockEdit");
        nameEdit->SetBounds(30, 10, 200, 22);
        blockCheck->SetBounds(8, 40, 20, 20);
        blockEdit->SetBounds(30, 40, 400, 22);
        picker = new TStackingPortUitForm(this);
        AddPortPickerTab(QStringLiteral("Ports"), picker, pages);
    }
    std::string PortsHex() const {
        static const char kDigits[] = "0123456789ABCDEF";
        std::string hex;
        for (std::size_t octet = 0; octet < 8; ++octet) {
            int v = 0;
            for (std::size_t b = 0; b < 8; ++b) {
                v = v << 1 | (picker->PortBoxes[octet * 8 + b]->Checked() ? 1 : 0);
            }
            hex += kDigits[v >> 4];
            hex += kDigits[v & 15];
        }
        return hex;
    }
};

class DemoDialogTest : public GuiTest {
protected:
    static void SetUpTestSuite() {
        EnsureApplication();
        char session[] = "/tmp/krs-demo-session-XXXXXX";
        InitSnmpSession(::mkdtemp(session));
    }
    void SetUp() override {
        GuiTest::SetUp();
        char pattern[] = "/tmp/krs-demo-XXXXXX";
        dataDir = ::mkdtemp(pattern);
        SimOptions options;
        options.dataFile = dataDir + "/demo.walk";
        std::ofstream(options.dataFile) << SimData();
        options.args = extraArgs;
        sim = std::make_unique<SimProcess>(options);
        ASSERT_TRUE(sim->start()) << sim->lastError();
        dialog = std::make_unique<TBlockDemoForm>(sim->port());
        dialog->Show();
        ASSERT_TRUE(dialog->request.Refresh());
        WaitIdle();
        ASSERT_EQ(dialog->request.rows.size(), 2u) << dialog->status->SimpleText().toStdString();
        journalStart = sim->journal().size();
    }
    void TearDown() override {
        dialog.reset();
        sim.reset();
        std::filesystem::remove_all(dataDir);
        GuiTest::TearDown();
    }
    void WaitIdle() {
        QElapsedTimer clock;
        clock.start();
        while (dialog->request.Busy && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
    }
    // The requests krs-sim received since the set-up's read.
    std::vector<JournalRecord> Sent() const {
        const auto all = sim->journal();
        return {all.begin() + static_cast<std::ptrdiff_t>(journalStart), all.end()};
    }
    static std::vector<std::string> Oids(const JournalRecord& r) {
        std::vector<std::string> oids;
        for (const auto& vb : r.varbinds) {
            oids.push_back(vb.oid);
        }
        return oids;
    }

    std::vector<std::string> extraArgs;
    std::string dataDir;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<TBlockDemoForm> dialog;
    std::size_t journalStart = 0;
};

TEST_F(DemoDialogTest, ARowShowsItsBlockAsRangeTextAndItsPortsOnThePicker) {
    dialog->SelectRow(0);
    EXPECT_EQ(dialog->nameEdit->Text(), QStringLiteral("core"));
    EXPECT_EQ(dialog->blockEdit->Text(), QStringLiteral("1-3,5"));
    EXPECT_EQ(dialog->picker->CountCheckedPorts(), 2);
    EXPECT_TRUE(dialog->picker->PortBoxes[0]->Checked());
    EXPECT_TRUE(dialog->picker->PortBoxes[1]->Checked());
    dialog->SelectRow(1);
    EXPECT_EQ(dialog->blockEdit->Text(), QStringLiteral("8"));
    EXPECT_TRUE(dialog->picker->PortBoxes[31]->Checked());
}

TEST_F(DemoDialogTest, WritesOnlyTheTickedColumnsWithKeysPortsAndStatus) {
    dialog->SelectRow(0);
    dialog->nameCheck->SetChecked(false);
    dialog->nameEdit->SetText(QStringLiteral("renamed"));
    dialog->blockCheck->SetChecked(true);
    dialog->blockEdit->SetText(QStringLiteral("10-12,4000"));
    dialog->picker->PortBoxes[27]->SetChecked(true);
    dialog->request.Mode = RM_BLOCKING;
    ASSERT_TRUE(dialog->SetClick()) << dialog->status->SimpleText().toStdString();
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].pdu, "set");
    const std::string e = kEntry;
    EXPECT_EQ(Oids(sent[0]), (std::vector<std::string>{e + ".3.1", e + ".4.1", e + ".5.1"}));
    EXPECT_EQ(sent[0].errorStatus, "noError");
    EXPECT_EQ(sent[0].varbinds[1].value, "C0 00 00 10 00 00 00 00");
    for (int i = 0; i < dialog->ColumnCount; ++i) {
        EXPECT_FALSE(dialog->Var(i).Access & ACC_INVALID) << "marks cleared after the write";
    }
    dialog->request.Mode = RM_ASYNC;
    dialog->request.Refresh();
    WaitIdle();
    dialog->SelectRow(0);
    EXPECT_EQ(dialog->nameEdit->Text(), QStringLiteral("core")) << "the unticked name stayed";
    EXPECT_EQ(dialog->blockEdit->Text(), QStringLiteral("10-12,416"))
        << "4000 takes the place of 416 in a block";
}

TEST_F(DemoDialogTest, MalformedRangeIsRefusedBeforeAnythingIsSent) {
    dialog->SelectRow(0);
    dialog->blockCheck->SetChecked(true);
    dialog->blockEdit->SetText(QStringLiteral("5-3"));
    EXPECT_FALSE(dialog->SetClick());
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Invalid VLAN list: 5-3")});
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(dialog->blockEdit->Text(), QStringLiteral("5-3"));
}

TEST_F(DemoDialogTest, DeleteRowSendsOneSetOfTheStatusAndReadsAgain) {
    dialog->SelectRow(1);
    DeleteRow(&dialog->request, kStatus, "destroy");
    WaitIdle();
    ASSERT_EQ(messages.Texts(), QStringList{QStringLiteral("Are you sure to delete it?")});
    const auto sent = Sent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[0].pdu, "set");
    EXPECT_EQ(Oids(sent[0]), std::vector<std::string>{std::string(kEntry) + ".5.2"});
    EXPECT_EQ(sent[0].varbinds[0].value, "6");
    EXPECT_EQ(sent[1].pdu, "getnext") << "the table is read again";
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const auto& r) { return r.pdu == "set"; }), 1);
    EXPECT_EQ(dialog->request.rows.size(), 1u);
    EXPECT_EQ(dialog->request.Mode, RM_ASYNC) << "mode put back";
    for (int i = 0; i < dialog->ColumnCount; ++i) {
        EXPECT_FALSE(dialog->Var(i).Access & ACC_INVALID);
    }
}

TEST_F(DemoDialogTest, DeleteRowAnsweredWithCancelSendsAndReadsNothing) {
    dialog->SelectRow(1);
    messages.answers << IDCANCEL;
    DeleteRow(&dialog->request, kStatus, "destroy");
    WaitIdle();
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(dialog->request.rows.size(), 2u);
}

class DemoRefusingAgentTest : public DemoDialogTest {
protected:
    void SetUp() override {
        extraArgs = {"--set-error", std::string(kEntry) + ".5=genErr"};
        DemoDialogTest::SetUp();
    }
};

TEST_F(DemoRefusingAgentTest, DeleteRowReadsAgainAfterARefusedSet) {
    dialog->SelectRow(1);
    DeleteRow(&dialog->request, kStatus, "destroy");
    WaitIdle();
    ASSERT_EQ(messages.boxes.size(), 2) << "the question and the refusal";
    const auto sent = Sent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[0].errorStatus, "genErr");
    EXPECT_EQ(sent[1].pdu, "getnext");
    EXPECT_EQ(dialog->request.rows.size(), 2u);
    EXPECT_EQ(dialog->Var(kName).Access & ACC_INVALID, 0u);
}

TEST_F(DemoDialogTest, DeleteRowRefusesAStatusIndexOutsideTheList) {
    EXPECT_THROW(DeleteRow(&dialog->request, 9, "destroy"), EListError);
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
