#include "WriteTaken.h"

#include "QsSNMPError.h"
#include "QsSNMPRequest2Controls.h"
#include "WriteWait.h"

#include <memory>

namespace qs {

namespace {
struct SetOutcome {
    bool replied = false;
    int code = 0;
};
} // namespace

bool WriteTaken(QsSNMPRequest2Controls& request, const std::function<bool()>& send,
                const std::function<bool()>& ended) {
    auto outcome = std::make_shared<SetOutcome>();
    const QsSNMPDoneEvent previous = request.OnSetDone;
    request.OnSetDone = [outcome, previous](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
        outcome->replied = true;
        outcome->code = error ? error->code : 0;
        if (previous) {
            previous(sender, error);
        } else {
            sender->ShowSetError(error);
        }
    };
    bool sent = false;
    try {
        sent = send();
    } catch (...) {
        request.OnSetDone = previous;
        throw;
    }
    // A blocking write has ended here and send() told its outcome; an asynchronous one is waited for.
    const bool waiting = sent && !outcome->replied && request.Busy;
    const bool replied = !waiting || WaitForReply([&outcome] { return outcome->replied; }, ended,
                                                  ReplyWaitMs(request.Request));
    if (ended()) {
        return false; // the dialog is closing: its request may be gone
    }
    request.OnSetDone = previous;
    if (!sent || !replied) {
        return false;
    }
    return !outcome->replied || outcome->code == 0;
}

} // namespace qs
