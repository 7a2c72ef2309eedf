// The one SNMP session, its SNMPv3 engine identity and boot counter, and the event pump that
// handles asynchronous replies, retransmissions and time-outs on the GUI thread.
#pragma once

#include "QsSNMPTarget.h"

#include <memory>
#include <string>
#include <vector>

class QTimer;
class QSocketNotifier;

// Starts the session: the SNMP library, the boot counter in JoinPath(directory,
// "QsSNMP_PP_BootCounter"), the SNMPv3 engine, the defaults, and the pump. Raises QsException
// -506, -507 or -508 on failure; the defaults are then left as they were.
void InitSnmpSession(const std::string& directory);

// True once InitSnmpSession has created the session.
bool SnmpSessionStarted();

// While an asynchronous request is outstanding, runs one pump step every 20 ms, measured from the
// end of the previous step (retransmissions and time-outs), and at any time as soon as a reply
// arrives on one of the asynchronous sockets. With nothing outstanding the timer is off: an idle
// program is not woken. A step never nests: while one runs (its callbacks may process events)
// ticks and replies wait until it has ended.
class _SnmpEventProcessor {
public:
    _SnmpEventProcessor();
    ~_SnmpEventProcessor();
    _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
    _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

    void Start();
    void Stop();
    void OnTimer();
    // A request was sent: the timer runs from now on, unless a step running now re-arms it.
    void Wake();

    bool IsRunning() const { return running_; }
    bool InStep() const { return inStep_; }
    bool TimerArmed() const;

private:
    void RunStep(bool fromTimer);
    void Rearm(bool fromTimer);
    void SyncNotifiers();
    void EnableNotifiers(bool on);

    std::unique_ptr<QTimer> timer_;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
    bool running_ = false;
    bool inStep_ = false;
    bool notifiersOff_ = false;
};

// The program's one event processor, created on first use (timer off) and destroyed at exit.
_SnmpEventProcessor& EventProcessor();

namespace qs {
// Opens the library sessions of the default target now, so SNMPv3 engine discovery happens
// here and not inside the first page's read. Returns the adapter's status number (0 when open).
int OpenDefaultTarget();
} // namespace qs
