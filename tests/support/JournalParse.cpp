// Reads krs-sim's journal lines: flat JSON objects whose only nested value is the varbind list.
#include "SimProcess.h"

#include <cstdlib>
#include <map>

namespace qs::test {
namespace {

struct Cursor {
    const std::string& text;
    std::size_t pos = 0;

    void skipSpace() {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
            ++pos;
        }
    }
    bool take(char c) {
        skipSpace();
        if (pos < text.size() && text[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    bool string(std::string& out) {
        if (!take('"')) {
            return false;
        }
        for (; pos < text.size(); ++pos) {
            char c = text[pos];
            if (c == '"') {
                ++pos;
                return true;
            }
            if (c == '\\' && pos + 1 < text.size()) {
                c = text[++pos];
                if (c == 'u' && pos + 4 < text.size()) {
                    c = static_cast<char>(std::strtol(text.substr(pos + 1, 4).c_str(), nullptr, 16));
                    pos += 4;
                }
            }
            out += c;
        }
        return false;
    }
    // A string or a bare number / literal, as text.
    bool scalar(std::string& out) {
        skipSpace();
        if (pos < text.size() && text[pos] == '"') {
            return string(out);
        }
        auto end = text.find_first_of(",}]", pos);
        if (end == std::string::npos || end == pos) {
            return false;
        }
        out = text.substr(pos, end - pos);
        pos = end;
        return true;
    }
};

bool parseFlatObject(Cursor& c, std::map<std::string, std::string>& fields,
                     std::vector<JournalVarBind>* varbinds);

bool parseVarbinds(Cursor& c, std::vector<JournalVarBind>& out) {
    if (!c.take('[')) {
        return false;
    }
    if (c.take(']')) {
        return true;
    }
    do {
        std::map<std::string, std::string> fields;
        if (!parseFlatObject(c, fields, nullptr)) {
            return false;
        }
        out.push_back({fields["oid"], fields["type"], fields["value"]});
    } while (c.take(','));
    return c.take(']');
}

bool parseFlatObject(Cursor& c, std::map<std::string, std::string>& fields,
                     std::vector<JournalVarBind>* varbinds) {
    if (!c.take('{')) {
        return false;
    }
    do {
        std::string key, value;
        if (!c.string(key) || !c.take(':')) {
            return false;
        }
        if (key == "varbinds" && varbinds) {
            if (!parseVarbinds(c, *varbinds)) {
                return false;
            }
            continue;
        }
        if (!c.scalar(value)) {
            return false;
        }
        fields[key] = value;
    } while (c.take(','));
    return c.take('}');
}

} // namespace

bool parseJournalLine(const std::string& line, JournalRecord& r) {
    Cursor c{line};
    std::map<std::string, std::string> f;
    if (!parseFlatObject(c, f, &r.varbinds)) {
        return false;
    }
    r.time = f["time"];
    r.peer = f["peer"];
    r.version = f["version"];
    r.community = f["community"];
    r.user = f["user"];
    r.level = f["level"];
    r.pdu = f["pdu"];
    r.requestId = std::atol(f["request_id"].c_str());
    r.errorStatus = f["error_status"];
    r.errorIndex = std::atoi(f["error_index"].c_str());
    r.answer = f["answer"];
    r.why = f["why"];
    return true;
}

} // namespace qs::test
