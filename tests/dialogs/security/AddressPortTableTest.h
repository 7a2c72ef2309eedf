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
    // The refusal of a text that is no MAC address, naming the writings taken.
    static QString MacRefusal() {
        return QStringLiteral("Please enter a MAC address such as 00-1A-2B-3C-4D-5E or 00:1a:2b:3c:4d:5e!");
    }
    // The control that has the focus in the dialog (also while its window is not the active one).
    QString FocusName() const {
        const QWidget* w = this->dialog->focusWidget();
        return w ? w->objectName() : QString();
    }
};

} // namespace qs::test
