// Net-SNMP's headers, and the conversions between its variable lists and ours.
#pragma once

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "Responder.h"

namespace krssim {

std::vector<VarBind> fromVariables(const netsnmp_variable_list* vars);
void appendVariable(netsnmp_variable_list** list, const VarBind& vb);

} // namespace krssim
