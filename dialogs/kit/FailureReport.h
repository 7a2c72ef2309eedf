// How a dialog reports what went wrong, the same way everywhere: a failed read in the request's
// status output (a box without one), a refused write in a message box, an exception's text in
// the dialog's status area. No exception leaves an event handler of a dialog.
#pragma once

#include <QString>
#include <functional>

class QsSNMPRequest2Controls;
class TStatusBar;
struct QsSNMPError;

namespace qs {

// Where a dialog shows texts: panel 0 of its status bar, or the bar's single text when the bar
// has no panels.
class StatusArea {
public:
    StatusArea() = default;
    explicit StatusArea(TStatusBar* bar) : bar_(bar) {}
    void Show(const QString& text) const;
    QString Text() const;
    TStatusBar* Bar() const { return bar_; }
    // Makes it the request's status output (panel 0, or the whole bar).
    void AttachTo(QsSNMPRequest2Controls& request) const;

private:
    TStatusBar* bar_ = nullptr;
};

// A get hook's report: a non-zero code shows the message as the framework's own read report
// would; success shows nothing. Returns whether the read failed.
bool ReportReadFailure(QsSNMPRequest2Controls* request, const QsSNMPError* error);
// A set hook's report: a non-zero code shows the message in a box, as the framework does for a
// refused write. Returns whether the write failed.
bool ReportWriteFailure(QsSNMPRequest2Controls* request, const QsSNMPError* error);

// Runs an event handler's work as one user action (qs::BlockingAction: after the first blocking
// request that timed out the rest of it is skipped; called from another handler it is part of
// that one); an exception's text goes to the status area instead of leaving the handler.
// Returns false when one was caught.
bool Guarded(const StatusArea& status, const std::function<void()>& work);
// A button's handler: Guarded.
bool GuardedAction(const StatusArea& status, const std::function<void()>& work);
// The same for dialogs that show an exception through the request's status line (the read or
// write template with the text in it).
bool GuardedStatusLine(QsSNMPRequest2Controls* request, const std::function<void()>& work);

} // namespace qs
