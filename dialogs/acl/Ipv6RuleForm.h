// TIpv6RuleForm: the rules of the device's IPv6 access profiles (traffic class, flow label,
// source address and its mask, protocol and ports with their masks; priority, DSCP and permit
// actions; the ports they apply to): lists them, adds and deletes them. The request walks
// asynchronously, yet every write is awaited: a walk-complete flag, raised by the request's
// completion hooks, by Stop and by Close, guards every operation, and Add and Delete wait for
// their SET's reply before the table is read again.
#pragma once

#include "RuleEditorForm.h"

struct QsSNMPError;
class QsSNMPRequest2Controls;

class TIpv6RuleForm : public qs::RuleEditorForm {
public:
    explicit TIpv6RuleForm(TComponent* owner);

    enum Column {
        kProfile,
        kAccess,
        kClass,
        kFlowLabel,
        kSource,
        kEnablePriority,
        kPriority,
        kReplacePriority,
        kPermit,
        kPorts,
        kRowStatus,
        kEnableReplaceDscp,
        kReplaceDscp,
        kProtocol,
        kSourcePort,
        kDestinationPort,
        kMaskSource,
        kMaskSourcePort,
        kMaskDestinationPort,
    };

    void FormCreate();
    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void CheckButtonClick();
    void UncheckButtonClick();
    void StopButtonClick();
    void CloseButtonClick();
    void PriorityComboBoxChange();
    void EnableReplaceDSCPComboBoxChange();
    void RuleProtoComboxChange();
    // The request's read and write completion: raises the walk-complete flag; a refused write is
    // shown in a box, a failed read in the status panel.
    void WalkDone(QsSNMPRequest2Controls* sender, QsSNMPError* error, bool write);
    bool WalkComplete() const { return walkComplete_; }
    // True while Add or Delete waits for its SET's reply.
    bool Waiting() const { return waiting_ > 0; }

    static bool IsFlowLabelText(const QString& text);

protected:
    bool ValidateEditors() override;
    void ExcludeColumns(qs::AccessMarks& marks, Write write) override;
    void InitialSelections() override;
    void AfterReset() override;
    void AfterRowClick(bool selected) override;
    void AfterApply() override;
    bool ResetAfterWrite() const override { return false; }

private:
    // Refuses with "Get data not complete!" while the flag is down.
    bool Ready();
    // Runs an operation; afterwards the flag is up again unless a walk is under way.
    void Run(void (TIpv6RuleForm::*operation)());
    bool CloseAllowed();
    void TickChecks(bool tick);
    void SetUsable(TWinControl* control, bool usable);

    bool walkComplete_ = false;
    bool writeDone_ = true; // the awaited write's reply came, or Stop or Close ended the wait
    bool closing_ = false;
    int waiting_ = 0;
    unsigned setReplies_ = 0;
    unsigned awaitFrom_ = 0;
};

extern TIpv6RuleForm* Ipv6RuleForm;
