// SMTP: the mail notification's test state and its receivers.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc SmtpInformationVars[];
extern const QsSNMPVarDesc SmtpMailReceiverVars[];
