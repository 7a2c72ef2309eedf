#include "DialogFrame.h"

#include "Application.h"
#include "Form.h"

namespace qs {

void ScaleForScreen(TForm* form, double factor) {
    if (ScreenPixelsPerInch() == 96) {
        return;
    }
    form->resize(static_cast<int>(form->Width() * factor), static_cast<int>(form->Height() * factor));
}

} // namespace qs
