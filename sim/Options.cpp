#include "Options.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace krssim {
namespace {

bool parseInt(const std::string& text, int lo, int hi, int& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && out >= lo && out <= hi;
}

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, sep);) {
        parts.push_back(part);
    }
    return parts;
}

bool readUsersFile(const std::string& path, Options& options, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be opened";
        return false;
    }
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        auto start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') {
            continue;
        }
        auto end = line.find_last_not_of(" \t\r");
        UsmUser user;
        if (!parseUser(line.substr(start, end - start + 1), user, error)) {
            error = path + ":" + std::to_string(lineNo) + ": " + error;
            return false;
        }
        options.users.push_back(user);
    }
    return true;
}

bool parseSetFault(const std::string& text, Options& options, std::string& error) {
    auto eq = text.find('=');
    auto oid = parseOid(text.substr(0, eq));
    int status = eq == std::string::npos ? -1 : errorFromName(text.substr(eq + 1));
    if (!oid || status < 0) {
        error = "--set-error wants OID=STATUS (a status name such as wrongValue, or its number)";
        return false;
    }
    options.setFaults.push_back({*oid, status});
    return true;
}

// Options that take a value; returns false with an error for an unknown or malformed one.
bool applyValued(const std::string& name, const std::string& value, Options& o, std::string& error) {
    bool ok = true;
    if (name == "--data") {
        o.dataFile = value;
    } else if (name == "--port") {
        ok = parseInt(value, 0, 65535, o.port);
    } else if (name == "--read-community") {
        o.readCommunity = value;
    } else if (name == "--write-community") {
        o.writeCommunity = value;
    } else if (name == "--user") {
        o.users.emplace_back();
        return parseUser(value, o.users.back(), error);
    } else if (name == "--engine-id") {
        o.engineId = value;
        ok = !value.empty() && value.size() <= 27; // an engine ID holds at most 32 octets
    } else if (name == "--engine-boots") {
        ok = parseInt(value, 1, 2147483646, o.engineBoots);
    } else if (name == "--users") {
        return readUsersFile(value, o, error);
    } else if (name == "--journal") {
        o.journalFile = value;
    } else if (name == "--save") {
        o.saveFile = value;
    } else if (name == "--delay") {
        ok = parseInt(value, 0, 600000, o.delayMs);
    } else if (name == "--drop-every") {
        ok = parseInt(value, 1, 1000000, o.dropEvery);
    } else if (name == "--set-error") {
        return parseSetFault(value, o, error);
    } else if (name == "--bad-next") {
        auto oid = parseOid(value);
        ok = oid.has_value();
        o.brokenNext = oid.value_or(Oid{});
    } else if (name == "--drop-under") {
        auto oid = parseOid(value);
        ok = oid.has_value();
        o.dropUnder = oid.value_or(Oid{});
    } else if (name == "--without") {
        auto oid = parseOid(value);
        ok = oid.has_value() && !oid->empty();
        if (ok) {
            o.without.push_back(*oid);
        }
    } else if (name == "--flip-links") {
        ok = parseInt(value, 1, 3600, o.flipSeconds);
    } else {
        error = "unknown option " + name;
        return false;
    }
    if (!ok) {
        error = "bad value \"" + value + "\" for " + name;
    }
    return ok;
}

} // namespace

const char* usageText() {
    return "usage: krs-sim [--data FILE|FOLDER] [--port N] [--ipv6]\n"
           "               [--read-community TEXT] [--write-community TEXT]\n"
           "               [--user NAME[:MD5|SHA:AUTHPASS[:DES:PRIVPASS]]] [--users FILE]\n"
           "               [--engine-id TEXT] [--engine-boots N]\n"
           "               [--journal FILE] [--save FILE] [--flip-links SECONDS]\n"
           "               [--no-answer] [--delay MS] [--drop-every N] [--set-error OID=STATUS]\n"
           "               [--bad-next OID] [--drop-under OID] [--without OID]\n"
           "Serves the data file (or every *.walk file of a folder) on udp:127.0.0.1 (and udp6:[::1]\n"
           "with --ipv6). --port 0 picks a free port; the port is printed on the first line of standard\n"
           "output once the agent answers.\n";
}

bool parseUser(const std::string& text, UsmUser& user, std::string& error) {
    auto parts = split(text, ':');
    bool shapeOk =
        !parts.empty() && !parts[0].empty() && (parts.size() == 1 || parts.size() == 3 || parts.size() == 5);
    if (shapeOk && parts.size() >= 3) {
        user.auth = parts[1];
        user.authPass = parts[2];
        shapeOk = (user.auth == "MD5" || user.auth == "SHA") && user.authPass.size() >= 8;
    }
    if (shapeOk && parts.size() == 5) {
        user.priv = parts[3];
        user.privPass = parts[4];
        shapeOk = user.priv == "DES" && user.privPass.size() >= 8;
    }
    if (!shapeOk) {
        error = "bad user \"" + text +
                "\": want NAME[:MD5|SHA:AUTHPASS[:DES:PRIVPASS]], pass phrases of 8 "
                "characters or more";
        return false;
    }
    user.name = parts[0];
    return true;
}

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help") {
            error.clear();
            return false;
        }
        if (arg == "--ipv6") {
            options.ipv6 = true;
        } else if (arg == "--no-answer") {
            options.noAnswer = true;
        } else if (arg.rfind("--", 0) != 0) {
            error = "unexpected argument " + arg;
            return false;
        } else if (i + 1 >= argc) {
            error = "missing value for " + arg;
            return false;
        } else if (!applyValued(arg, argv[++i], options, error)) {
            return false;
        }
    }
    return true;
}

} // namespace krssim
