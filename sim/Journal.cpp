#include "Journal.h"

#include <chrono>
#include <cstring>
#include <ctime>

namespace krssim {
namespace {

std::string timestamp() {
    auto now = std::chrono::system_clock::now();
    auto secs = std::chrono::system_clock::to_time_t(now);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm tm{};
    gmtime_r(&secs, &tm);
    char buf[96];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms));
    return buf;
}

std::string quoted(const std::string& text) {
    return '"' + jsonEscape(text) + '"';
}

std::string varbindsJson(const std::vector<VarBind>& varbinds) {
    std::string out = "[";
    for (const auto& vb : varbinds) {
        out += out.size() > 1 ? "," : "";
        out += "{\"oid\":" + quoted(formatOid(vb.oid)) + ",\"type\":" + quoted(typeName(vb.value.type)) +
               ",\"value\":" + quoted(valueText(vb.value)) + "}";
    }
    return out + "]";
}

} // namespace

std::string jsonEscape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string journalLine(const JournalEntry& e) {
    static const char* versions[] = {"1", "2c", "", "3"};
    std::string line = "{\"time\":" + quoted(timestamp()) + ",\"peer\":" + quoted(e.peer) +
                       ",\"version\":" + quoted(versions[e.version]);
    if (e.version == V3) {
        line += ",\"user\":" + quoted(e.user) + ",\"level\":" + quoted(e.level);
    } else {
        line += ",\"community\":" + quoted(e.community);
    }
    line += ",\"pdu\":" + quoted(e.pdu) + ",\"request_id\":" + std::to_string(e.requestId);
    line += ",\"varbinds\":" + varbindsJson(e.varbinds ? *e.varbinds : std::vector<VarBind>{});
    if (e.response) {
        line += ",\"error_status\":" + quoted(errorName(e.response->errorStatus)) +
                ",\"error_index\":" + std::to_string(e.response->errorIndex);
    }
    line += ",\"answer\":" + quoted(e.answer);
    if (!e.why.empty()) {
        line += ",\"why\":" + quoted(e.why);
    }
    return line + "}";
}

Journal::~Journal() {
    if (file_) {
        std::fclose(file_);
    }
}

bool Journal::open(const std::string& path, std::string& error) {
    file_ = std::fopen(path.c_str(), "a");
    if (!file_) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void Journal::write(const JournalEntry& entry) {
    if (!file_) {
        return;
    }
    std::string line = journalLine(entry) + "\n";
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

} // namespace krssim
