// The fixture of the dialog tests that open one form against krs-sim: Open starts the agent and
// the form (a case table may open a fresh pair per case), Close ends both, Settle waits until the
// form's request has finished a write and the walk that follows it.
#pragma once

#include "DialogSimFixture.h"
#include "QsSNMPRequest2Edits.h"

#include <string>
#include <vector>

namespace qs::test {

template <class Form, QsSNMPRequest2Edits* Form::*Request> class FormSimTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> args = {}, bool settle = true) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<Form>(nullptr);
        Prepare();
        dialog->Show();
        if (settle) {
            Settle();
        }
        Mark();
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
        sim.reset();
    }
    void TearDown() override {
        delete dialog;
        dialog = nullptr;
        DialogSimTest::TearDown();
    }
    virtual void Settle() {
        for (int pass = 0; pass < 2; ++pass) {
            QTest::qWait(pass == 0 ? 100 : 50);
            ASSERT_TRUE(WaitFor([this] { return !(dialog->*Request)->Busy; }));
        }
    }
    // Runs between the form's creation and its first showing.
    virtual void Prepare() {}

    Form* dialog = nullptr;
};

} // namespace qs::test
