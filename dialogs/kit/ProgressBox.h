// The timed progress box a dialog shows right after a SET the device takes long to carry out:
// placed over the dialog, published in its global while shown, captioned, shown modally until
// it closes itself, then deleted. The tick is the box's timer interval (1 s on a real device);
// the box closes after about 31 ticks.
#pragma once

#include "Form.h"
#include "Label.h"
#include "Timer.h"

#include <QString>
#include <memory>

namespace qs {

constexpr int kProgressTickMs = 1000;

template <class Box>
void ShowProgressBox(TWinControl* dialog, Box*& global, const QString& caption, const QString& prompt,
                     int tickMs = kProgressTickMs) {
    std::unique_ptr<Box> box(CreateForm<Box>(nullptr, dialog));
    global = box.get();
    struct Unpublish {
        Box*& global;
        ~Unpublish() { global = nullptr; }
    } unpublish{global};
    box->SetCaption(caption);
    box->LB_Prompt->SetCaption(prompt);
    box->ProgressTimer->SetInterval(tickMs);
    box->ShowModal();
}

} // namespace qs
