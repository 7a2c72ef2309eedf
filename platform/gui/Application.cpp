#include "Application.h"

#include "Dialogs.h"
#include "Exceptions.h"
#include "Focus.h"
#include "FormFont.h"
#include "PumpScope.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>

TApplication* Application = nullptr;

void TApplication::ProcessMessages() {
    const qs::PumpScope pumping;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::ProcessMessagesWithoutInput() {
    const qs::PumpScope pumping;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TApplication::Terminate() {
    m_terminated = true;
    QCoreApplication::quit();
}

int TApplication::Run() {
    return m_terminated ? 0 : QApplication::exec();
}

void TApplication::ShowException(const QString& message) {
    qs::ShowBox({qs::BoxKind::Exception, QApplication::activeWindow(), message, Title, MB_OK});
}

namespace qs {
namespace {
int g_ppi = 0;
}

int ScreenPixelsPerInch() {
    if (g_ppi > 0) {
        return g_ppi;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
}

void SetScreenPixelsPerInch(int ppi) {
    g_ppi = ppi;
}

TApplication& EnsureApplication() {
    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "krs5400em";
        static char* argv[] = {name, nullptr};
        FixFontResolution();
        new QApplication(argc, argv);
    }
    if (!Application) {
        Application = new TApplication;
        InstallFormFont();
    }
    Focus::Instance();
    return *Application;
}

void RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        Application->ShowException(MessageOf(e));
    }
}

} // namespace qs

void PostFocusNext(QWidget* window) {
    qs::Focus::Instance().PostFocusNext(window);
}
