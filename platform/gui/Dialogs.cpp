#include "Dialogs.h"

#include "Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace qs {
namespace {
BoxHook& Hook() {
    static BoxHook hook;
    return hook;
}
ToneHook& TonePlayer() {
    static ToneHook hook;
    return hook;
}

QMessageBox::Icon IconOf(const BoxRequest& r) {
    if (r.kind == BoxKind::Warning || (r.type & 0xF0) == MB_ICONWARNING) {
        return QMessageBox::Warning;
    }
    if (r.kind == BoxKind::Exception) {
        return QMessageBox::Critical;
    }
    return (r.type & 0xF0) == MB_ICONQUESTION ? QMessageBox::Question : QMessageBox::NoIcon;
}

int RunYesNoBox(QMessageBox& box) {
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    yes->setObjectName(QStringLiteral("YesButton"));
    box.addButton(QMessageBox::No)->setObjectName(QStringLiteral("NoButton"));
    box.exec();
    return box.clickedButton() == yes ? IDYES : IDNO;
}

int RunRealBox(const BoxRequest& r) {
    QMessageBox box(IconOf(r), r.caption, r.text, QMessageBox::NoButton, r.parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    if ((r.type & 0x0F) == MB_YESNO) {
        return RunYesNoBox(box);
    }
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setObjectName(QStringLiteral("OkButton"));
    if ((r.type & 0x0F) == MB_OKCANCEL) {
        box.addButton(QMessageBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    }
    box.exec();
    return box.clickedButton() == ok ? IDOK : IDCANCEL;
}
} // namespace

BoxHook SetBoxHook(BoxHook hook) {
    return std::exchange(Hook(), std::move(hook));
}
ToneHook SetToneHook(ToneHook hook) {
    return std::exchange(TonePlayer(), std::move(hook));
}

int ShowBox(const BoxRequest& request) {
    if (Hook()) {
        return Hook()(request);
    }
    return RunRealBox(request);
}

} // namespace qs

int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned type) {
    return qs::ShowBox({qs::BoxKind::Plain, parent, text, caption, type});
}

void ShowMessage(const QString& text) {
    const QString caption = qs::EnsureApplication().Title;
    qs::ShowBox({qs::BoxKind::Simple, QApplication::activeWindow(), text, caption, MB_OK});
}

bool ConfirmBox(QWidget* parent, const QString& text) {
    const unsigned type = MB_OKCANCEL | MB_ICONQUESTION;
    return qs::ShowBox({qs::BoxKind::Confirm, parent, text, QStringLiteral("Confirm"), type}) == IDOK;
}

void WarningBox(QWidget* parent, const QString& text) {
    qs::ShowBox({qs::BoxKind::Warning, parent, text, QStringLiteral("Warning"), MB_OK | MB_ICONWARNING});
}

void Tone(int frequency, int milliseconds) {
    if (qs::TonePlayer()) {
        qs::TonePlayer()(frequency, milliseconds);
    } else {
        QApplication::beep();
    }
}
