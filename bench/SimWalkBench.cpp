// Walks a 10,000-row, two-column table on krs-sim with one GET-NEXT per request, the way the
// program walks tables, and prints the answers per second for each tenth of the walk: a
// store with a linear search would slow down towards the end, ours should stay flat.
//
//     krs-sim-bench [ROWS]
#include "SimProcess.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const char* kTable = ".1.3.6.1.4.1.58613.99.1.1";

void writeTable(const std::string& path, int rows) {
    std::ofstream out(path);
    for (int column = 1; column <= 2; ++column) {
        for (int row = 1; row <= rows; ++row) {
            out << kTable << '.' << column << '.' << row << " = "
                << (column == 1 ? "INTEGER: " + std::to_string(row)
                                : "STRING: \"row " + std::to_string(row) + "\"")
                << '\n';
        }
    }
}

netsnmp_session* openSession(const std::string& peer) {
    netsnmp_session session;
    snmp_sess_init(&session);
    session.peername = const_cast<char*>(peer.c_str());
    session.version = SNMP_VERSION_2c;
    session.community = reinterpret_cast<u_char*>(const_cast<char*>("lumpet"));
    session.community_len = 6;
    session.timeout = 1000000;
    session.retries = 0;
    return snmp_open(&session);
}

// One GET-NEXT; false at the end of the table or on an error.
bool step(netsnmp_session* session, oid* name, size_t& length, const oid* table, size_t tableLength) {
    netsnmp_pdu* request = snmp_pdu_create(SNMP_MSG_GETNEXT);
    snmp_add_null_var(request, name, length);
    netsnmp_pdu* response = nullptr;
    bool ok = snmp_synch_response(session, request, &response) == STAT_SUCCESS && response &&
              response->errstat == SNMP_ERR_NOERROR && response->variables;
    if (ok) {
        const auto* var = response->variables;
        ok = var->name_length > tableLength &&
             snmp_oid_compare(var->name, tableLength, table, tableLength) == 0 &&
             var->type != SNMP_ENDOFMIBVIEW;
        std::copy(var->name, var->name + var->name_length, name);
        length = var->name_length;
    }
    if (response) {
        snmp_free_pdu(response);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
    qs::test::TempFolder folder;
    std::string data = folder.path() + "/table.walk";
    writeTable(data, rows);
    qs::test::SimProcess sim({data, {}, false});
    if (!sim.start()) {
        std::fprintf(stderr, "%s\n", sim.lastError().c_str());
        return 1;
    }
    setenv("MIBS", "", 1);
    init_snmp("krs-sim-bench");
    netsnmp_session* session = openSession(sim.address());
    oid table[MAX_OID_LEN], name[MAX_OID_LEN];
    size_t tableLength = MAX_OID_LEN;
    read_objid(kTable, table, &tableLength);
    std::copy(table, table + tableLength, name);
    size_t length = tableLength;
    const int total = 2 * rows, slice = std::max(1, total / 10);
    int answers = 0;
    auto start = std::chrono::steady_clock::now(), sliceStart = start;
    while (step(session, name, length, table, tableLength)) {
        if (++answers % slice == 0) {
            auto now = std::chrono::steady_clock::now();
            std::printf("answers %6d-%6d: %8.0f GET-NEXT answers/s\n", answers - slice + 1, answers,
                        slice / std::chrono::duration<double>(now - sliceStart).count());
            sliceStart = now;
        }
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("walked %d instances (%d expected) in %.2f s: %.0f GET-NEXT answers/s\n", answers, total,
                seconds, answers / seconds);
    snmp_close(session);
    return answers == total ? 0 : 1;
}
