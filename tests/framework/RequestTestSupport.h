// Shared pieces of the request tests: a table agent on the fake agent, walk helpers that drive
// a request the way the read driver does, and a started session with a Qt event loop.
#pragma once

#include "FakeAgent.h"
#include "QsSNMPRequest.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qs::test {

using Row = std::vector<std::string>;

// An agent whose objects are a sorted map; GET, GET-NEXT and SET behave as a v1/v2c agent's.
struct MibScript {
    std::map<OidVector, SnmpValue> objects;
    FakeResponse operator()(const FakeRequest& request) const;
};

OidVector Oid(const std::string& text);

// Starts the session (boot counter in a private folder) and the Qt application once.
void StartSessionOnce();

// Points the request at a loopback agent with community "public"/"private", SNMPv1 or v2c.
void TargetLoopback(QsSNMPRequest& request, std::uint16_t port, int version, int timeout = 50);

// Walks the table with blocking steps; ok is the last step's flag.
std::vector<Row> WalkBlocking(QsSNMPRequest& request, bool& ok, int maxSteps = 100);

struct AsyncWalk {
    QsSNMPRequest* request = nullptr;
    std::vector<Row> rows;
    QsSNMPError last;
    bool finished = false;
    int steps = 0;
};

// Walks the table asynchronously, running the event loop until the walk ends (at most 5 s).
AsyncWalk WalkAsync(QsSNMPRequest& request, int maxSteps = 100);

// Runs the event loop until done() holds or the time is up.
void RunEventsFor(int ms, const std::function<bool()>& done);

} // namespace qs::test
