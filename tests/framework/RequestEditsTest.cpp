// The request-to-edits driver without an agent: bindings and their errors, the chained change
// handlers, bits of check boxes, list-view rows with marks set, port-list edits and check boxes
// through option lists.

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Exceptions.h"
#include "GuiTest.h"
#include "Label.h"
#include "QsException.h"
#include "QsSNMPRequest2Edits.h"
#include "RadioGroup.h"

namespace qs::test {
namespace {

const QsOption kEnabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOption kPrefixes[] = {{"1.3.6", "internet"}, {}};
const QsOptionList kEnabledList(kEnabled, OVT_INT);
const QsOptionList kPrefixList(kPrefixes, OVT_PREFIX);

const QsSNMPVarDesc kVars[] = {
    {"1.3.6.1.4.1.99999.1", "Mode", SYN_INTEGER, ACC_READWRITE, &kEnabledList},
    {"1.3.6.1.4.1.99999.2", "Flags", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.3", "Ports", SYN_BITLIST, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.4", "Plain", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.5", "Uptime", SYN_TIMETICKS, ACC_READONLY},
    {"1.3.6.1.4.1.99999.6", "Oid", SYN_OBJECTID, ACC_READWRITE, &kPrefixList},
    {"1.3.6.1.4.1.99999.7", "Since", SYN_BCDATETIME, ACC_READWRITE},
    {"1.3.6.1.4.1.99999.8", "Flag", SYN_BOOLEAN, ACC_READWRITE},
    {nullptr},
};
enum { kMode, kFlags, kPorts, kPlain, kUptime, kOid, kSince, kFlag };

// Opens the protected steps for the tests.
class Edits : public QsSNMPRequest2Edits {
public:
    using QsSNMPRequest2Edits::CollectValues;
    using QsSNMPRequest2Edits::QsSNMPRequest2Edits;
};

int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const QsException& e) {
        return e.helpContext;
    }
    return 1;
}

class RequestEdits : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        driver = std::make_unique<Edits>(form);
        driver->Request.List = QsSNMPVarList(kVars, SVT_SV, 0);
    }
    std::string& Value(int i) { return driver->Request.List.GetVar(i)->Value; }
    template <class T> T* Make(const char* name) {
        auto* c = new T(form);
        c->SetName(QString::fromLatin1(name));
        return c;
    }
    std::vector<TCheckBox*> Boxes(int n) {
        std::vector<TCheckBox*> out;
        for (int i = 0; i < n; ++i) {
            out.push_back(Make<TCheckBox>(("chkBit" + std::to_string(i)).c_str()));
        }
        return out;
    }

    std::unique_ptr<Edits> driver;
};

TEST_F(RequestEdits, BindEditsTakesOneEditPerConversion) {
    std::vector<TEdit*> edits;
    for (int i = 0; i < 5; ++i) {
        edits.push_back(Make<TEdit>(("edtPart" + std::to_string(i)).c_str()));
    }
    driver->BindEdits(kPlain, "%i.%i.%i.%i", edits);
    ASSERT_EQ(driver->AssociationCount(), 1);
    EXPECT_EQ(driver->Association(0).ControlCount(), 4);
    EXPECT_EQ(CodeOf([&] { driver->BindEdits(kFlags, "%h.%h", {edits[4]}); }), -522);
    EXPECT_EQ(driver->AssociationCount(), 1);
}

TEST_F(RequestEdits, OptionalControlsNeedAUsableOptionList) {
    EXPECT_EQ(CodeOf([&] { driver->BindComboBox(kPlain, Make<TComboBox>("cbPlain")); }), -520);
    EXPECT_EQ(CodeOf([&] { driver->BindComponent(kPlain, Make<TRadioGroup>("rgPlain")); }), -520);
    EXPECT_EQ(CodeOf([&] { driver->BindComboBox(kOid, Make<TComboBox>("cbOid")); }), -522);
    EXPECT_EQ(driver->AssociationCount(), 0);
    auto* combo = Make<TComboBox>("cbMode");
    driver->BindComboBox(kMode, combo);
    EXPECT_EQ(combo->Items().ToList(), QStringList({"enabled", "disabled"}));
    EXPECT_EQ(combo->Style(), csDropDownList);
}

