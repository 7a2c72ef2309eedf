#include "RequiredText.h"

#include "Dialogs.h"
#include "Edit.h"

namespace qs {

bool RequireText(TEdit* edit, const QString& message) {
    if (!edit->Text().isEmpty()) {
        return true;
    }
    ShowMessage(message);
    if (edit->Enabled()) {
        edit->SetFocus();
    }
    return false;
}

} // namespace qs
