// The rule editors against krs-sim, driven by scenarios: a dialog class, a few user steps on
// controls named as in the dialog ("IDEdit=5", "RowStatusComBo#1", "cbxRow+", "row:0",
// "port:3", "click:AddBtn", "answer:cancel"), and what must follow: the exact SETs the agent
// received, the message boxes shown and the control that has the focus.
#pragma once

#include "DialogSimFixture.h"
#include "RuleEditorForm.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <vector>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;

namespace qs::test {

// The access lists' subtree; SETs are compared with it left off.
inline const std::string kAclTables = ".1.3.6.1.4.1.58613.12.9.";

struct RuleScenario {
    const char* what;
    const char* dialog; // class name
    std::vector<std::string> steps;
    std::vector<std::string> sets; // each "OID=TYPE:VALUE ..." below kAclTables
    QStringList messages;
    const char* focus = nullptr; // object name of the focused control afterwards
};

class RuleEditorTest : public DialogSimTest {
public:
    using Factory = std::function<RuleEditorForm*()>;
    static std::map<std::string, Factory>& Factories();

    void TearDown() override;
    // Starts the agent (once per test) and opens the dialog, its first read done.
    void Open(const std::string& dialogClass);
    void CloseDialog();
    void Settle();
    void Step(const std::string& step);
    void Run(const RuleScenario& scenario);

    TEdit* Edit(const char* name) const;
    TComboBox* Combo(const char* name) const;
    TCheckBox* Box(const char* name) const;
    TButton* Button(const char* name) const;
    QString FocusName() const;

    RuleEditorForm* dialog = nullptr;
};

} // namespace qs::test
