#include "FakeAgent.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qs::test {
namespace {

void AppendLength(Bytes& out, std::size_t n) {
    if (n < 0x80) {
        out.push_back(static_cast<std::uint8_t>(n));
        return;
    }
    Bytes digits;
    for (; n > 0; n >>= 8) {
        digits.insert(digits.begin(), static_cast<std::uint8_t>(n & 0xFF));
    }
    out.push_back(static_cast<std::uint8_t>(0x80 | digits.size()));
    out.insert(out.end(), digits.begin(), digits.end());
}

Bytes Tlv(std::uint8_t tag, const Bytes& content) {
    Bytes out{tag};
    AppendLength(out, content.size());
    out.insert(out.end(), content.begin(), content.end());
    return out;
}

Bytes SignedContent(std::int64_t v) {
    Bytes out;
    do {
        out.insert(out.begin(), static_cast<std::uint8_t>(v & 0xFF));
        v >>= 8;
    } while (!(v == 0 && !(out.front() & 0x80)) && !(v == -1 && (out.front() & 0x80)));
    return out;
}

Bytes UnsignedContent(std::uint64_t v) {
    Bytes out;
    do {
        out.insert(out.begin(), static_cast<std::uint8_t>(v & 0xFF));
        v >>= 8;
    } while (v != 0);
    if (out.front() & 0x80) {
        out.insert(out.begin(), 0);
    }
    return out;
}

Bytes OidContent(const OidVector& oid) {
    Bytes out;
    if (oid.size() >= 2) {
        out.push_back(static_cast<std::uint8_t>(oid[0] * 40 + oid[1]));
    }
    for (std::size_t i = 2; i < oid.size(); ++i) {
        Bytes sub;
        std::uint32_t v = oid[i];
        sub.insert(sub.begin(), static_cast<std::uint8_t>(v & 0x7F));
        for (v >>= 7; v > 0; v >>= 7) {
            sub.insert(sub.begin(), static_cast<std::uint8_t>(0x80 | (v & 0x7F)));
        }
        out.insert(out.end(), sub.begin(), sub.end());
    }
    return out;
}

Bytes ValueTlv(const SnmpValue& v) {
    const auto tag = static_cast<std::uint8_t>(v.type);
    switch (v.type) {
    case SnmpType::Integer:
        return Tlv(tag, SignedContent(v.integer));
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks:
        return Tlv(tag, UnsignedContent(v.unsigned32));
    case SnmpType::Counter64:
        return Tlv(tag, UnsignedContent(v.counter64));
    case SnmpType::OctetString:
    case SnmpType::Opaque:
    case SnmpType::IpAddress:
        return Tlv(tag, v.bytes);
    case SnmpType::ObjectId:
        return Tlv(tag, OidContent(v.oid));
    default:
        return Tlv(tag, {});
    }
}

// A small BER reader over one received message; any inconsistency makes it fail.
struct Reader {
    const Bytes& in;
    std::size_t at = 0;
    bool ok = true;

