// The IGMP and MLD snooping group dialogs are one read-only dialog configured by their
// differences: the groups snooping has learned, with the selected group's keys and times in
// display fields and its port maps on pickers whose boxes only show the ports.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "WalkGate.h"

#include <cstdint>
#include <memory>
#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TLabel;
class TListView;
class TPageControl;
class TPanel;
class TScrollBox;
class TStaticText;
class TWinControl;

namespace qs {

// One display field: a static text, or a read-only edit bound with format.
struct GroupField {
    const char* name;
    const char* labelName;
    const char* labelCaption;
    int column;
    const char* format; // null: a static text
    int width;
};

// One picker on a tab: boxCount boxes bound to column.
struct GroupPicker {
    const char* sheetName;
    const char* caption;
    const char* boxName;
    int column;
};

struct SnoopingGroupConfig {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* table;
    std::uint8_t itemType;
    std::vector<GroupField> fields;
    std::vector<GroupPicker> pickers;
    int boxCount;
    const char* closeName;
    // IGMP lets Refresh run as soon as the first walk has started; MLD waits for its end.
    bool refreshDuringFirstWalk;
};

class SnoopingGroupForm : public FeatureDialog {
public:
    SnoopingGroupForm(TComponent* owner, const SnoopingGroupConfig& config);
    ~SnoopingGroupForm() override;

    void FormCreate();
    void btnGetClick();
    void btn_stopClick();
    // After the framework has shown the selected row (or after the selection was cleared).
    void ListView1Click();
    void ClearFields();

    TListView* ListView1;
    // The display fields in the order of the configuration; each is a TStaticText or a TEdit.
    std::vector<TWinControl*> Fields;
    TPageControl* PageControl1;
    TLabel* lbl_sample;
    TStaticText* txt_sample;
    TButton* btnGet;
    TButton* btn_stop;
    TButton* btnClose;

    // The pickers in the order of the configuration.
    std::vector<std::unique_ptr<PortPickerSlot>> Pickers;
    QsSNMPRequest2Edits* GroupRequest = nullptr;
    WalkGate RefreshAllowed;

private:
    void BuildControls();
    void BuildFields(TPanel* strip);
    void BuildButtonColumn(TPanel* column);
    void CreateRequest();
    void BindFields();
    void DisableBoxes();

    const SnoopingGroupConfig& config_;
    std::vector<TScrollBox*> scrollBoxes_;
};

} // namespace qs
