#include "ErpsMib.h"

#include "SharedOptions.h"

namespace {

const QsOptionList ErpsAdminStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList ErpsLogStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList ErpsTrapStateList(EnabledDisabledOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc ErpsGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.78.1.1", "Admin State", SYN_INTEGER, ACC_READWRITE, &ErpsAdminStateList},
    {"1.3.6.1.4.1.58613.12.78.1.2", "Log State", SYN_INTEGER, ACC_READWRITE, &ErpsLogStateList},
    {"1.3.6.1.4.1.58613.12.78.1.3", "Trap State", SYN_INTEGER, ACC_READWRITE, &ErpsTrapStateList},
    {nullptr},
};