TEST_F(RequestEdits, BoundControlsKeepTheirOwnHandlers) {
    auto* combo = Make<TComboBox>("cbMode");
    int changes = 0;
    combo->OnChange = [&](TObject* s) { changes += s == combo ? 1 : 100; };
    driver->BindComboBox(kMode, combo);
    qs::Fire(combo->OnChange, static_cast<TObject*>(combo));
    qs::Fire(combo->OnChange, static_cast<TObject*>(combo));
    EXPECT_EQ(changes, 2);
    driver->Unbind(kPlain); // nothing bound: nothing changes
    EXPECT_EQ(driver->AssociationCount(), 1);
    driver->Unbind(kMode);
    EXPECT_EQ(driver->AssociationCount(), 0);
    qs::Fire(combo->OnChange, static_cast<TObject*>(combo));
    EXPECT_EQ(changes, 3);
}

TEST_F(RequestEdits, ControlsThatOutliveTheRequestGetTheirHandlersBack) {
    auto* box = Make<TCheckBox>("chkFlag");
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    driver->BindComponent(kFlag, box);
    driver->BindComponent(kFlag, box); // bound again: replaces the first binding
    EXPECT_EQ(driver->AssociationCount(), 1);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    driver.reset();
    box->SetChecked(false);
    EXPECT_EQ(clicks, 2);
}

TEST_F(RequestEdits, BitBoxesShowAndBuildTheirBytes) {
    const std::vector<TCheckBox*> boxes = Boxes(8);
    driver->BindCheckBoxes(kFlags, "3,5", boxes);
    ASSERT_EQ(driver->Association(0).ControlCount(), 2);
    Value(kFlags) = "14";
    boxes[0]->SetEnabled(false);
    driver->ShowValues(-1);
    EXPECT_TRUE(boxes[0]->Checked()) << "a disabled box still shows its bit";
    EXPECT_FALSE(boxes[0]->Enabled());
    EXPECT_TRUE(boxes[1]->Checked());
    Value(kFlags) = "FF";
    driver->ReadControls(kFlags);
    EXPECT_EQ(Value(kFlags), "14") << "unbound bits of the byte are cleared";
}

TEST_F(RequestEdits, BitBeyondTheValueRaisesWhenShownAndExtendsWhenRead) {
    const std::vector<TCheckBox*> boxes = Boxes(1);
    driver->BindCheckBoxes(kFlags, "9", boxes);
    Value(kFlags) = "FF";
    EXPECT_EQ(CodeOf([&] { driver->ShowValues(kFlags); }), -519);
    boxes[0]->SetChecked(true);
    driver->ReadControls(kFlags);
    EXPECT_EQ(Value(kFlags), "0040"); // two bytes now; the part covers byte 0 too
    EXPECT_THROW(driver->BindCheckBoxes(kFlags, "0,1,2", Boxes(2)), EListError);
}

struct BoxCase {
    const char* name;
    int var;
    const char* value;
    int result; // 1 checked, 0 unchecked, else the error code
};

class CheckBoxValues : public RequestEdits, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(CheckBoxValues, ShowTheValueOrRaise) {
    const BoxCase& c = GetParam();
    auto* box = Make<TCheckBox>("chkValue");
    driver->BindComponent(c.var, box);
    Value(c.var) = c.value;
    const int code = CodeOf([&] { driver->ShowValues(-1); });
    EXPECT_EQ(code == 1 ? (box->Checked() ? 1 : 0) : code, c.result);
}

// The first entry of a check box's list means unchecked, whatever its meaning.
INSTANTIATE_TEST_SUITE_P(
    Kinds, CheckBoxValues,
    ::testing::Values(BoxCase{"FirstEntry", kMode, "enabled", 0},
                      BoxCase{"SecondEntry", kMode, "disabled", 1}, BoxCase{"ByValue", kMode, "2", 1},
                      BoxCase{"Unknown", kMode, "7", 0}, BoxCase{"BooleanTrue", kFlag, "true", 1},
                      BoxCase{"BooleanOther", kFlag, "yes", 0}, BoxCase{"NoListNoFlag", kPlain, "1", -517}),
    [](const ::testing::TestParamInfo<BoxCase>& p) { return std::string(p.param.name); });

TEST_F(RequestEdits, ReadOnlyLabelsAreShownButNotReadBack) {
    auto* label = Make<TLabel>("lblUptime");
    driver->BindLabel(kUptime, label);
    Value(kUptime) = "1 day 0:00:00.00";
    driver->ShowValues(-1);
    EXPECT_EQ(label->Caption(), "1 day 0:00:00.00");
    label->SetCaption("changed");
    driver->ReadControls(-1);
    EXPECT_EQ(Value(kUptime), "1 day 0:00:00.00");
}

