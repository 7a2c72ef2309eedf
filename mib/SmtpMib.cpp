#include "SmtpMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kSendTestStatus[] = {{1, "success"}, {2, "failed"}, {3, "in-processing"}, {}};

const QsOptionList SendTestStatusList(kSendTestStatus, OVT_INT);
const QsOptionList MailReceiverStateList(RowStatusShortOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc SmtpInformationVars[] = {
    {"1.3.6.1.4.1.58613.12.29.2.1", "SMTP Send Test Status", SYN_INTEGER, ACC_READONLY, &SendTestStatusList},
    {nullptr},
};

const QsSNMPVarDesc SmtpMailReceiverVars[] = {
    {"1.3.6.1.4.1.58613.12.29.3.1.1.1", "SMTP Mail Receiver Address Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.29.3.1.1.2", "SMTP Mail Receiver Address", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.29.3.1.1.3", "SMTP Mail Receiver Address State", SYN_INTEGER, ACC_READWRITE,
     &MailReceiverStateList},
    {nullptr},
};
