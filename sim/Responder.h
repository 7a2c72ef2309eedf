// The semantics of a real agent over the store: GET, GET-NEXT, GET-BULK and an
// all-or-nothing SET with the standard error statuses, RowStatus handling and the v1 mapping.
#pragma once

#include "MibStore.h"

#include <string>
#include <vector>

namespace krssim {

enum class PduType { Get, GetNext, GetBulk, Set };
enum Version { V1 = 0, V2c = 1, V3 = 3 };

// SNMP error-status values.
enum ErrorStatus {
    NoError = 0,
    TooBig = 1,
    NoSuchName = 2,
    BadValue = 3,
    ReadOnly = 4,
    GenErr = 5,
    NoAccess = 6,
    WrongType = 7,
    WrongLength = 8,
    WrongEncoding = 9,
    WrongValue = 10,
    NoCreation = 11,
    InconsistentValue = 12,
    ResourceUnavailable = 13,
    CommitFailed = 14,
    UndoFailed = 15,
    AuthorizationError = 16,
    NotWritable = 17,
    InconsistentName = 18,
};

// "noError", "wrongType", ...; and back (a number is accepted too). -1 when unknown.
std::string errorName(int status);
int errorFromName(const std::string& name);
// The v1 error status for a v2 one (RFC 2576, 4.3).
int v1Error(int status);

struct VarBind {
    Oid oid;
    Value value;
};

struct Request {
    Version version = V2c;
    PduType pdu = PduType::Get;
    bool mayWrite = false;
    std::vector<VarBind> varbinds;
    int nonRepeaters = 0;
    int maxRepetitions = 0;
};

struct Response {
    int errorStatus = NoError;
    int errorIndex = 0;
    std::vector<VarBind> varbinds;
};

// A SET fault: a SET that touches an object under `oid` is refused with `status`.
struct SetFault {
    Oid oid;
    int status = GenErr;
};

class Responder {
public:
    explicit Responder(MibStore& store) : store_(store) {}

    void addSetFault(SetFault fault) { setFaults_.push_back(std::move(fault)); }
    // GET-NEXT under this subtree answers the requested OID itself (never increasing).
    void setBrokenNext(Oid subtree) { brokenNext_ = std::move(subtree); }

    Response answer(const Request& request);

private:
    Response get(const Request& request) const;
    Response getNext(const Request& request) const;
    Response getBulk(const Request& request) const;
    Response set(const Request& request);
    VarBind nextOf(const Oid& oid, Version version) const;

    MibStore& store_;
    std::vector<SetFault> setFaults_;
    Oid brokenNext_;
};

} // namespace krssim
