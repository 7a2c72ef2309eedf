#include "BootCounterFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string_view>

namespace qs::bootcounter {
namespace {

constexpr std::size_t kMaxEngineId = 32;

constexpr const char* kHeader[] = {
    "# ",
    "# This file was created by an SNMP++v3 application,",
    "# it is used to store the snmpEngineBoots counters.",
    "# ",
    "# Lines starting with '#' are comments.",
    "# The snmpEngineBoots counters are stored as",
    "# <encoded snmpEngineId> <bootCounter>",
    "# ",
};

bool IsEntryOf(const std::string& line, const std::string& prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

bool WriteNewFile(const std::string& file) {
    std::ofstream out(file, std::ios::trunc);
    for (const char* line : kHeader) {
        out << line << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

std::string EncodeEngineId(const std::string& engineId) {
    std::string out;
    out.reserve(engineId.size() * 2);
    for (const char c : engineId) {
        const auto octet = static_cast<unsigned char>(c);
        out += static_cast<char>('@' + (octet >> 4));
        out += static_cast<char>('@' + (octet & 0x0F));
    }
    return out;
}

int Read(const std::string& file, const std::string& engineId, unsigned& boots) {
    boots = 0;
    std::ifstream in(file);
    if (!in) {
        return OpenError;
    }
    if (engineId.size() > kMaxEngineId) {
        return TooLong;
    }
    const std::string prefix = EncodeEngineId(engineId) + ' ';
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || !IsEntryOf(line, prefix)) {
            continue;
        }
        const std::string_view count = std::string_view(line).substr(prefix.size());
        if (count.empty() || count[0] < '0' || count[0] > '9') {
            return BadLine;
        }
        boots = static_cast<unsigned>(std::strtoul(std::string(count).c_str(), nullptr, 10));
        return Ok;
    }
    return NoEntry;
}

int Save(const std::string& file, const std::string& engineId, unsigned boots) {
    if (engineId.size() > kMaxEngineId) {
        return TooLong;
    }
    std::ifstream probe(file);
    if (!probe && !WriteNewFile(file)) {
        return CreateError;
    }
    probe.close();
    std::ifstream in(file);
    const std::string tmp = file + ".tmp";
    std::ofstream out(tmp, std::ios::trunc);
    if (!in || !out) {
        return OpenError;
    }
    const std::string prefix = EncodeEngineId(engineId) + ' ';
    bool found = false;
    std::string line;
    while (std::getline(in, line)) {
        if (IsEntryOf(line, prefix)) {
            if (!found) {
                out << prefix << boots << '\n';
            }
            found = true; // a duplicate entry is dropped
            continue;
        }
        out << line << '\n';
    }
    if (!found) {
        out << prefix << boots << '\n';
    }
    out.close();
    in.close();
    if (!out) {
        std::remove(tmp.c_str());
        return CreateError;
    }
    if (std::rename(tmp.c_str(), file.c_str()) != 0) {
        std::remove(tmp.c_str());
        return RenameError;
    }
    return Ok;
}

} // namespace qs::bootcounter
