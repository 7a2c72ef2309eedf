#include "BulwarkMib.h"

#include "SharedOptions.h"

namespace {

const QsOptionList BulwarkGlobalBulwarkAdminStateList(DisabledEnabledOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc BulwarkGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.19.1.1", "Bulwark Admin State", SYN_INTEGER, ACC_READWRITE,
     &BulwarkGlobalBulwarkAdminStateList},
    {nullptr},
};
