// How a response's fields become the reply a request sees, and a stand-in that answers the
// adapter's sends in place of the SNMP library, so that tests and fuzz harnesses can
// drive a request's reply handling (GET, GET-NEXT walks, SET) with replies of their own. While a
// stand-in is installed every blocking and asynchronous send goes to it and nothing reaches the
// network; asynchronous answers are delivered by ProcessPendingEvents, as received replies are.
#pragma once

#include "SnmpAdapter.h"

#include <vector>

namespace qs {

namespace status {
// An agent's error status outside 1..18, which SNMP does not define (the agent's own status
// numbers are 1..18 as they stand).
constexpr int UnknownAgentError = 19;
} // namespace status

// The reply of a received response PDU: its error status when SNMP defines it (0..18), otherwise
// status::UnknownAgentError, so no agent number passes for a failure of ours (a time-out, a
// security error); an error index outside 0..bindings is 0.
SnmpReply ReplyOfResponse(long errorStatus, long errorIndex, std::vector<SnmpVarBind> vbs);

// What came back for one send: a response PDU's fields as the wire carries them, or, when
// failure is not status::Success, no response at all (a time-out, a refused send).
struct SnmpResponse {
    int failure = status::Success;
    long errorStatus = 0;
    long errorIndex = 0;
    std::vector<SnmpVarBind> vbs;
};

class SnmpStandIn {
public:
    virtual ~SnmpStandIn() = default;
    virtual SnmpResponse Answer(const SnmpTarget& target, PduKind kind,
                                const std::vector<SnmpVarBind>& asked) = 0;
};

// Installs the stand-in, or with null removes it (answers not yet delivered are dropped). The
// caller keeps it alive while it is installed.
void SetSnmpStandIn(SnmpStandIn* standIn);

namespace detail {

// The adapter's sends while a stand-in is installed; null / false when none is.
SnmpStandIn* CurrentStandIn();
SnmpReply StandInBlocking(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs);
int StandInAsync(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs,
                 AsyncHandler handler, std::weak_ptr<void> owner);
// Runs the handlers of the answers given so far; true when a stand-in is installed.
bool StandInPump();
bool StandInOutstanding();

} // namespace detail
} // namespace qs
