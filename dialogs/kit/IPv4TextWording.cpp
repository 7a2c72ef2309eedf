#include "IPv4TextWording.h"

#include "Dialogs.h"
#include "Edit.h"
#include "IPv4Text.h"

#include <string>

namespace qs {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

IPv4Refusal IPv4TextRefusal(std::string_view text) {
    if (IPv4TextAccepted(text)) {
        return IPv4Refusal::None;
    }
    // The rule reads the characters in order and stops at the first failure; up to the first
    // dot that is misplaced, only a character that is neither digit nor dot, or a group that
    // the dot ends, can have failed before it.
    std::size_t groupStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            continue;
        }
        if (c != '.') {
            return IPv4Refusal::Other;
        }
        if (i == 0 || i + 1 >= text.size() || !IsDigit(text[i + 1])) {
            return IPv4Refusal::MisplacedDot;
        }
        if (!IPv4TextAccepted(std::string(text.substr(groupStart, i - groupStart)) + ".0.0.0")) {
            return IPv4Refusal::Other;
        }
        groupStart = i + 1;
    }
    return IPv4Refusal::Other;
}

bool IsValidIPv4TextWorded(const QString& text) {
    const IPv4Refusal refusal = IPv4TextRefusal(text.toStdString());
    if (refusal == IPv4Refusal::None) {
        return true;
    }
    ShowMessage(refusal == IPv4Refusal::MisplacedDot ? QStringLiteral("Please input a valid IP")
                                                     : QStringLiteral("Please input a valid ip"));
    return false;
}

bool IPv4EditAccepted(TEdit* edit) {
    if (IsValidIPv4TextWorded(edit->Text())) {
        return true;
    }
    if (edit->Enabled()) {
        edit->SetFocus();
    }
    return false;
}

} // namespace qs
