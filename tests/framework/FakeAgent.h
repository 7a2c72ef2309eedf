// A scripted SNMPv1/v2c agent on a loopback port, for replies a real agent would not give:
// GET-NEXT answers that do not increase, short or malformed messages. Requests are parsed and
// answered on a thread of its own by the script the test supplies.
#pragma once

#include "SnmpValue.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace qs::test {

using Bytes = std::vector<std::uint8_t>;

struct FakeRequest {
    int version = 0; // 0 v1, 1 v2c
    std::string community;
    std::uint8_t pduType = 0; // 0xA0 get, 0xA1 get-next, 0xA3 set
    std::int32_t requestId = 0;
    std::vector<SnmpVarBind> vbs; // INTEGER and OCTET STRING values decoded, others null
};

struct FakeResponse {
    int errorStatus = 0;
    int errorIndex = 0;
    std::vector<SnmpVarBind> vbs;
    std::optional<Bytes> raw; // sent as it stands instead of an encoded response
    bool drop = false;        // no answer at all
};

// BER encoding of a whole response message for the request.
Bytes EncodeResponse(const FakeRequest& request, const FakeResponse& response);

class FakeAgent {
public:
    using Script = std::function<FakeResponse(const FakeRequest&)>;

    explicit FakeAgent(Script script);
    ~FakeAgent();
    FakeAgent(const FakeAgent&) = delete;
    FakeAgent& operator=(const FakeAgent&) = delete;

    std::uint16_t port() const { return port_; }
    int requests() const { return requests_; }
    // The requests received so far.
    std::vector<FakeRequest> received() const;

private:
    void Serve();

    Script script_;
    int fd_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    mutable std::mutex mutex_;
    std::vector<FakeRequest> received_;
    std::thread thread_;
};

} // namespace qs::test
