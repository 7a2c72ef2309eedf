// Reads of QsSNMPRequest: blocking and asynchronous GET / GET-NEXT steps and the decode pass.
#include "BlockingAction.h"
#include "QsException.h"
#include "QsSNMPRequest.h"
#include "SnmpAdapter.h"
#include "SnmpErrors.h"

namespace {

constexpr int kNoSuchName = -102;    // framework code of the agent's noSuchName
constexpr int kNoSuchNameStatus = 2; // the agent's error status
constexpr const char* kNotDone = "(NOTDONE)";

std::vector<qs::SnmpVarBind> NamesOnly(const std::vector<qs::SnmpVarBind>& vbs) {
    std::vector<qs::SnmpVarBind> names;
    for (const qs::SnmpVarBind& vb : vbs) {
        names.push_back({vb.oid, qs::SnmpValue::null()});
    }
    return names;
}

} // namespace

// A reply that carries no error status still fails when its bindings do not answer the request:
// other names or another count, or a GET-NEXT answer that does not come after the asked name
// (an end-of-view echo aside). A GET answered with "no such object" or "no such instance" fails
// as SNMPv1's noSuchName does, so a missing object reads the same under every version.
qs::MappedStatus QsSNMPRequest::ReplyStatus(qs::PduKind kind, const std::vector<qs::SnmpVarBind>& asked,
                                            const qs::SnmpReply& reply) {
    if (reply.status != qs::status::Success || kind == qs::PduKind::Set) {
        return MapSnmpStatus(reply.status);
    }
    const qs::MappedStatus mismatch{qs::err::ReplyMismatch, qs::FrameworkErrorText(qs::err::ReplyMismatch)};
    if (reply.vbs.size() != asked.size()) {
        return mismatch;
    }
    bool missing = false;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        const qs::SnmpVarBind& got = reply.vbs[i];
        if (kind == qs::PduKind::Get) {
            if (got.oid != asked[i].oid) {
                return mismatch;
            }
            missing = missing || got.value.type == qs::SnmpType::NoSuchObject ||
                      got.value.type == qs::SnmpType::NoSuchInstance;
        } else if (got.value.type != qs::SnmpType::EndOfMibView && !(asked[i].oid < got.oid)) {
            return mismatch;
        }
    }
    return MapSnmpStatus(missing ? kNoSuchNameStatus : qs::status::Success);
}

qs::PduKind QsSNMPRequest::ReadKind() const {
    if (List.ItemType == SVT_SV || (List.ItemType == MVT_SV && !UseGetNext)) {
        return qs::PduKind::Get;
    }
    return qs::PduKind::GetNext;
}

bool QsSNMPRequest::CheckItemType(bool& ok) {
    if (List.ItemType <= MVT_UMV) {
        return true;
    }
    ReportError(qs::err::BadItemType, qs::FrameworkErrorText(qs::err::BadItemType));
    ok = false;
    return false;
}

// Matches the reply's bindings to the readable variables by position. A binding the reply
// lacks counts as the asked name without a value, which ends a table column.
QsSNMPRequest::DecodeResult QsSNMPRequest::DecodePass(const std::vector<qs::SnmpVarBind>& reply,
                                                      const std::vector<qs::SnmpVarBind>& asked,
                                                      bool v1EndRules) {
    DecodeResult pass;
    for (int i = 0; i < List.GetCount(); ++i) {
        if (!List.IsReadable(i)) {
            continue;
        }
        const auto n = static_cast<std::size_t>(pass.count);
        qs::SnmpVarBind vb;
        if (n < reply.size()) {
            vb = reply[n];
        } else if (n < asked.size()) {
            vb.oid = asked[n].oid;
        }
        const std::string received = qs::OidToText(vb.oid);
        QsSNMPVar& var = *List.GetVar(i);
        if (v1EndRules) {
            if (received == var.CurrentOid) {
                pass.walkOver = true;
                return pass;
            }
            const qs::MappedStatus mapped = MapSnmpStatus(kNoSuchNameStatus);
            ReportError(mapped.code, mapped.text);
        }
        const std::string column = ColumnOid(i);
        if (IsEndOfColumn(column, var.CurrentOid, received)) {
            ++pass.ended;
            // Placed first: a key that is also read names the row with the value it still holds.
            var.CurrentOid = EndedColumnOid(column);
            var.Value = kNotDone;
        } else {
            StoreVb(i, vb);
            var.CurrentOid = received;
            // Only a column that goes on names the row: one that just ended already points
            // into the next column.
            if (pass.rowSuffix.empty() && received.size() > column.size()) {
                pass.rowSuffix = received.substr(column.size() + 1);
            }
        }
        ++pass.count;
    }
    return pass;
}

// After a pass that read a row: index values and get formulas. True when a table walk goes on.
bool QsSNMPRequest::FinishRow(const DecodeResult& pass) {
    if (pass.ended == pass.count) {
        return false;
    }
    if (List.IsTable()) {
        SetRowIndex(pass.rowSuffix);
    }
    for (int i = 0; i < List.GetCount(); ++i) {
        ApplyFormula(i, true);
    }
    return List.IsTable();
}

