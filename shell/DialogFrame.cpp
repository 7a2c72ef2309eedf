#include "DialogFrame.h"

#include "Application.h"
#include "Form.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace qs {

void ScaleForScreen(TForm* form, int pixelsPerInch, double factor) {
    if (pixelsPerInch == 96) {
        return;
    }
    form->resize(static_cast<int>(form->Width() * factor), static_cast<int>(form->Height() * factor));
}

void CentreOnMainForm(TForm* form) {
    QRect area;
    if (Application && Application->MainForm && Application->MainForm != form) {
        area = Application->MainForm->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    QRect frame = form->frameGeometry();
    frame.moveCenter(area.center());
    form->move(frame.topLeft());
}

} // namespace qs
