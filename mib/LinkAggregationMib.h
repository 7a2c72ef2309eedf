// 802.3ad link aggregation: the aggregators, their port lists and the aggregation ports.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc AggregatorVars[];
extern const QsSNMPVarDesc AggregatorPortListVars[];
extern const QsSNMPVarDesc AggregationPortVars[];
