#include "IPv4Text.h"

#include "AddressChecks.h"
#include "Dialogs.h"

namespace qs {

// The text is sent as it stands, so it must be the canonical text of the address it names.
bool IPv4TextAccepted(std::string_view text) {
    return !text.empty() && CanonicalIPv4Text(text) == text;
}

} // namespace qs

bool IsValidIPv4Text(const QString& text, const QString& message) {
    if (qs::IPv4TextAccepted(text.toStdString())) {
        return true;
    }
    ShowMessage(message);
    return false;
}
