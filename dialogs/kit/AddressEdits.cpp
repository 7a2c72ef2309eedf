#include "AddressEdits.h"

#include "AddressChecks.h"
#include "Edit.h"

namespace qs {

namespace {
// Puts the canonical text into the edit; an empty one means the rule refused the text.
bool Take(TEdit* edit, const std::string& canonical) {
    if (canonical.empty()) {
        return false;
    }
    edit->SetText(QString::fromStdString(canonical));
    return true;
}
} // namespace

bool TakeMacEdit(TEdit* edit) {
    return Take(edit, CanonicalMacText(edit->Text().toStdString()));
}

bool TakeIPv6Edit(TEdit* edit) {
    return Take(edit, CanonicalIPv6Text(edit->Text().toStdString()));
}

} // namespace qs
