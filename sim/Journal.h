// The request journal: one JSON object per line for every request received, written and
// flushed at once so that a test can read it while the agent runs. Fields:
//   time, peer, version ("1", "2c", "3"), community or user and level, pdu ("get", "getnext",
//   "getbulk", "set"), request_id, varbinds [{oid, type, value}], error_status, error_index,
//   answer ("sent", "delayed", "none") and, when no answer went out, why ("no-answer",
//   "dropped", "bad-community", "auth-failed", "unsupported-pdu").
#pragma once

#include "Responder.h"

#include <cstdio>
#include <string>

namespace krssim {

struct JournalEntry {
    std::string peer;
    Version version = V2c;
    std::string community; // v1 and v2c
    std::string user;      // v3
    std::string level;     // v3: noAuthNoPriv, authNoPriv, authPriv
    std::string pdu;
    long requestId = 0;
    const std::vector<VarBind>* varbinds = nullptr;
    const Response* response = nullptr; // null when not answered
    std::string answer = "sent";
    std::string why;
};

std::string jsonEscape(const std::string& text);
std::string journalLine(const JournalEntry& entry);

class Journal {
public:
    Journal() = default;
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;
    ~Journal();

    bool open(const std::string& path, std::string& error);
    bool isOpen() const { return file_ != nullptr; }
    void write(const JournalEntry& entry);

private:
    std::FILE* file_ = nullptr;
};

} // namespace krssim
