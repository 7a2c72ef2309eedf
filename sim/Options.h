// krs-sim's command line.
#pragma once

#include "Responder.h"

#include <string>
#include <vector>

namespace krssim {

struct UsmUser {
    std::string name;
    std::string auth = "none"; // none, MD5, SHA
    std::string authPass;
    std::string priv = "none"; // none, DES
    std::string privPass;
};

struct Options {
    std::string dataFile;
    int port = 161;
    bool ipv6 = false;
    std::string readCommunity = "lumpet";
    std::string writeCommunity = "grindel";
    std::vector<UsmUser> users;
    // SNMPv3 engine ID text (the ID is Net-SNMP's text form of it); empty: "krs-sim:" and the
    // process ID, so every start is another engine.
    std::string engineId;
    int engineBoots = 0; // 0: the library's first boot
    std::string journalFile;
    std::string saveFile;
    // Faults.
    bool noAnswer = false;
    int delayMs = 0;
    int dropEvery = 0;
    std::vector<SetFault> setFaults;
    Oid brokenNext;
    Oid dropUnder; // requests naming an object under this OID get no answer
    // Served as if the device lacked them: every instance under these OIDs is left out.
    std::vector<Oid> without;
    // Demo: flip a few ports' links every this many seconds (0: off).
    int flipSeconds = 0;
};

const char* usageText();

// Parses argv; on failure returns false with a message. Reads --users files as it goes.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

// "NAME[:AUTH:AUTHPASS[:PRIV:PRIVPASS]]".
bool parseUser(const std::string& text, UsmUser& user, std::string& error);

} // namespace krssim
