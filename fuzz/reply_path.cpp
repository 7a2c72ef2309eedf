// The reply path of a request: scalar GETs, table walks (GET-NEXT) and SETs, blocking and
// asynchronous, answered through the adapter's stand-in by replies built from the input: the
// number and order of the bindings, their names (the asked one, a row further on, the next column,
// an earlier name, anything), their types and values with the SNMPv2 exceptions, the error status
// and index, a failure instead of a response, and the end of the input as the end of the MIB.
// Besides running clean, each run checks what must hold whatever an agent sends: a response never
// reads as a time-out, an error status is reported as its own code, a walk ends within the answers
// given, a reply that answers as asked reads without an error, and a write fails exactly when its
// reply is no success.
#include "FuzzInput.h"
#include "QsException.h"
#include "QsSNMPRequest.h"
#include "SnmpErrors.h"
#include "SnmpStandIn.h"
#include "SyntaxChoice.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

using qs::SnmpType;
using qs::SnmpValue;
using qs::SnmpVarBind;
using qs::fuzz::FuzzInput;

constexpr std::array<SnmpType, 13> kTypes = {
    SnmpType::Null,        SnmpType::Integer,   SnmpType::OctetString,  SnmpType::ObjectId,
    SnmpType::IpAddress,   SnmpType::Counter32, SnmpType::Gauge32,      SnmpType::TimeTicks,
    SnmpType::Opaque,      SnmpType::Counter64, SnmpType::NoSuchObject, SnmpType::NoSuchInstance,
    SnmpType::EndOfMibView};

// Error statuses an agent may put on the wire, the defined ones and numbers that are not.
constexpr std::array<long, 12> kOddStatuses = {
    1, 2, 5, 18, 19, -5, -1, 1408, 1410, -1406, std::numeric_limits<long>::min(), 4294967296L};

// Failures instead of a response.
constexpr std::array<int, 4> kFailures = {qs::status::Timeout, qs::status::TransportFailed,
                                          qs::status::UsmUnknownEngineId, qs::status::ClassError};

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "reply path: %s\n", what);
    std::abort();
}

void Expect(bool holds, const char* what) {
    if (!holds) {
        Broken(what);
    }
}

SnmpValue ValueFrom(FuzzInput& in) {
    SnmpValue v;
    v.type = kTypes[in.Byte() % kTypes.size()];
    switch (v.type) {
    case SnmpType::Integer:
        v.integer = static_cast<std::int32_t>(in.Uint32());
        break;
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks:
        v.unsigned32 = in.Uint32();
        break;
    case SnmpType::Counter64:
        v.counter64 = (static_cast<std::uint64_t>(in.Uint32()) << 32) | in.Uint32();
        break;
    case SnmpType::OctetString:
    case SnmpType::Opaque:
    case SnmpType::IpAddress:
        v.bytes = in.Bytes(in.Byte() % 24);
        break;
    case SnmpType::ObjectId:
        for (std::size_t n = in.Byte() % 8; n > 0; --n) {
            v.oid.push_back(in.Byte());
        }
        break;
    default:
        break;
    }
    return v;
}

// Answers each send from the input; once it is used up, as an agent at the end of its MIB.
class FuzzAgent : public qs::SnmpStandIn {
public:
    explicit FuzzAgent(FuzzInput& in) : in_(in) {}

    qs::SnmpResponse Answer(const qs::SnmpTarget&, qs::PduKind kind,
                            const std::vector<SnmpVarBind>& asked) override {
        last_ = {};
        lastWellFormed_ = false;
        if (in_.Empty()) {
            return EndOfMib(kind, asked);
        }
        ++given_;
        const std::uint8_t mode = in_.Byte();
        if (mode % 16 == 15) {
            last_.failure = kFailures[in_.Byte() % kFailures.size()];
            sawTimeout_ = sawTimeout_ || last_.failure == qs::status::Timeout;
            return last_;
        }
        if (mode % 4 == 3) {
            last_.errorStatus = kOddStatuses[in_.Byte() % kOddStatuses.size()];
            last_.errorIndex = static_cast<long>(in_.Uint32()) - 2;
        }
        const std::uint8_t shape = in_.Byte();
        std::size_t count = asked.size();
        if (shape % 8 == 7) { // two fewer to two more bindings than asked
            const std::size_t delta = in_.Byte() % 5;
            count = count + delta >= 2 ? count + delta - 2 : 0;
        }
        lastWellFormed_ = last_.errorStatus == 0 && count == asked.size();
        for (std::size_t i = 0; i < count; ++i) {
            last_.vbs.push_back(Binding(kind, asked, i));
        }
        return last_;
    }

