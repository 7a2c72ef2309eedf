// TPacketContentRuleForm: the access list's packet-content rules (source and destination MAC,
// C-tag and S-tag, each under its own mask, with priority, DSCP and permit actions and the ports
// they apply to): lists them, adds a rule and deletes one. The request runs asynchronously: a
// write is sent and the table read again at once, the replies arrive through the event pump.
#pragma once

#include "IncludeRuleForm.h"

class TPacketContentRuleForm : public qs::IncludeRuleForm {
public:
    explicit TPacketContentRuleForm(TComponent* owner);

    // Columns of the rule table.
    enum Column {
        kProfile,
        kAccess,
        kSrcMac,
        kDstMac,
        kCTag,
        kSTag,
        kEnablePriority,
        kPriority,
        kReplacePriority,
        kEnableReplaceDscp,
        kDscp,
        kPermit,
        kPort,
        kRowStatus,
        kMaskSrcMac,
        kMaskDstMac,
        kMaskCTag,
        kMaskSTag,
    };
};

extern TPacketContentRuleForm* PacketContentRuleForm;
