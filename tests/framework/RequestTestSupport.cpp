#include "RequestTestSupport.h"

#include "QsSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdlib>

namespace qs::test {

OidVector Oid(const std::string& text) {
    OidVector oid;
    OidFromText(text, oid);
    return oid;
}

FakeResponse MibScript::operator()(const FakeRequest& request) const {
    FakeResponse response;
    const bool v1 = request.version == 0;
    for (std::size_t i = 0; i < request.vbs.size(); ++i) {
        const OidVector& asked = request.vbs[i].oid;
        auto it = request.pduType == 0xA1 ? objects.upper_bound(asked) : objects.find(asked);
        if (request.pduType == 0xA3) {
            response.vbs.push_back(request.vbs[i]);
            continue;
        }
        if (it != objects.end()) {
            response.vbs.push_back({it->first, it->second});
            continue;
        }
        if (v1) {
            response.errorStatus = 2;
            response.errorIndex = static_cast<int>(i + 1);
            response.vbs = request.vbs;
            return response;
        }
        const auto missing = request.pduType == 0xA1 ? SnmpType::EndOfMibView : SnmpType::NoSuchInstance;
        response.vbs.push_back({asked, SnmpValue::exception(missing)});
    }
    return response;
}

void StartSessionOnce() {
    static int argc = 1;
    static char name[] = "qs_request_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static bool started = false;
    if (!started) {
        char pattern[] = "/tmp/krs-request-XXXXXX";
        InitSnmpSession(::mkdtemp(pattern));
        started = true;
    }
}

void TargetLoopback(QsSNMPRequest& request, std::uint16_t port, int version, int timeout) {
    request.Device = QsSNMPDevice{"127.0.0.1", port};
    request.Security.version = static_cast<std::uint8_t>(version);
    request.Security.readCommunity = "public";
    request.Security.writeCommunity = "private";
    request.Timeout = timeout;
}

namespace {

Row Values(const QsSNMPVarList& list) {
    Row row;
    for (int i = 0; i < list.GetCount(); ++i) {
        row.push_back(list.GetVar(i)->Value);
    }
    return row;
}

void OnAsyncStep(void* driver, QsSNMPError* error, QsSNMPVarList* list) {
    auto& walk = *static_cast<AsyncWalk*>(driver);
    walk.last = *error;
    ++walk.steps;
    if (error->code != 0 || error->done || walk.steps > 100) {
        walk.finished = true;
        return;
    }
    walk.rows.push_back(Values(*list));
    bool ok = false;
    walk.request->GetAsync(ok, OnAsyncStep, &walk, false);
    walk.finished = !ok;
}

} // namespace

std::vector<Row> WalkBlocking(QsSNMPRequest& request, bool& ok, int maxSteps) {
    std::vector<Row> rows;
    bool first = true;
    for (int step = 0; step < maxSteps; ++step) {
        if (!request.GetSync(ok, first)) {
            break;
        }
        if (ok) {
            rows.push_back(Values(request.List));
            first = false;
        }
    }
    return rows;
}

void RunEventsFor(int ms, const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
}

AsyncWalk WalkAsync(QsSNMPRequest& request, int maxSteps) {
    AsyncWalk walk;
    walk.request = &request;
    bool ok = false;
    request.GetAsync(ok, OnAsyncStep, &walk, true);
    walk.finished = !ok;
    RunEventsFor(5000, [&] { return walk.finished || walk.steps > maxSteps; });
    return walk;
}

} // namespace qs::test
