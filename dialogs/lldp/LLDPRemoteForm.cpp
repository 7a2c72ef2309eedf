#include "LLDPRemoteForm.h"

TLLDPRemoteForm* LLDPRemoteForm = nullptr;

namespace {

const QsOption ChassisIdSubtypeOptions[] = {
    {1, "chassisComponent"}, {2, "interfaceAlias"}, {3, "portComponent"}, {4, "macAddress"},
    {5, "networkAddress"},   {6, "interfaceName"},  {7, "local"},         {}};
const QsOption PortIdSubtypeOptions[] = {
    {1, "interfaceAlias"}, {2, "portComponent"},  {3, "macAddress"}, {4, "networkAddress"},
    {5, "interfaceName"},  {6, "agentCircuitId"}, {7, "local"},      {}};

constexpr int kSupported = 10;
constexpr int kEnabled = 11;

const QsSNMPVarDesc* RemoteVars() {
    static const QsOptionList chassisSubtype(ChassisIdSubtypeOptions, OVT_INT);
    static const QsOptionList portSubtype(PortIdSubtypeOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.0.8802.1.1.2.1.4.1.1.1", "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
        {"1.0.8802.1.1.2.1.4.1.1.2", "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
        {"1.0.8802.1.1.2.1.4.1.1.3", "Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.0.8802.1.1.2.1.4.1.1.4", "Chassis ID Subtype", SYN_INTEGER, ACC_READONLY, &chassisSubtype},
        {"1.0.8802.1.1.2.1.4.1.1.5", "Chassis ID", SYN_OCTETSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.4.1.1.6", "Port ID Subtype", SYN_INTEGER, ACC_READONLY, &portSubtype},
        {"1.0.8802.1.1.2.1.4.1.1.7", "Port ID", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.4.1.1.8", "Port Description", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.4.1.1.9", "System Name", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.4.1.1.10", "System Description", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.4.1.1.11", "System Capabilities Supported", SYN_OCTETSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.4.1.1.12", "System Capabilities Enabled", SYN_OCTETSTR, ACC_READONLY},
        {nullptr},
    };
    return table;
}

const qs::LldpBitsTableSetup& RemoteSetup() {
    static const qs::LldpBitsTableSetup setup{
        "LLDPRemoteForm",
        "LLDP Remote Table",
        RemoteVars(),
        3,
        {{kSupported, &qs::RemoteCapabilityNames}, {kEnabled, &qs::RemoteCapabilityNames}},
        QSize(1000, 380),
    };
    return setup;
}

} // namespace

TLLDPRemoteForm::TLLDPRemoteForm(TComponent* owner) : LldpBitsTableForm(owner, RemoteSetup()) {}
