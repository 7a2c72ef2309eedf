#include "AddressValidators.h"

#include "AddressChecks.h"
#include "Control.h"
#include "ControlText.h"
#include "Dialogs.h"

#include <string>

namespace {

std::string TextOf(TControl* control) {
    return qs::ControlText(control).toStdString();
}

// The rule's verdict; a failing text shows message in the simple box.
bool CheckWithMessage(bool valid, const char* message) {
    if (!valid) {
        ShowMessage(QString::fromLatin1(message));
    }
    return valid;
}

} // namespace

bool IsValidIPv4Control(TControl* control) {
    return CheckWithMessage(qs::IsValidIPv4Text(TextOf(control)), "Please input a valid IP.");
}

bool IsMulticastIPv4Control(TControl* control) {
    return qs::IsMulticastIPv4Text(TextOf(control));
}

bool IsIPv6HexControl(TControl* control) {
    return qs::IsIPv6HexText(TextOf(control));
}

bool IsMulticastIPv6Control(TControl* control) {
    return qs::IsMulticastIPv6Text(TextOf(control));
}

bool IsValidMacControl(TControl* control) {
    return qs::IsValidMacText(TextOf(control));
}

bool IsMulticastMacControl(TControl* control) {
    return qs::IsMulticastMacText(TextOf(control));
}

bool IsUnicastMacControl(TControl* control) {
    return qs::IsUnicastMacText(TextOf(control));
}

bool IsValidRecoverTime(TControl* control) {
    return CheckWithMessage(qs::IsValidRecoverTimeText(TextOf(control)),
                            "Pleaase Input a Number between 60 and 1000000 or 0.");
}