qs::SnmpReply QsSNMPRequest::SendLatched(const qs::SnmpTarget& target, qs::PduKind kind,
                                         const std::vector<qs::SnmpVarBind>& asked) {
    const std::string credentials = qs::CredentialsKey(target, kind);
    if (qs::BlockingAction::Stopped(credentials)) {
        qs::BlockingAction::NoteSkipped();
        return {qs::status::Timeout, 0, NamesOnly(asked)};
    }
    qs::SnmpReply reply = qs::SendBlocking(target, kind, asked);
    if (reply.status == qs::status::Timeout) {
        qs::BlockingAction::NoteTimeout(credentials);
    }
    return reply;
}

bool QsSNMPRequest::GetSync(bool& ok, bool first) {
    ok = true;
    if (!Active) {
        ok = false;
        return false;
    }
    const qs::SnmpTarget target = MakeTargets();
    const std::vector<qs::SnmpVarBind> asked = MakePdu(first ? kFirstRead : kNextRead);
    if (!CheckItemType(ok)) {
        return false;
    }
    qs::SnmpReply reply = SendLatched(target, ReadKind(), asked);
    const qs::MappedStatus mapped = ReplyStatus(ReadKind(), asked, reply);
    const bool v1End = mapped.code == kNoSuchName && List.IsTable();
    if (mapped.code != 0) {
        ok = false;
        if (!v1End) {
            ReportError(mapped.code, mapped.text);
        }
        if (reply.status == qs::status::Success) {
            reply.vbs = NamesOnly(asked); // nothing of a reply that does not answer is stored
        }
    }
    const DecodeResult pass = DecodePass(reply.vbs, asked, v1End);
    return !pass.walkOver && FinishRow(pass);
}

void QsSNMPRequest::GetAsync(bool& ok, QsSNMPCompletion completion, void* driver, bool first) {
    ok = true;
    if (!Active) {
        ok = false;
        return;
    }
    const qs::SnmpTarget target = MakeTargets();
    AsyncContext context{completion, driver,    true, true, MakePdu(first ? kFirstRead : kNextRead),
                         Device,     ReadKind()};
    if (!CheckItemType(ok)) {
        return;
    }
    if (!SendAsyncWith(context, target, ReadKind())) {
        ok = false;
    }
}

// A send the library refused is reported and not counted as pending: no reply will come.
bool QsSNMPRequest::SendAsyncWith(const AsyncContext& context, const qs::SnmpTarget& target,
                                  qs::PduKind kind) {
    const int sent = qs::SendAsync(
        target, kind, context.asked,
        [this, context](int reason, const qs::SnmpReply& reply) { OnAsyncResponse(context, reason, reply); },
        alive_);
    if (sent != qs::status::Success) {
        const qs::MappedStatus mapped = MapSnmpStatus(sent);
        ReportError(mapped.code, mapped.text);
        return false;
    }
    ++Pending;
    return true;
}

void QsSNMPRequest::OnAsyncResponse(const AsyncContext& context, int reason, const qs::SnmpReply& reply) {
    // The completion may delete this request (a page closing while it adds a row): afterwards
    // nothing of it may be touched, so pending is lowered only while the request still lives.
    struct PendingDone {
        int& pending;
        std::weak_ptr<int> alive;
        ~PendingDone() {
            if (!alive.expired()) {
                --pending;
            }
        }
    } pendingDone{Pending, alive_};
    if (reason == qs::status::SessionDestroyed) {
        return;
    }
    // Only a response carries an error status; every other reason is the failure itself.
    const bool response = reason == qs::status::AsyncResponse;
    const qs::MappedStatus mapped = !response      ? MapSnmpStatus(reason)
                                    : context.read ? ReplyStatus(context.kind, context.asked, reply)
                                                   : MapSnmpStatus(reply.status);
    QsSNMPError record;
    record.code = mapped.code;
    record.message = mapped.text;
    record.errorIndex = reply.errorIndex;
    record.peer = context.peer;
    try {
        DecodeAsyncReply(record, context, reply);
    } catch (const QsException& e) {
        record.code = e.helpContext;
        record.message = e.what();
        record.done = true;
    }
    if (context.completion) {
        context.completion(context.driver, &record, &List);
    }
}

void QsSNMPRequest::DecodeAsyncReply(QsSNMPError& record, const AsyncContext& context,
                                     const qs::SnmpReply& reply) {
    // noSuchName ends a walk only for GET-NEXT reads; for a write it is a refusal like any other.
    const bool v1End = record.code == kNoSuchName && List.IsTable() && context.read;
    if (!(record.code == 0 && context.decode) && !v1End) {
        record.done = true;
        return;
    }
    if (v1End) {
        for (int i = 0; i < List.GetCount(); ++i) {
            if (!List.IsReadable(i)) {
                continue;
            }
            const auto& named = reply.vbs.empty() ? context.asked : reply.vbs;
            if (!named.empty() && qs::OidToText(named[0].oid) == List.GetVar(i)->CurrentOid) {
                const qs::MappedStatus ok = MapSnmpStatus(0);
                record.code = ok.code;
                record.message = ok.text;
            }
            break;
        }
        record.done = true;
        return;
    }
    record.done = !FinishRow(DecodePass(reply.vbs, context.asked, false));
}
