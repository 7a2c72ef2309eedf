#pragma once
// Small services of the page framework: waiting for a request while the application goes on
// handling its messages, centring a window, and the request's value collection.

#include <functional>

class QWidget;
class QsSNMPRequest2Edits;

namespace qs {
// Processes pending messages (user input left queued) while busy() holds, for at most maxMs
// milliseconds (negative: no limit). Returns true when busy() no longer holds.
bool WaitWhile(const std::function<bool()>& busy, int maxMs);
// Centres a window over another, or over the main window when none is given.
void CentreOver(QWidget* window, QWidget* over);
// The request's own value collection (values emptied, the selected row copied, the controls
// read), which pages run before they fix a value of their own and send.
void CollectValues(QsSNMPRequest2Edits* request);
} // namespace qs
