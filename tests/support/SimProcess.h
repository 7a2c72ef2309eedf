// Test support for everything that talks to the simulated switch: starts krs-sim on a free
// loopback port with a data file and options, waits until it is ready, reads its request
// journal and stops it.
//
//     qs::test::SimProcess sim;                       // default KRS-5400MX-28 data set
//     ASSERT_TRUE(sim.start()) << sim.lastError();
//     ... talk SNMP to sim.address() ("127.0.0.1:PORT"), communities "lumpet" / "grindel" ...
//     auto records = sim.journal();                   // one record per request received
//
// Options are krs-sim's own command-line options (see `krs-sim --help`), for example
// {"--user", "alice:MD5:alicepass1:DES:aliceprivpass"}, {"--delay", "1500"},
// {"--drop-every", "3"}, {"--set-error", ".1.3.6.1.2.1.1.5=genErr"}, {"--bad-next", OID};
// "{folder}" in an option stands for the instance's private folder ({"--save", "{folder}/s.walk"}).
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace qs::test {

// The krs-sim executable and the default data set, as the build placed them.
std::string simExecutable();
std::string defaultSimData();

// A fresh folder under the temporary directory, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

struct SimOptions {
    std::string dataFile;          // empty: the default KRS-5400MX-28 data set
    std::vector<std::string> args; // further krs-sim options
    bool journal = true;           // keep a journal in the instance's folder
};

struct JournalVarBind {
    std::string oid;   // ".1.3.6.1.2.1.1.5.0"
    std::string type;  // "INTEGER", "STRING", "NULL", "Counter64", ...
    std::string value; // text; octet strings that are not printable as hex "00 1A"
    std::string hex;   // octet strings: every octet as two upper-case hex digits ("001A")
};

// One request as krs-sim received it, and what it answered.
struct JournalRecord {
    std::string time, peer;
    std::string version;   // "1", "2c", "3"
    std::string community; // v1 and v2c
    std::string user;      // v3
    std::string level;     // v3: "noAuthNoPriv", "authNoPriv", "authPriv"
    std::string pdu;       // "get", "getnext", "getbulk", "set"
    long requestId = 0;
    std::vector<JournalVarBind> varbinds;
    std::string errorStatus; // "noError", "wrongType", ...; empty when not answered
    int errorIndex = 0;
    std::string answer; // "sent", "delayed" or "none"
    std::string why; // when "none": "no-answer", "dropped", "bad-community", "auth-failed", "unsupported-pdu"
};

// Parses one journal line; false when it is not one.
bool parseJournalLine(const std::string& line, JournalRecord& record);

// The SETs among records[from...], one text each: "OID=TYPE:VALUE" per binding, joined by blanks,
// with the OIDs' prefix left off where they start with it.
std::vector<std::string> SetSummaries(const std::vector<JournalRecord>& records, std::size_t from,
                                      const std::string& oidPrefix);

class SimProcess {
public:
    explicit SimProcess(SimOptions options = {});
    ~SimProcess(); // stops the agent and removes its folder
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts krs-sim and waits (at most 10 s) until its socket is bound and it serves.
    bool start();
    // SIGTERM, then waits for the exit (SIGKILL after 5 s). Returns the exit status, or -1.
    int stop();
    // SIGSTOP: the agent stays bound but answers nothing (a silent device) until resume (SIGCONT).
    bool pause();
    bool resume();
    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }

    std::uint16_t port() const { return port_; }
    std::string address() const; // "127.0.0.1:PORT"
    // A private folder for this instance, removed with it (journal, save files, ...).
    const std::string& folder() const { return folder_.path(); }
    std::string journalPath() const;
    std::vector<std::string> journalLines() const;
    std::vector<JournalRecord> journal() const;
    std::string errorOutput() const; // krs-sim's standard error so far
    const std::string& lastError() const { return lastError_; }

private:
    SimOptions options_;
    TempFolder folder_;
    std::string lastError_;
    pid_t pid_ = -1;
    std::uint16_t port_ = 0;
};

// Runs krs-sim with the given arguments until it exits (for start-up failures).
struct SimRunResult {
    int exitCode = -1;
    std::string output;      // standard output
    std::string errorOutput; // standard error
};
SimRunResult runSimToExit(const std::vector<std::string>& args, int timeoutMs = 10000);

} // namespace qs::test
