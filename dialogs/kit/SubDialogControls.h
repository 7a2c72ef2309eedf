// Controls of the plain add and edit dialogs that a table dialog opens: each made on the form
// with its object name and bounds.
#pragma once

#include "Form.h"

namespace qs {

template <class C> C* MakeOn(TForm* form, const char* name, int left, int top, int width, int height = 24) {
    auto* c = new C(form, form);
    c->SetName(QString::fromLatin1(name));
    c->SetBounds(left, top, width, height);
    return c;
}

} // namespace qs
