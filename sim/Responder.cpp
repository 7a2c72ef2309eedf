#include "Responder.h"

#include <algorithm>
#include <array>

namespace krssim {
namespace {

constexpr std::array<const char*, 19> kErrorNames{"noError",
                                                  "tooBig",
                                                  "noSuchName",
                                                  "badValue",
                                                  "readOnly",
                                                  "genErr",
                                                  "noAccess",
                                                  "wrongType",
                                                  "wrongLength",
                                                  "wrongEncoding",
                                                  "wrongValue",
                                                  "noCreation",
                                                  "inconsistentValue",
                                                  "resourceUnavailable",
                                                  "commitFailed",
                                                  "undoFailed",
                                                  "authorizationError",
                                                  "notWritable",
                                                  "inconsistentName"};

// Most variable bindings one GET-BULK answer carries.
constexpr std::size_t kMaxBulkVarbinds = 100;

} // namespace

std::string errorName(int status) {
    if (status >= 0 && status < static_cast<int>(kErrorNames.size())) {
        return kErrorNames[static_cast<std::size_t>(status)];
    }
    return std::to_string(status);
}

int errorFromName(const std::string& name) {
    for (std::size_t i = 0; i < kErrorNames.size(); ++i) {
        if (name == kErrorNames[i]) {
            return static_cast<int>(i);
        }
    }
    if (!name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        name.size() < 3 && std::stoi(name) < static_cast<int>(kErrorNames.size())) {
        return std::stoi(name);
    }
    return -1;
}

int v1Error(int status) {
    switch (status) {
    case WrongValue:
    case WrongEncoding:
    case WrongType:
    case WrongLength:
    case InconsistentValue:
        return BadValue;
    case NoAccess:
    case NotWritable:
    case NoCreation:
    case InconsistentName:
    case AuthorizationError:
        return NoSuchName;
    case ResourceUnavailable:
    case CommitFailed:
    case UndoFailed:
        return GenErr;
    default:
        return status;
    }
}

Response Responder::answer(const Request& request) {
    Response response;
    switch (request.pdu) {
    case PduType::Get:
        response = get(request);
        break;
    case PduType::GetNext:
        response = getNext(request);
        break;
    case PduType::GetBulk:
        response = getBulk(request);
        break;
    case PduType::Set:
        response = set(request);
        break;
    }
    if (request.version == V1) {
        response.errorStatus = v1Error(response.errorStatus);
    }
    if (response.errorStatus != NoError) {
        response.varbinds = request.varbinds;
    }
    return response;
}

Response Responder::get(const Request& request) const {
    Response response;
    for (std::size_t i = 0; i < request.varbinds.size(); ++i) {
        const Oid& oid = request.varbinds[i].oid;
        const Value* value = store_.find(oid);
        if (value && !(request.version == V1 && value->type == Type::Counter64)) {
            response.varbinds.push_back({oid, *value});
            continue;
        }
        if (request.version == V1) {
            return {NoSuchName, static_cast<int>(i) + 1, {}};
        }
        Oid parent(oid.begin(), oid.end() - 1);
        bool column = store_.hasUnder(parent) && !store_.hasUnder(oid);
        response.varbinds.push_back(
            {oid, Value::exception(column ? Type::NoSuchInstance : Type::NoSuchObject)});
    }
    return response;
}

VarBind Responder::nextOf(const Oid& oid, Version version) const {
    auto it = store_.after(oid);
    while (it != store_.values().end() && version == V1 && it->second.type == Type::Counter64) {
        ++it;
    }
    if (it == store_.values().end()) {
        return {oid, Value::exception(Type::EndOfMibView)};
    }
    if (!brokenNext_.empty() && startsWith(oid, brokenNext_)) {
        return {oid, it->second};
    }
    return {it->first, it->second};
}

Response Responder::getNext(const Request& request) const {
    Response response;
    for (std::size_t i = 0; i < request.varbinds.size(); ++i) {
        VarBind next = nextOf(request.varbinds[i].oid, request.version);
        if (next.value.type == Type::EndOfMibView && request.version == V1) {
            return {NoSuchName, static_cast<int>(i) + 1, {}};
        }
        response.varbinds.push_back(std::move(next));
    }
    return response;
}

Response Responder::getBulk(const Request& request) const {
    Response response;
    const auto& in = request.varbinds;
    auto n = std::min<std::size_t>(static_cast<std::size_t>(std::max(request.nonRepeaters, 0)), in.size());
    for (std::size_t i = 0; i < n; ++i) {
        response.varbinds.push_back(nextOf(in[i].oid, request.version));
    }
    std::vector<Oid> cursors;
    for (std::size_t i = n; i < in.size(); ++i) {
        cursors.push_back(in[i].oid);
    }
    for (int rep = 0; rep < request.maxRepetitions && !cursors.empty(); ++rep) {
        bool allEnded = true;
        for (auto& cursor : cursors) {
            if (response.varbinds.size() >= kMaxBulkVarbinds) {
                return response;
            }
            VarBind next = nextOf(cursor, request.version);
            allEnded = allEnded && next.value.type == Type::EndOfMibView;
            cursor = next.oid;
            response.varbinds.push_back(std::move(next));
        }
        if (allEnded) {
            break;
        }
    }
    return response;
}

} // namespace krssim