    bool Header(std::uint8_t& tag, std::size_t& len) {
        if (at + 2 > in.size()) {
            return ok = false;
        }
        tag = in[at++];
        len = in[at++];
        if (len & 0x80) {
            const std::size_t n = len & 0x7F;
            len = 0;
            for (std::size_t i = 0; i < n && at < in.size(); ++i) {
                len = (len << 8) | in[at++];
            }
        }
        return ok = ok && at + len <= in.size();
    }
    std::int64_t Integer() {
        std::uint8_t tag = 0;
        std::size_t len = 0;
        if (!Header(tag, len) || len == 0) {
            return ok = false;
        }
        std::int64_t v = (in[at] & 0x80) ? -1 : 0;
        for (std::size_t i = 0; i < len; ++i) {
            v = (v << 8) | in[at++];
        }
        return v;
    }
    Bytes Octets() {
        std::uint8_t tag = 0;
        std::size_t len = 0;
        if (!Header(tag, len)) {
            return {};
        }
        Bytes out(in.begin() + static_cast<long>(at), in.begin() + static_cast<long>(at + len));
        at += len;
        return out;
    }
    OidVector Oid() {
        const Bytes b = Octets();
        OidVector out;
        if (b.empty()) {
            return out;
        }
        out = {static_cast<std::uint32_t>(b[0] / 40), static_cast<std::uint32_t>(b[0] % 40)};
        std::uint32_t v = 0;
        for (std::size_t i = 1; i < b.size(); ++i) {
            v = (v << 7) | (b[i] & 0x7F);
            if (!(b[i] & 0x80)) {
                out.push_back(v);
                v = 0;
            }
        }
        return out;
    }
};

bool ParseRequest(const Bytes& in, FakeRequest& r) {
    Reader rd{in};
    std::uint8_t tag = 0;
    std::size_t len = 0;
    rd.Header(tag, len);
    r.version = static_cast<int>(rd.Integer());
    const Bytes community = rd.Octets();
    r.community.assign(community.begin(), community.end());
    rd.Header(r.pduType, len);
    r.requestId = static_cast<std::int32_t>(rd.Integer());
    rd.Integer();
    rd.Integer();
    std::size_t listLen = 0;
    rd.Header(tag, listLen);
    const std::size_t end = rd.at + listLen;
    while (rd.ok && rd.at < end) {
        rd.Header(tag, len);
        const std::size_t next = rd.at + len;
        OidVector oid = rd.Oid();
        SnmpValue value;
        if (rd.ok && rd.at < next && rd.in[rd.at] == 0x02) {
            value = SnmpValue::fromInt(static_cast<std::int32_t>(rd.Integer()));
        } else if (rd.ok && rd.at < next && rd.in[rd.at] == 0x04) {
            value = SnmpValue::fromBytes(SnmpType::OctetString, rd.Octets());
        }
        r.vbs.push_back({std::move(oid), std::move(value)});
        rd.at = next;
    }
    return rd.ok;
}

} // namespace

Bytes EncodeResponse(const FakeRequest& request, const FakeResponse& response) {
    Bytes list;
    for (const SnmpVarBind& vb : response.vbs) {
        Bytes pair = Tlv(0x06, OidContent(vb.oid));
        const Bytes value = ValueTlv(vb.value);
        pair.insert(pair.end(), value.begin(), value.end());
        const Bytes seq = Tlv(0x30, pair);
        list.insert(list.end(), seq.begin(), seq.end());
    }
    Bytes pdu = Tlv(0x02, SignedContent(request.requestId));
    for (const Bytes& part : {Tlv(0x02, SignedContent(response.errorStatus)),
                              Tlv(0x02, SignedContent(response.errorIndex)), Tlv(0x30, list)}) {
        pdu.insert(pdu.end(), part.begin(), part.end());
    }
    Bytes message = Tlv(0x02, SignedContent(request.version));
    const Bytes community = Tlv(0x04, Bytes(request.community.begin(), request.community.end()));
    message.insert(message.end(), community.begin(), community.end());
    const Bytes wrapped = Tlv(0xA2, pdu);
    message.insert(message.end(), wrapped.begin(), wrapped.end());
    return Tlv(0x30, message);
}

FakeAgent::FakeAgent(Script script) : script_(std::move(script)) {
    fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof(a));
    socklen_t len = sizeof(a);
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

FakeAgent::~FakeAgent() {
    stop_ = true;
    thread_.join();
    ::close(fd_);
}

std::vector<FakeRequest> FakeAgent::received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void FakeAgent::Serve() {
    Bytes buffer(65536);
    while (!stop_) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) {
            continue;
        }
        sockaddr_in from{};
        socklen_t fromLen = sizeof(from);
        const ssize_t n =
            ::recvfrom(fd_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
        FakeRequest request;
        if (n <= 0 || !ParseRequest(Bytes(buffer.begin(), buffer.begin() + n), request)) {
            continue;
        }
        {
            std::lock_guard lock(mutex_);
            received_.push_back(request);
        }
        ++requests_;
        const FakeResponse response = script_(request);
        if (response.drop) {
            continue;
        }
        const Bytes out = response.raw ? *response.raw : EncodeResponse(request, response);
        ::sendto(fd_, out.data(), out.size(), 0, reinterpret_cast<sockaddr*>(&from), fromLen);
    }
}

} // namespace qs::test
