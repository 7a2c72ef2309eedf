#include "RuleEditorFixture.h"

#include "Button.h"
#include "CPUEthernetInformationForm.h"
#include "CPUEthernetInformationRuleForm.h"
#include "CPUIPMaskInformationForm.h"
#include "CPUIPRuleForm.h"
#include "CPUUserMaskInfoForm.h"
#include "CPUUserMaskRuleForm.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "EthernetInformationRuleForm.h"
#include "EthernetMaskInformationForm.h"
#include "IPMaskInformationForm.h"
#include "IPRuleForm.h"
#include "IPv6MaskInfoForm.h"
#include "Ipv6RuleForm.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"

#include <QApplication>

namespace qs::test {

namespace {
template <class T> RuleEditorTest::Factory Maker() {
    return [] { return CreateForm<T>(nullptr); };
}
} // namespace

std::map<std::string, RuleEditorTest::Factory>& RuleEditorTest::Factories() {
    static std::map<std::string, Factory> factories = {
        {"TEthernetMaskInformationForm", Maker<TEthernetMaskInformationForm>()},
        {"TCPUEthernetInformationForm", Maker<TCPUEthernetInformationForm>()},
        {"TEthernetInformationRuleForm", Maker<TEthernetInformationRuleForm>()},
        {"TCPUEthernetInformationRuleForm", Maker<TCPUEthernetInformationRuleForm>()},
        {"TIPMaskInformationForm", Maker<TIPMaskInformationForm>()},
        {"TCPUIPMaskInformationForm", Maker<TCPUIPMaskInformationForm>()},
        {"TIPRuleForm", Maker<TIPRuleForm>()},
        {"TCPUIPRuleForm", Maker<TCPUIPRuleForm>()},
        {"TCPUUserMaskInfoForm", Maker<TCPUUserMaskInfoForm>()},
        {"TCPUUserMaskRuleForm", Maker<TCPUUserMaskRuleForm>()},
        {"TIPv6MaskInfoForm", Maker<TIPv6MaskInfoForm>()},
        {"TIpv6RuleForm", Maker<TIpv6RuleForm>()},
    };
    return factories;
}

void RuleEditorTest::TearDown() {
    CloseDialog();
    DialogSimTest::TearDown();
}

void RuleEditorTest::Open(const std::string& dialogClass) {
    if (!sim) {
        ASSERT_TRUE(StartSim()) << sim->lastError();
    }
    ASSERT_TRUE(Factories().count(dialogClass)) << dialogClass;
    dialog = Factories()[dialogClass]();
    dialog->Show();
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    Settle();
    messages.boxes.clear();
    Mark();
}

void RuleEditorTest::CloseDialog() {
    delete dialog;
    dialog = nullptr;
}

void RuleEditorTest::Settle() {
    ASSERT_TRUE(WaitFor([this] { return dialog->Request == nullptr || !dialog->Request->Busy; }));
    QTest::qWait(150); // an asynchronous write's walk may start after its SET's reply
    ASSERT_TRUE(WaitFor([this] { return dialog->Request == nullptr || !dialog->Request->Busy; }));
}

TEdit* RuleEditorTest::Edit(const char* name) const {
    return dialog->findChild<TEdit*>(QString::fromLatin1(name));
}

TComboBox* RuleEditorTest::Combo(const char* name) const {
    return dialog->findChild<TComboBox*>(QString::fromLatin1(name));
}

TCheckBox* RuleEditorTest::Box(const char* name) const {
    return dialog->findChild<TCheckBox*>(QString::fromLatin1(name));
}

TButton* RuleEditorTest::Button(const char* name) const {
    return dialog->findChild<TButton*>(QString::fromLatin1(name));
}

QString RuleEditorTest::FocusName() const {
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

void RuleEditorTest::Step(const std::string& step) {
    SCOPED_TRACE(step);
    const auto eq = step.find('=');
    const auto hash = step.find('#');
    const auto colon = step.find(':');
    if (colon != std::string::npos && (eq == std::string::npos || colon < eq)) {
        const std::string verb = step.substr(0, colon);
        const std::string arg = step.substr(colon + 1);
        if (verb == "row") {
            dialog->ListView1->SetSelected(dialog->ListView1->Item(std::stoi(arg)));
            dialog->ListView1->OnClick(dialog->ListView1);
        } else if (verb == "port") {
            dialog->Ports.Tick(std::stoi(arg), true);
        } else if (verb == "click") {
            TButton* b = Button(arg.c_str());
            ASSERT_NE(b, nullptr);
            b->Click();
            Settle();
        } else if (verb == "answer") {
            messages.answers << (arg == "cancel" ? IDCANCEL : IDOK);
        } else {
            FAIL() << "unknown step";
        }
    } else if (eq != std::string::npos) {
        const QString text = QString::fromStdString(step.substr(eq + 1));
        const std::string n = step.substr(0, eq);
        if (TEdit* e = Edit(n.c_str())) {
            e->SetText(text);
        } else if (TComboBox* c = Combo(n.c_str())) {
            c->SetText(text);
            ASSERT_EQ(c->Text(), text);
        } else {
            FAIL() << "no editor " << n;
        }
    } else if (hash != std::string::npos) {
        TComboBox* c = Combo(step.substr(0, hash).c_str());
        ASSERT_NE(c, nullptr);
        c->SetItemIndex(std::stoi(step.substr(hash + 1)));
    } else {
        const bool tick = step.back() == '+';
        TCheckBox* b = Box(step.substr(0, step.size() - 1).c_str());
        ASSERT_NE(b, nullptr);
        b->SetChecked(tick);
    }
}

void RuleEditorTest::Run(const RuleScenario& scenario) {
    SCOPED_TRACE(scenario.what);
    sim.reset(); // every scenario starts from the default data
    Open(scenario.dialog);
    for (const std::string& s : scenario.steps) {
        Step(s);
    }
    Settle();
    EXPECT_EQ(Sets(kAclTables), scenario.sets);
    EXPECT_EQ(messages.Texts(), scenario.messages);
    if (scenario.focus) {
        EXPECT_EQ(FocusName(), QString::fromLatin1(scenario.focus));
    }
    CloseDialog();
}

} // namespace qs::test
