// The fixture of the list dialogs against krs-sim: Open starts the agent (with its options) and
// the dialog, Select clicks a row of ListView1, Rows counts them, Close ends the dialog.
#pragma once

#include "DialogSimFixture.h"
#include "ListView.h"

#include <string>
#include <vector>

namespace qs::test {

template <class Form> class ListDialogTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> simArgs = {}) {
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        dialog = CreateForm<Form>(nullptr);
        dialog->Show();
        Mark();
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Select(int row) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(row));
        dialog->ListView1Click();
    }
    int Rows() const { return dialog->ListView1->ItemCount(); }

    Form* dialog = nullptr;
};

} // namespace qs::test
