#include "RequiredText.h"

#include "Dialogs.h"
#include "Edit.h"
#include "TextNumbers.h"

namespace qs {
namespace {

bool Refuse(TEdit* edit, const QString& message) {
    ShowMessage(message);
    if (edit->Enabled()) {
        edit->SetFocus();
    }
    return false;
}

} // namespace

bool RequireText(TEdit* edit, const QString& message) {
    return !edit->Text().isEmpty() || Refuse(edit, message);
}

std::optional<int> RequireNumber(TEdit* edit, int low, int high, const QString& message) {
    std::int32_t number = 0;
    if (!ParseInt32Exact(edit->Text().toStdString(), number) || number < low || number > high) {
        Refuse(edit, message);
        return std::nullopt;
    }
    return number;
}

} // namespace qs