TEST_F(RequestEdits, MarkersShowInASingleEditWithoutRaising) {
    auto* since = Make<TEdit>("edtSince");
    driver->BindEdits(kSince, "%s", {since});
    Value(kSince) = "(NOTDONE)";
    driver->ShowValues(-1);
    EXPECT_EQ(since->Text(), "(NOTDONE)");
    auto* panel = Make<TButton>("btnOdd");
    driver->BindComponent(kPlain, panel);
    EXPECT_EQ(CodeOf([&] { driver->ShowValues(kPlain); }), -521);
}

TEST_F(RequestEdits, PortListEditsKeepTheWidthOfTheValueTheyShowed) {
    auto* ports = Make<TEdit>("edtPorts");
    driver->BindEdits(kPorts, "%s", {ports});
    Value(kPorts) = "E8000000";
    driver->ShowValues(-1);
    EXPECT_EQ(ports->Text(), "1-3,5");
    ports->SetText("1-3,28");
    driver->CollectValues(); // empties the values first: the shown width still holds
    EXPECT_EQ(Value(kPorts), "E0000010");
    ports->SetText("0");
    driver->CollectValues();
    EXPECT_EQ(Value(kPorts), "00000000");
    ports->SetText("33");
    EXPECT_EQ(CodeOf([&] { driver->CollectValues(); }), -518);
}

TEST_F(RequestEdits, PortListEditWithoutAShownValueSizesTheMapToThePorts) {
    auto* ports = Make<TEdit>("edtPorts");
    driver->BindEdits(kPorts, "%s", {ports});
    ports->SetText("1-3,10");
    driver->CollectValues();
    EXPECT_EQ(Value(kPorts), "E040");
    ports->SetText("");
    EXPECT_EQ(CodeOf([&] { driver->CollectValues(); }), -518) << "no width is known for an empty map";
}

TEST_F(RequestEdits, ComboWithNothingSelectedIsAnInputError) {
    auto* combo = Make<TComboBox>("cbMode");
    driver->BindComboBox(kMode, combo);
    Value(kMode) = "7"; // not in the list: nothing selected
    driver->ShowValues(-1);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(CodeOf([&] { driver->CollectValues(); }), -518);
}

class ListRows : public RequestEdits {
protected:
    void SetUp() override {
        RequestEdits::SetUp();
        static const QsSNMPVarDesc kRows[] = {
            {"1.3.6.1.4.1.99999.9.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
            {"1.3.6.1.4.1.99999.9.2", "Ports", SYN_BITLIST, ACC_READWRITE},
            {"1.3.6.1.4.1.99999.9.3", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
            {nullptr},
        };
        driver->Request.List = QsSNMPVarList(kRows, MVT_FMV, 1);
        list = Make<TListView>("ListView1");
        driver->BindListView(list, true);
    }
    TListView* list = nullptr;
};

TEST_F(ListRows, SelectedRowGoesBackIntoTheSameVariablesWhenMarksAreSet) {
    Value(0) = "4";
    Value(1) = "C0";
    Value(2) = "uplink";
    driver->AddRow();
    EXPECT_EQ(list->Item(0)->SubItem(0), "1-2[C0]");
    list->SetSelected(list->Item(0));
    for (int i = 1; i < 3; ++i) { // as a delete marks every non-key column
        driver->Request.List.GetVar(i)->Access |= ACC_INVALID;
        Value(i).clear();
    }
    Value(0).clear();
    driver->RowToValues();
    EXPECT_EQ(Value(0), "4");
    EXPECT_EQ(Value(1), "C0");
    EXPECT_EQ(Value(2), "uplink");
}

TEST_F(ListRows, SelectingARowCallsTheListViewsOwnHandlerFirst) {
    auto* name = Make<TEdit>("edtName");
    driver->BindEdits(2, "%s", {name});
    QStringList seen;
    driver->SavedOnSelectItem = [&](TObject*, TListItem*, bool selected) {
        seen << (selected ? name->Text() + " selected" : "deselected");
    };
    Value(2) = "a";
    driver->AddRow();
    Value(2) = "b";
    driver->AddRow();
    list->SetSelected(list->Item(1));
    EXPECT_EQ(name->Text(), "b");
    EXPECT_EQ(seen, QStringList({" selected"}));
}

} // namespace
} // namespace qs::test
