#include "WalkGate.h"

#include "Dialogs.h"
#include "FailureReport.h"

namespace qs {

WalkGate::WalkGate(WalkGateConfig config, QsSNMPRequest2Controls* request)
    : config_(std::move(config)), request_(request) {}

bool WalkGate::AllowWrite() const {
    const bool busy = config_.writesCheckBusy && request_ && request_->Busy;
    if (ready_ && !busy) {
        return true;
    }
    ShowMessage(config_.writeMessage);
    return false;
}

bool WalkGate::AllowRefresh() const {
    using R = WalkGateConfig::Refresh;
    if (config_.refresh == R::Open) {
        return true;
    }
    const bool busy = config_.refreshChecksBusy && request_ && request_->Busy;
    if (ready_ && !busy) {
        return true;
    }
    if (config_.refresh == R::Message) {
        ShowMessage(config_.refreshMessage);
    }
    return false;
}

bool WalkGate::AllowClose() const {
    if (!config_.closeGate || ready_) {
        return true;
    }
    ShowMessage(config_.closeMessage);
    return false;
}

void WalkGate::Stop() {
    if (request_) {
        request_->Request.Active = false;
    }
    if (config_.stopRaises) {
        ready_ = true;
    }
}

QsSNMPDoneEvent WalkGate::Hook(std::function<void(QsSNMPError*)> then) {
    return [this, then = std::move(then)](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
        ReportReadFailure(sender, error);
        ready_ = true;
        if (then) {
            then(error);
        }
    };
}

} // namespace qs
