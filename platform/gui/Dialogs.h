#pragma once
// Message boxes and the tone. Every box and every tone goes through one hook, so tests can
// record the texts and answer without a window (see MessageRecorder.h).

#include <QString>
#include <functional>

class QWidget;

// Box types and answers, as the platform's message box knows them.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

namespace qs {

enum class BoxKind {
    Plain,     // MessageBox: text and caption from the caller
    Simple,    // ShowMessage: the text alone, caption = application title
    Confirm,   // OK and Cancel
    Warning,   // one OK, warning icon
    Exception, // the application's standard exception box
};

struct BoxRequest {
    BoxKind kind;
    QWidget* parent;
    QString text;
    QString caption;
    unsigned type;
};

// Answers a box (IDOK or IDCANCEL). Empty = real modal boxes.
using BoxHook = std::function<int(const BoxRequest&)>;
// Installs a hook and returns the previous one.
BoxHook SetBoxHook(BoxHook hook);

// Sounds a tone; empty = the platform beep (never blocking).
using ToneHook = std::function<void(int frequency, int milliseconds)>;
ToneHook SetToneHook(ToneHook hook);

int ShowBox(const BoxRequest& request);

} // namespace qs

// A modal box with the buttons of type (MB_OK, MB_OKCANCEL, MB_YESNO, with an optional icon).
int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned type = MB_OK);
// The simple box: the text alone, an OK button, the application's title as caption.
void ShowMessage(const QString& text);
// "Confirm" box with OK and Cancel; true for OK.
bool ConfirmBox(QWidget* parent, const QString& text);
// "Warning" box with one OK.
void WarningBox(QWidget* parent, const QString& text);
// The tone (the framework uses 1000 Hz for 200 ms).
void Tone(int frequency, int milliseconds);
