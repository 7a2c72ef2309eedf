#include "QsSNMPSession.h"

#include "BootCounterFile.h"
#include "FilePath.h"
#include "JoinPath.h"
#include "SnmpAdapter.h"
#include "SnmpErrors.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

namespace {

constexpr const char* kEngineId = "QsSNMP_PP_Application";
constexpr const char* kBootCounterFile = "QsSNMP_PP_BootCounter";
constexpr int kPumpInterval = 20;

bool g_sessionStarted = false;

void SetDefaults() {
    DefaultDevice = QsSNMPDevice{"127.0.0.1", 161};
    DefaultScope = QsSNMPScope{};
    DefaultSecurity = QsSNMPSecurity{};
    DefaultSecurity.version = 0;
    DefaultSecurity.readCommunity = "lumpet";
    DefaultSecurity.writeCommunity = "grindel";
    DefaultSecurity.securityModel = 1;
    DefaultSecurity.securityLevel = 1;
    DefaultSecurity.authProtocol = 1;
    DefaultSecurity.privProtocol = 1;
    DefaultTimeout = 100;
}

// Reads the stored boots, counts this start and stores the new number.
void CountThisBoot(const std::string& directory) {
    const std::string file = qs::NativePath(JoinPath(directory, kBootCounterFile));
    unsigned boots = 0;
    if (qs::bootcounter::Read(file, kEngineId, boots) < qs::bootcounter::OpenError) {
        qs::RaiseFrameworkError(qs::err::BootCounterLoad);
    }
    if (qs::bootcounter::Save(file, kEngineId, boots + 1) != qs::bootcounter::Ok) {
        qs::RaiseFrameworkError(qs::err::BootCounterSave);
    }
}

} // namespace

void InitSnmpSession(const std::string& directory) {
    if (qs::StartSnmpLibrary() != qs::status::Success) {
        qs::RaiseFrameworkError(qs::err::SessionCreate);
    }
    g_sessionStarted = true;
    CountThisBoot(directory);
    qs::SetLocalEngineId(kEngineId);
    SetDefaults();
    EventProcessor().Start();
}

bool SnmpSessionStarted() {
    return g_sessionStarted;
}

_SnmpEventProcessor::_SnmpEventProcessor() : timer_(std::make_unique<QTimer>()) {
    timer_->setSingleShot(true);
    timer_->setInterval(kPumpInterval);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { OnTimer(); });
}

_SnmpEventProcessor::~_SnmpEventProcessor() {
    Stop();
}

void _SnmpEventProcessor::Start() {
    running_ = true;
    qs::SetSocketsChangedHook([this] { SyncNotifiers(); });
    qs::SetRequestSentHook([this] { Wake(); });
    SyncNotifiers();
    if (!inStep_) {
        Rearm(true);
    }
}

void _SnmpEventProcessor::Stop() {
    running_ = false;
    timer_->stop();
    qs::SetSocketsChangedHook({});
    qs::SetRequestSentHook({});
    notifiers_.clear();
}

void _SnmpEventProcessor::Wake() {
    if (running_ && !inStep_ && !timer_->isActive()) {
        timer_->start();
    }
}

bool _SnmpEventProcessor::TimerArmed() const {
    return timer_->isActive();
}

void _SnmpEventProcessor::OnTimer() {
    RunStep(true);
}

// A step never nests. A timer tick or a reply that comes while a step runs (its callbacks may
// process events) only turns the notifiers off, so an unread reply cannot keep waking a nested
// event loop; the step switches them on again and re-arms the single-shot timer when it ends.
void _SnmpEventProcessor::RunStep(bool fromTimer) {
    if (inStep_) {
        if (!fromTimer && !notifiersOff_) {
            EnableNotifiers(false);
            notifiersOff_ = true;
        }
        return;
    }
    inStep_ = true;
    try {
        if (SnmpSessionStarted()) {
            qs::ProcessPendingEvents();
        }
    } catch (const std::exception& e) {
        // Nothing above the event loop could take it; the step must still end normally.
        qWarning("SNMP completion failed: %s", e.what());
    }
    inStep_ = false;
    if (!running_) {
        return;
    }
    if (notifiersOff_) {
        EnableNotifiers(true);
        notifiersOff_ = false;
    }
    Rearm(fromTimer);
}

// After a tick the next one comes 20 ms after this step ended; a step woken by a reply leaves a
// running tick alone. With nothing outstanding no tick is due.
void _SnmpEventProcessor::Rearm(bool fromTimer) {
    if (!qs::HasOutstandingRequests()) {
        timer_->stop();
    } else if (fromTimer || !timer_->isActive()) {
        timer_->start();
    }
}

// One read notifier per asynchronous session socket; each runs the same guarded step.
void _SnmpEventProcessor::SyncNotifiers() {
    if (!running_) {
        return;
    }
    const std::vector<int> fds = qs::AsyncSocketDescriptors();
    std::erase_if(notifiers_, [&](const auto& n) {
        return std::find(fds.begin(), fds.end(), static_cast<int>(n->socket())) == fds.end();
    });
    for (const int fd : fds) {
        const bool known = std::any_of(notifiers_.begin(), notifiers_.end(),
                                       [fd](const auto& n) { return n->socket() == fd; });
        if (!known) {
            auto n = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            QObject::connect(n.get(), &QSocketNotifier::activated, [this] { RunStep(false); });
            n->setEnabled(!notifiersOff_);
            notifiers_.push_back(std::move(n));
        }
    }
}

void _SnmpEventProcessor::EnableNotifiers(bool on) {
    for (auto& n : notifiers_) {
        n->setEnabled(on);
    }
}

_SnmpEventProcessor& EventProcessor() {
    static _SnmpEventProcessor processor;
    return processor;
}

namespace qs {

int OpenDefaultTarget() {
    if (!IsUsableHost(DefaultDevice.host)) {
        return status::InvalidAddress;
    }
    return OpenSessions(MakeSnmpTarget(DefaultDevice, DefaultScope, DefaultSecurity, DefaultTimeout, 1));
}

} // namespace qs
