// TIGMPMulticastVlanForm: the multicast group address ranges of the IGMP snooping multicast
// VLANs: lists them, adds one through the Add sub-form and deletes the selected one. One request
// serves both forms: its editors are the sub-form's controls.
#pragma once

#include "FeatureDialog.h"

class QsSNMPRequest2Edits;
class TButton;
class TListView;
class TIGMPMulticastVLANGroupAddForm;

class TIGMPMulticastVlanForm : public qs::FeatureDialog {
public:
    explicit TIGMPMulticastVlanForm(TComponent* owner);
    ~TIGMPMulticastVlanForm() override;

    void FormCreate();
    void btnGetClick();
    void btnAddClick();
    void btnDeleteClick();
    void ListView1Click();
    // The sub-form's write: createAndGo on the range typed in its editors; the table is read
    // again when the reply arrives.
    // true once the agent took the range.
    bool AddRange();

    enum Column { kVlan, kFromIP, kToIP, kStatus };

    TListView* ListView1;
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;

    TIGMPMulticastVLANGroupAddForm* AddForm = nullptr;
    QsSNMPRequest2Edits* GroupRequest = nullptr;

private:
    void BuildControls();
    void CreateRequest();
    // Clears the active flag of a running walk and waits until it has ended.
    void StopWalkAndWait();
};

extern TIGMPMulticastVlanForm* IGMPMulticastVlanForm;
