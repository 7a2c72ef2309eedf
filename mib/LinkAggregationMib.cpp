#include "LinkAggregationMib.h"

#include "SharedOptions.h"

namespace {

const QsOptionList AggregatorIndividualList(TrueFalseOptions, OVT_INT);
const QsOptionList PortIndividualList(TrueFalseOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc AggregatorVars[] = {
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.2", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.3", "Actor System Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.4", "Actor System ID", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.5", "Aggregate Or Individual", SYN_INTEGER, ACC_READONLY,
     &AggregatorIndividualList},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.6", "Actor Admin Value Key", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.7", "Actor Operational Value Key", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.8", "Partner System ID", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.9", "Partner System Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.10", "Partner Operational Value Key", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.11", "Collector Max Delay", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

// The index column is the aggregator table's.
const QsSNMPVarDesc AggregatorPortListVars[] = {
    {"1.3.6.1.4.1.58613.12.4.1.1.1.1.1", "    Index ", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.4.1.1.2.1.1", "     Ports    ", SYN_BITSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc AggregationPortVars[] = {
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.2", "Actor System Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.3", "Actor System ID", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.4", "Actor Admin Key", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.5", "Actor Oper Key", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.6", "Partner Admin System Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.7", "Partner Oper System Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.8", "Partner Admin System ID", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.9", "Partner Oper System ID", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.10", "Partner Admin Key", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.11", "Partner Oper Key", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.12", "Selected Agg ID", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.13", "Attached Agg ID", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.14", "Actor Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.15", "Actor Port Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.16", "Partner Admin Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.17", "Partner Oper Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.18", "Partner Admin Port Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.19", "Partner Oper Port Priority", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.20", "Actor Admin State", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.21", "Actor Oper State", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.22", "Partner Admin State", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.23", "Partner Oper State", SYN_BITSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.4.1.2.1.1.24", "Aggregate Or Individual", SYN_INTEGER, ACC_READONLY,
     &PortIndividualList},
    {nullptr},
};
