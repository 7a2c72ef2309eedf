#include "ScrollBoxTab.h"

#include "Form.h"
#include "PageControl.h"
#include "ScrollBox.h"

namespace qs {

TScrollBox* AddScrollBoxTab(TForm* form, TPageControl* pages, const char* sheetName, const QString& caption,
                            const char* boxName) {
    auto* sheet = new TTabSheet(form, pages);
    sheet->SetName(QString::fromLatin1(sheetName));
    sheet->SetCaption(caption);
    auto* box = new TScrollBox(form, sheet);
    box->SetName(QString::fromLatin1(boxName));
    box->SetAlign(alClient);
    // The scrolled area follows the box, so that a picker aligned to it fills what is shown.
    box->setWidgetResizable(true);
    return box;
}

} // namespace qs
