// Template part of TableLayout.h.
#pragma once

#include "Form.h"

#include <QString>

namespace qs {

template <class T>
T* PlaceOn(TForm* form, TWinControl* parent, const char* name, int left, int top, int width) {
    auto* control = new T(form, parent);
    control->SetName(QString::fromLatin1(name));
    control->SetBounds(left, top, width, 22);
    return control;
}

template <class T> T* PlaceOn(TForm* form, const char* name, int left, int top, int width) {
    return PlaceOn<T>(form, form, name, left, top, width);
}

} // namespace qs
