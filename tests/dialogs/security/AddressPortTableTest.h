// The fixture of the address-and-ports table dialogs against krs-sim: Open starts the agent and
// the dialog, Select clicks a row, Type fills the IPv4 and MAC key edits.
#pragma once

#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"

namespace qs::test {

template <class Form> class AddressPortTableTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open() {
        ASSERT_TRUE(StartSim()) << sim->lastError();
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
    void Type(const char* ip, const char* mac) {
        dialog->edtIpAddr->SetText(QString::fromLatin1(ip));
        dialog->edtMacAddr->SetText(QString::fromLatin1(mac));
    }
    int Rows() const { return dialog->ListView1->ItemCount(); }

    Form* dialog = nullptr;
};

} // namespace qs::test
