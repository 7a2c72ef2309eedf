#include "ButtonColumn.h"

#include "Button.h"
#include "Label.h"
#include "StaticText.h"

namespace qs {

SamplesCount MakeSamplesCount(TComponent* owner, TWinControl* column, const char* labelName,
                              const char* countName) {
    auto* label = new TLabel(owner, column);
    label->SetName(QString::fromLatin1(labelName));
    label->SetCaption(QStringLiteral("Samples"));
    label->SetBounds(12, 8, 86, 16);
    auto* count = new TStaticText(owner, column);
    count->SetName(QString::fromLatin1(countName));
    count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    count->SetCaption(QStringLiteral("0"));
    count->SetBounds(12, 26, 86, 22);
    return {label, count};
}

void StackButtons(std::initializer_list<TButton*> buttons, int top) {
    for (TButton* b : buttons) {
        b->SetBounds(12, top, 86, 28);
        top += 36;
    }
}

} // namespace qs
