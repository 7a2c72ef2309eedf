#include "EtherLikeMib.h"

// Indexed by interface and collision count; the interface exists only in the row's suffix.
const QsSNMPVarDesc Dot3CollisionsVars[] = {
    {kIndexOid, "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.10.7.5.1.2", "Collisions Count", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.10.7.5.1.3", "Collisions Frequencies", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};
