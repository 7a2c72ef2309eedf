#include "DirectCommands.h"

#include "AgentMib.h"
#include "CatalogueTypes.h"
#include "QsSNMPRequest.h"
#include "QsSNMPTarget.h"
#include "SnmpErrors.h"

#include <exception>

namespace qs {

namespace {

constexpr std::uint8_t kSnmpV1 = 0;
constexpr std::uint8_t kSnmpV2c = 1;

} // namespace

VersionOverride::VersionOverride(bool active) {
    if (active && DefaultSecurity.version == kSnmpV1) {
        DefaultSecurity.version = kSnmpV2c;
        changed_ = true;
    }
}

VersionOverride::~VersionOverride() {
    if (changed_) {
        DefaultSecurity.version = kSnmpV1;
    }
}

void RunPageCommand(const PageDef& page, const std::function<void(const PageDef&)>& open) {
    const VersionOverride guard(page.forceV2cIfV1);
    open(page);
}

std::optional<bool> RmonToolsEnabled(const std::string& stateText) {
    if (stateText == "disabled") {
        return false;
    }
    if (stateText == "enabled") {
        return true;
    }
    return std::nullopt;
}

QsSNMPError SendScalarSet(const ScalarSet& set) {
    QsSNMPRequest request;
    request.List.AddVar(set.oid, "", set.syntax, ACC_READWRITE);
    request.List.GetVar(0)->Value = set.value;
    request.Timeout = set.timeout;
    bool ok = false;
    QsSNMPError error;
    request.SetSync(ok, error, false, "", nullptr);
    return error;
}

void RunReboot(const std::function<bool(const std::string& text, const std::string& caption)>& askYesNo,
               const std::function<QsSNMPError(const ScalarSet& set)>& send,
               const std::function<void(const std::string& message)>& report) {
    if (!askYesNo(kRebootQuestion, kRebootCaption)) {
        return;
    }
    std::string failure;
    try {
        const QsSNMPError error = send({kSystemResetOid, SYN_INTEGER, kSystemResetWarmStart, kRebootTimeout});
        if (error.code != err::Ok && error.code != err::Timeout) {
            failure = error.message;
        }
    } catch (const std::exception& e) {
        failure = e.what();
    }
    if (!failure.empty()) {
        report(failure);
    }
}

} // namespace qs
