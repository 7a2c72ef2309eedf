// The stand-in's sends: blocking ones answered at once, asynchronous ones queued for the next
// pending-events step, each turned into the reply a received response would give.
#include "SnmpStandIn.h"

#include <deque>
#include <exception>
#include <utility>

namespace qs {
namespace {

struct QueuedAnswer {
    AsyncHandler handler;
    std::weak_ptr<void> owner;
    bool hasOwner = false;
    SnmpResponse response;
    std::vector<SnmpVarBind> asked;
};

SnmpStandIn* g_standIn = nullptr;
std::deque<QueuedAnswer> g_queue;

std::vector<SnmpVarBind> Names(const std::vector<SnmpVarBind>& vbs) {
    std::vector<SnmpVarBind> names;
    names.reserve(vbs.size());
    for (const SnmpVarBind& vb : vbs) {
        names.push_back({vb.oid, SnmpValue::null()});
    }
    return names;
}

SnmpReply ReplyOf(const SnmpResponse& response, const std::vector<SnmpVarBind>& asked) {
    if (response.failure != status::Success) {
        return {response.failure, 0, Names(asked)};
    }
    return ReplyOfResponse(response.errorStatus, response.errorIndex, response.vbs);
}

} // namespace

void SetSnmpStandIn(SnmpStandIn* standIn) {
    g_standIn = standIn;
    g_queue.clear();
}

namespace detail {

SnmpStandIn* CurrentStandIn() {
    return g_standIn;
}

SnmpReply StandInBlocking(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs) {
    return ReplyOf(g_standIn->Answer(target, kind, vbs), vbs);
}

int StandInAsync(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs,
                 AsyncHandler handler, std::weak_ptr<void> owner) {
    SnmpResponse response = g_standIn->Answer(target, kind, vbs);
    const bool hasOwner = !owner.expired();
    g_queue.push_back({std::move(handler), std::move(owner), hasOwner, std::move(response), vbs});
    return status::Success;
}

bool StandInPump() {
    if (g_standIn == nullptr) {
        return false;
    }
    // Only the answers queued before this step: a handler that sends again waits for the next.
    std::deque<QueuedAnswer> due = std::exchange(g_queue, {});
    std::exception_ptr failure;
    for (QueuedAnswer& answer : due) {
        if (answer.hasOwner && answer.owner.expired()) {
            continue;
        }
        const SnmpReply reply = ReplyOf(answer.response, answer.asked);
        const int reason = answer.response.failure != status::Success ? reply.status : status::AsyncResponse;
        try {
            answer.handler(reason, reply);
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    return true;
}

bool StandInOutstanding() {
    return g_standIn != nullptr && !g_queue.empty();
}

} // namespace detail
} // namespace qs