    int Given() const { return given_; }
    bool SawTimeout() const { return sawTimeout_; }
    const qs::SnmpResponse& Last() const { return last_; }
    // The last response named the asked variables in order with values: a GET of it must read.
    bool LastWellFormed() const { return lastWellFormed_; }

private:
    SnmpVarBind Binding(qs::PduKind kind, const std::vector<SnmpVarBind>& asked, std::size_t i) {
        const qs::OidVector base = i < asked.size() ? asked[i].oid : qs::OidVector{1, 3, 6};
        SnmpVarBind vb{base, ValueFrom(in_)};
        const std::uint8_t naming = in_.Byte();
        switch (naming % 8) {
        case 0:
        case 1:
        case 2: // the asked name; a GET-NEXT answer a row further on
            if (kind == qs::PduKind::GetNext) {
                for (std::size_t n = 1 + naming % 3; n > 0; --n) {
                    vb.oid.push_back(in_.Byte() % 8);
                }
            }
            break;
        case 3: // the next column
            if (!vb.oid.empty()) {
                vb.oid.back() += 1;
            }
            break;
        case 4: // an earlier name
            if (!vb.oid.empty()) {
                vb.oid.pop_back();
            }
            break;
        case 5: // another binding's name: the order of the reply
            vb.oid = asked.empty() ? base : asked[in_.Byte() % asked.size()].oid;
            break;
        default: // any name
            vb.oid.clear();
            for (std::size_t n = in_.Byte() % 12; n > 0; --n) {
                vb.oid.push_back(in_.Byte() < 0xF0 ? in_.Byte() % 16 : in_.Uint32());
            }
            break;
        }
        if (i >= asked.size() || vb.oid != asked[i].oid || !vb.value.hasValue()) {
            lastWellFormed_ = lastWellFormed_ && kind != qs::PduKind::Get;
        }
        return vb;
    }

    static qs::SnmpResponse EndOfMib(qs::PduKind kind, const std::vector<SnmpVarBind>& asked) {
        qs::SnmpResponse r;
        for (const SnmpVarBind& vb : asked) {
            r.vbs.push_back(
                {vb.oid, kind == qs::PduKind::Set ? vb.value : SnmpValue::exception(SnmpType::EndOfMibView)});
        }
        if (kind == qs::PduKind::Get) {
            r.errorStatus = 2; // noSuchName
        }
        return r;
    }

    FuzzInput& in_;
    qs::SnmpResponse last_;
    bool lastWellFormed_ = false;
    int given_ = 0;
    bool sawTimeout_ = false;
};

// The code a response's error status must be reported with.
int ExpectedCode(long errorStatus) {
    return errorStatus >= 1 && errorStatus <= 18 ? -100 - static_cast<int>(errorStatus)
                                                 : qs::err::UnknownStatus;
}

std::vector<int> g_codes; // every error the request reported in this run

void Collect(QsSNMPError* error) {
    g_codes.push_back(error->code);
}

// A scalar list or a table of one or two keys, each variable of a syntax from the input.
void BuildList(FuzzInput& in, QsSNMPRequest& request, bool table) {
    const std::string entry = "1.3.6.1.4.1.99999.1.1.";
    const int keys = table ? 1 + in.Byte() % 2 : 0;
    const int columns = 1 + in.Byte() % 3;
    QsSNMPVarList& list = request.List;
    list.ItemType = table ? MVT_FMV : SVT_SV;
    list.PKeyCount = keys;
    for (int k = 0; k < keys; ++k) {
        const std::uint32_t implied = in.Byte() % 4 == 0 ? std::uint32_t{ACC_IMPLIED} : 0U;
        list.AddVar(entry + std::to_string(k + 1), "key", qs::fuzz::PickSyntax(in, true),
                    ACC_NOTACCESS | implied);
    }
    for (int c = 0; c < columns; ++c) {
        list.AddVar(entry + std::to_string(keys + c + 1), "col", qs::fuzz::PickSyntax(in, true),
                    ACC_READWRITE);
        list.GetVar(list.GetCount() - 1)->Value = c == 0 ? "1" : in.Text();
    }
}

