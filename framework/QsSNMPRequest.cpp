// Construction, targets, PDUs, row indexes and the end-of-column test of QsSNMPRequest.
#include "QsSNMPRequest.h"

#include "PumpScope.h"
#include "QsSNMPSession.h"
#include "QsValueTexts.h"
#include "SnmpAdapter.h"
#include "SnmpErrors.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <string_view>

namespace {

constexpr qint64 kDestructorWaitMs = 6000;

// Reads the sub-identifiers of a dotted-decimal text one by one, without building a vector (the
// end-of-column test runs for every column of every row).
class SubIds {
public:
    explicit SubIds(std::string_view text) : rest_(text) {
        if (!rest_.empty() && rest_.front() == '.') {
            rest_.remove_prefix(1);
        }
    }
    // False at the end of the text or at the first thing that is not a sub-identifier.
    bool Next(std::uint64_t& value) {
        if (rest_.empty() || bad_) {
            return false;
        }
        std::size_t n = 0;
        value = 0;
        for (; n < rest_.size() && rest_[n] >= '0' && rest_[n] <= '9' && value <= 0xFFFFFFFFu; ++n) {
            value = value * 10 + static_cast<std::uint64_t>(rest_[n] - '0');
        }
        rest_.remove_prefix(n);
        if (n == 0 || value > 0xFFFFFFFFu ||
            (!rest_.empty() && (rest_.front() != '.' || rest_.size() == 1))) {
            bad_ = true;
            return false;
        }
        if (!rest_.empty()) {
            rest_.remove_prefix(1);
        }
        return true;
    }
    bool Bad() const { return bad_; }

private:
    std::string_view rest_;
    bool bad_ = false;
};

// Lexicographic order of two OID texts by sub-identifier; a text that stops early comes first.
bool OidTextLess(const std::string& a, const std::string& b) {
    SubIds x(a);
    SubIds y(b);
    for (;;) {
        std::uint64_t vx = 0;
        std::uint64_t vy = 0;
        const bool hasX = x.Next(vx);
        if (!y.Next(vy)) {
            return false;
        }
        if (!hasX) {
            return true;
        }
        if (vx != vy) {
            return vx < vy;
        }
    }
}

qs::OidVector OidOf(const std::string& text) {
    qs::OidVector oid;
    qs::OidFromText(text, oid); // a text that is no OID gives an empty name, which the send refuses
    return oid;
}

} // namespace

QsSNMPRequest::QsSNMPRequest() : alive_(std::make_shared<int>(0)) {
    LoadDefaults();
}

QsSNMPRequest::~QsSNMPRequest() {
    Active = false;
    // Inside a pump step nothing can complete until the step ends: waiting would only stall.
    if (Pending > 0 && QCoreApplication::instance() && !EventProcessor().InStep()) {
        QElapsedTimer clock;
        clock.start();
        const qs::PumpScope pumping;
        while (Pending > 0 && clock.elapsed() < kDestructorWaitMs) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
            QThread::msleep(1);
        }
    }
    alive_.reset(); // replies still under way now find an inert record
}

void QsSNMPRequest::LoadDefaults() {
    Device = DefaultDevice;
    Scope = DefaultScope;
    Security = DefaultSecurity;
    Timeout = DefaultTimeout;
}

std::string QsSNMPRequest::ColumnOid(int i) const {
    const std::string& oid = List.GetVar(i)->Oid;
    return List.InstanceSuffix.empty() ? oid : oid + "." + List.InstanceSuffix;
}

qs::SnmpTarget QsSNMPRequest::MakeTargets() const {
    if (!qs::IsUsableHost(Device.host)) {
        qs::RaiseFrameworkError(qs::err::BadAddress);
    }
    return qs::MakeSnmpTarget(Device, Scope, Security, Timeout, Retries);
}

