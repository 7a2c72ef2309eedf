#include "IfMib.h"

#include "SharedOptions.h"

namespace {

const QsOptionList LinkUpDownTrapList(EnabledDisabledOptions, OVT_INT);
const QsOptionList PromiscuousModeList(TrueFalseOptions, OVT_INT);
const QsOptionList ConnectorPresentList(TrueFalseOptions, OVT_INT);

} // namespace

// The index is ifTable's ifIndex; the columns hold both the 32-bit and the 64-bit counters, so
// some captions repeat.
const QsSNMPVarDesc IfXTableVars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Sended", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Sended", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Sended", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Sended", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Sended", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Sended", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap State", SYN_INTEGER, ACC_READWRITE, &LinkUpDownTrapList},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", SYN_INTEGER, ACC_READONLY, &PromiscuousModeList},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", SYN_INTEGER, ACC_READONLY, &ConnectorPresentList},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", SYN_TIMETICKS, ACC_READONLY},
    {nullptr},
};
