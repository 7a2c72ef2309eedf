// The fixture of the address-and-ports table dialogs against krs-sim: the list dialog's steps,
// and Type fills the IPv4 and MAC key edits.
#pragma once

#include "Edit.h"
#include "ListDialogTest.h"

namespace qs::test {

template <class Form> class AddressPortTableTest : public ListDialogTest<Form> {
public: // the cases act on the fixture
    void Type(const char* ip, const char* mac) {
        this->dialog->edtIpAddr->SetText(QString::fromLatin1(ip));
        this->dialog->edtMacAddr->SetText(QString::fromLatin1(mac));
    }
};

} // namespace qs::test
