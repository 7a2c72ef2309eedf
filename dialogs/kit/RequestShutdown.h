// Ending a dialog's requests when it closes, in the dialog's order: the list's selection is
// cleared, the pickers released, then each request has its active flag cleared, is waited for
// (processing messages, bounded) until it is not busy, and is freed. While a request's reply
// is being handled lower on the stack, nothing is freed: the close is retried once it returned.
#pragma once

#include "QsSNMPRequest2Edits.h"

#include <functional>
#include <memory>
#include <vector>

class TForm;
class TListView;

namespace qs {

class PortPickerSlot;

// Processes messages (user input left queued) until done() holds, at most maxMs. Returns
// whether it holds.
bool WaitUntil(const std::function<bool()>& done, int maxMs);

class RequestShutdown {
public:
    // The requests in the order they are ended; the shutdown owns them from here on.
    void AddRequest(std::unique_ptr<QsSNMPRequest2Controls> request);
    void AddPicker(PortPickerSlot* slot) { pickers_.push_back(slot); }
    void SetListView(TListView* listView) { listView_ = listView; }

    // Clears every request's active flag. True when no request is handling a reply right now,
    // so that Run may free them.
    bool CanRunNow();
    // The whole sequence; a second call does nothing.
    void Run();
    bool Done() const { return done_; }

    // For a form's close handler: runs the shutdown, or refuses this close and asks form to close
    // again shortly when a reply is being handled below it.
    void CloseOrRetry(TForm* form, bool& canClose);

    // How long one request is waited for: longer than a time-out with its retry.
    static constexpr int kWaitMs = 6000;

private:
    std::vector<std::unique_ptr<QsSNMPRequest2Controls>> requests_;
    std::vector<PortPickerSlot*> pickers_;
    TListView* listView_ = nullptr;
    bool done_ = false;
};

} // namespace qs
