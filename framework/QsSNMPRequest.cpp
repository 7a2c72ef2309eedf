// Construction, targets, PDUs, row indexes and the end-of-column test of QsSNMPRequest.
#include "QsSNMPRequest.h"

#include "QsSNMPSession.h"
#include "QsValueTexts.h"
#include "SnmpAdapter.h"
#include "SnmpErrors.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

constexpr qint64 kDestructorWaitMs = 6000;

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
    qs::OidVector column;
    qs::OidVector received;
    if (!qs::OidFromText(columnOid, column) || !qs::OidFromText(receivedOid, received)) {
        return true;
    }
    if (received.size() <= column.size() || !std::equal(column.begin(), column.end(), received.begin())) {
        return true;
    }
    qs::OidVector previous;
    qs::OidFromText(previousOid, previous); // empty before the first row: everything comes after
    return !std::lexicographical_compare(previous.begin(), previous.end(), received.begin(), received.end());
}

void QsSNMPRequest::ReportError(int code, const std::string& text) {
    ++ErrorCount;
    if (ErrorHook) {
        QsSNMPError error;
        error.code = code;
        error.message = text;
        error.sequence = ErrorCount;
        ErrorHook(&error);
    }
}
