#pragma once
// The application object: title, message pumping, termination and the standard exception box.

#include <QString>
#include <functional>

class QWidget;
class TApplication;
class TForm;

// The one application object; set by qs::EnsureApplication.
extern TApplication* Application;

class TApplication {
public:
    // Caption of every framework message box.
    QString Title;
    // Closing this form ends the application.
    TForm* MainForm = nullptr;

    // Handles every pending event (input, paint, timers, posted calls) and returns.
    void ProcessMessages();
    // The same, leaving user input queued (for waits that must not take new commands).
    void ProcessMessagesWithoutInput();
    // Ends the message loop once control returns to it.
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // Runs the message loop until Terminate; returns the exit code.
    int Run();
    // The standard exception box: the message, the title as caption; the loop goes on.
    void ShowException(const QString& message);

private:
    bool m_terminated = false;
};

namespace qs {
// Pixels per inch of the screen (96 at the usual scale); a value set for tests wins.
int ScreenPixelsPerInch();
void SetScreenPixelsPerInch(int ppi); // 0 = the real screen's
// Creates the Qt application (when there is none yet) and the application object.
TApplication& EnsureApplication();
// Calls an event handler; an exception it raises goes to the standard exception box, as the
// message loop of the class library does.
void RunHandler(const std::function<void()>& handler);
// Calls an event slot when it is set, through RunHandler. The slot is copied first, so a
// handler may replace or clear its own slot while it runs.
template <class Slot, class... Args> void Fire(const Slot& slot, Args&&... args) {
    if (Slot handler = slot) {
        RunHandler([&] { handler(args...); });
    }
}
} // namespace qs

// Asks the focus to move to the next control in tab order of window, after the current handler.
void PostFocusNext(QWidget* window);
