// Opening a layer-2 dialog from its menu command: the global instance pointer names the dialog
// while it is shown and is cleared afterwards, and the caption is the title, ": " and the device
// address.
#pragma once

#include "DialogCommand.h"
#include "Layer2Dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace qs::test {

// ready(form): true once the dialog's first read has ended, so that it closes at once.
template <class Form, class Ready>
void ExpectMenuCommandOpens(Form** global, const char* className, const char* title, Ready ready) {
    DialogRegistry registry;
    RegisterLayer2Dialogs(registry);
    const DialogDef command{className, title, DialogOwner::Application};
    QString caption;
    bool globalSet = false;
    QTimer::singleShot(0, [&] {
        if (*global != nullptr) {
            globalSet = true;
            caption = (*global)->Caption();
            QElapsedTimer clock;
            clock.start();
            while (!ready(*global) && clock.elapsed() < 10000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            }
        }
        if (QWidget* shown = QApplication::activeModalWidget()) {
            shown->close();
        }
    });
    RunDialogCommand(command, registry, "10.90.90.90", nullptr);
    EXPECT_TRUE(globalSet) << className;
    EXPECT_EQ(caption, QString::fromLatin1(title) + QStringLiteral(": 10.90.90.90"));
    EXPECT_EQ(*global, nullptr);
}

} // namespace qs::test
