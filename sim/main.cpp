// krs-sim: an SNMP agent on loopback that plays a KRS-5400MX-28 from a data file.
#include "Agent.h"
#include "LinkFlipper.h"
#include "WalkFile.h"

#include <csignal>
#include <cstdio>
#include <iostream>

#ifndef KRS_SIM_DEFAULT_DATA
#define KRS_SIM_DEFAULT_DATA "data"
#endif

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) {
    stopRequested = 1;
}

int fail(const std::string& message) {
    std::cerr << "krs-sim: " << message << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    krssim::Options options;
    std::string error;
    if (!krssim::parseOptions(argc, argv, options, error)) {
        std::cerr << (error.empty() ? "" : "krs-sim: " + error + "\n") << krssim::usageText();
        return error.empty() ? 0 : 2;
    }
    if (options.dataFile.empty()) {
        options.dataFile = KRS_SIM_DEFAULT_DATA;
    }
    krssim::MibStore store;
    if (!krssim::loadWalkFile(options.dataFile, store, error)) {
        return fail(error);
    }
    for (const krssim::Oid& subtree : options.without) {
        store.eraseUnder(subtree);
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
    krssim::Agent agent(options, store);
    if (!agent.start(error)) {
        return fail(error);
    }
    std::cout << agent.port() << std::endl;
    krssim::LinkFlipper flipper(store, options.flipSeconds);
    agent.run(stopRequested, [&] { flipper.tick(std::chrono::steady_clock::now()); });
    if (agent.malformedPackets() > 0) {
        std::cerr << "krs-sim: dropped " << agent.malformedPackets() << " malformed packet(s)\n";
    }
    if (!options.saveFile.empty() && !krssim::saveWalkFile(options.saveFile, store, error)) {
        return fail(error);
    }
    return 0;
}