void ScalarGet(QsSNMPRequest& request, FuzzAgent& agent) {
    bool ok = false;
    request.GetSync(ok, true);
    const qs::SnmpResponse& r = agent.Last();
    if (r.failure == qs::status::Success && r.errorStatus != 0) {
        Expect(!ok && !g_codes.empty() && g_codes.back() == ExpectedCode(r.errorStatus),
               "an error status is reported as its own code");
    }
    if (agent.LastWellFormed()) {
        Expect(ok && g_codes.empty(), "a reply that answers as asked reads without an error");
    }
}

void BlockingWalk(QsSNMPRequest& request, FuzzAgent& agent) {
    bool ok = true;
    bool more = request.GetSync(ok, true);
    int steps = 1;
    while (more && ok) {
        Expect(steps <= agent.Given() + 1, "a walk ends within the answers given");
        more = request.GetSync(ok, false);
        ++steps;
    }
}

struct AsyncState {
    QsSNMPRequest* request = nullptr;
    bool done = false;
    int steps = 0;
};

void OnStep(void* driver, QsSNMPError* error, QsSNMPVarList*) {
    auto& state = *static_cast<AsyncState*>(driver);
    ++state.steps;
    if (error->code != 0) {
        g_codes.push_back(error->code);
    }
    if (error->done || error->code != 0) {
        state.done = true;
        return;
    }
    bool ok = false;
    state.request->GetAsync(ok, OnStep, driver, false);
    state.done = !ok;
}

void AsyncWalk(QsSNMPRequest& request, FuzzAgent& agent) {
    AsyncState state{&request};
    bool ok = false;
    request.GetAsync(ok, OnStep, &state, true);
    state.done = !ok;
    while (!state.done) {
        Expect(qs::HasOutstandingRequests(), "an asynchronous walk under way has a request outstanding");
        Expect(state.steps <= agent.Given() + 1, "a walk ends within the answers given");
        qs::ProcessPendingEvents();
    }
}

void Write(QsSNMPRequest& request, FuzzAgent& agent, bool readBack) {
    bool ok = false;
    QsSNMPError error;
    request.SetSync(ok, error, readBack, "", nullptr);
    const qs::SnmpResponse& r = agent.Last();
    if (agent.Given() > 0) {
        const bool success = r.failure == qs::status::Success && r.errorStatus == 0;
        Expect(ok == success, "a write fails exactly when its reply is no success");
        Expect(success || error.code == (r.failure != qs::status::Success ? MapSnmpStatus(r.failure).code
                                                                          : ExpectedCode(r.errorStatus)),
               "a refused write reports the refusal");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t operation = in.Byte() % 5;
    QsSNMPRequest request;
    request.Device = {"127.0.0.1", 161};
    request.Security.version = 1;
    request.Security.readCommunity = "public";
    request.Security.writeCommunity = "private";
    request.Timeout = 100;
    request.ErrorHook = Collect;
    BuildList(in, request, operation == 1 || operation == 2);
    FuzzAgent agent(in);
    qs::SetSnmpStandIn(&agent);
    g_codes.clear();
    try {
        switch (operation) {
        case 0:
            ScalarGet(request, agent);
            break;
        case 1:
            BlockingWalk(request, agent);
            break;
        case 2:
            AsyncWalk(request, agent);
            break;
        default:
            Write(request, agent, operation == 4);
            break;
        }
    } catch (const QsException&) {
        // a reply the request refuses by raising, as the drivers expect
    }
    if (!agent.SawTimeout()) {
        for (const int code : g_codes) {
            Expect(code != qs::err::Timeout, "a response never reads as a time-out");
        }
    }
    qs::SetSnmpStandIn(nullptr);
    return 0;
}