std::vector<qs::SnmpVarBind> QsSNMPRequest::MakePdu(int kind) {
    std::vector<qs::SnmpVarBind> vbs;
    if (kind == kNextRead && (List.ItemType == SVT_SV || List.ItemType == MVT_SV)) {
        qs::RaiseFrameworkError(qs::err::GetNextOnScalars);
    }
    for (int i = 0; i < List.GetCount(); ++i) {
        QsSNMPVar& var = *List.GetVar(i);
        if (kind != kWrite) {
            if (!List.IsReadable(i)) {
                continue;
            }
            if (kind == kFirstRead) {
                var.CurrentOid.clear();
                vbs.push_back(
                    {OidOf(ColumnOid(i) + (List.ItemType == SVT_SV ? ".0" : "")), qs::SnmpValue::null()});
            } else {
                vbs.push_back({OidOf(var.CurrentOid), qs::SnmpValue::null()});
            }
            continue;
        }
        if ((List.IsTable() && i < List.PKeyCount) || !List.IsWritable(i)) {
            continue;
        }
        std::string oid;
        switch (List.ItemType) {
        case SVT_SV:
            oid = ColumnOid(i) + ".0";
            break;
        case MVT_SV:
            oid = ColumnOid(i);
            break;
        case MVT_FMV:
        case MVT_UMV:
            oid = ColumnOid(i) + "." + GetRowIndex();
            break;
        default:
            qs::RaiseFrameworkError(qs::err::BadItemType);
        }
        qs::SnmpVarBind vb{OidOf(oid), qs::SnmpValue::null()};
        FillVb(i, vb);
        vbs.push_back(std::move(vb));
    }
    return vbs;
}

void QsSNMPRequest::SetRowIndex(const std::string& rowSuffix) {
    std::string rest = rowSuffix;
    for (int k = 0; k < List.PKeyCount; ++k) {
        if (rest.empty()) {
            qs::RaiseFrameworkError(qs::err::BadKeyCount);
        }
        if (!List.IsReadable(k)) {
            List.GetVar(k)->CurrentOid = ColumnOid(k) + "." + rowSuffix;
        }
        rest = DecodeIndexPart(k, rest);
    }
}

// Where an ended column asks from next: its place at the current row, or the column itself while
// the row's keys cannot name an instance (an empty address key before the first row, or a key
// read as a column that has ended).
std::string QsSNMPRequest::EndedColumnOid(const std::string& column) {
    std::string at;
    try {
        at = column + "." + GetRowIndex();
    } catch (const std::exception&) {
        return column;
    }
    qs::OidVector parsed;
    return qs::OidFromText(at, parsed) ? at : column;
}

std::string QsSNMPRequest::GetRowIndex() {
    std::string out;
    for (int k = 0; k < List.PKeyCount; ++k) {
        if (!out.empty()) {
            out += '.';
        }
        out += EncodeIndexPart(k);
    }
    return out;
}

std::string QsSNMPRequest::DecodeIndexPart(int k, const std::string& suffix) {
    return ::DecodeIndexPart(List, k, suffix);
}

std::string QsSNMPRequest::EncodeIndexPart(int k) {
    return ::EncodeIndexPart(List, k);
}

void QsSNMPRequest::StoreVb(int i, const qs::SnmpVarBind& vb) {
    ::StoreVb(*List.GetVar(i), vb.value);
}

void QsSNMPRequest::FillVb(int i, qs::SnmpVarBind& vb) {
    vb.value = ::FillVb(*List.GetVar(i));
}

// A column goes on only while the received OID lies strictly below the column OID, compared as
// sub-identifiers, and comes after the previous one; anything else ends it, so an agent that
// answers with the same or a smaller OID cannot make a walk endless.
bool QsSNMPRequest::IsEndOfColumn(const std::string& columnOid, const std::string& previousOid,
                                  const std::string& receivedOid) {
    if (List.ItemType == SVT_SV || List.ItemType == MVT_SV) {
        return false;
    }
    SubIds column(columnOid);
    SubIds received(receivedOid);
    std::uint64_t c = 0;
    std::uint64_t r = 0;
    int shared = 0;
    while (column.Next(c)) {
        if (!received.Next(r) || r != c) {
            return true;
        }
        ++shared;
    }
    if (column.Bad() || shared == 0 || !received.Next(r)) {
        return true;
    }
    return !OidTextLess(previousOid, receivedOid);
}

void QsSNMPRequest::ReportError(int code, const std::string& text) {
    ++ErrorCount;
    LastError = QsSNMPError{};
    LastError.code = code;
    LastError.message = text;
    LastError.sequence = ErrorCount;
    if (ErrorHook) {
        QsSNMPError error = LastError;
        ErrorHook(&error);
    }
}
