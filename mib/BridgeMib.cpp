#include "BridgeMib.h"

#include "QsOptionList.h"

namespace {

const QsOption kBridgeType[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {}};

const QsOptionList BridgeTypeList(kBridgeType, OVT_INT);

} // namespace

const QsSNMPVarDesc Dot1dInformationVars[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.2", "Number Ports", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", SYN_INTEGER, ACC_READONLY, &BridgeTypeList},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.17.4.2", "MAC Address Aging Time (10-1000000 sec)", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc Dot1dPortTableVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.1.4.1.2", "IF Index", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.4.1.3", "Circuit", SYN_OBJECTID, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.4.1.5", "Maximum Transmission Unit Exceeded Discards", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};
