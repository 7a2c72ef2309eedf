// Tdot1vProtocolPortForm: the protocol-based VLAN port entries (dot1vProtocolPortTable with an
// enterprise priority column), listed, added, edited and deleted; the add/edit dialog holds the
// editors.
#pragma once

#include "FeatureDialog.h"
#include "RowSelection.h"

class QsSNMPRequest2Edits;
class TButton;
class TLabel;
class TListView;
class TStaticText;
class Tdot1vProtocolPortEdit;

class Tdot1vProtocolPortForm : public qs::FeatureDialog {
public:
    explicit Tdot1vProtocolPortForm(TComponent* owner);
    ~Tdot1vProtocolPortForm() override;

    void FormCreate();
    void btn_GetClick();
    void Btn_AddClick();
    void Btu_EditClick();
    void Btn_DeleteClick();
    void ListView1Click();
    // The edit dialog's Set: in add mode the new row first, then the VLAN and priority.
    // true once the agent took every SET of the write.
    bool WriteFromEditor();

    enum Column { kBasePort, kGroupId, kGroupVid, kGroupPriority, kRowStatus };

    TListView* ListView1;
    TLabel* Samples;
    TStaticText* StaticText1;
    TButton* btn_Get;
    TButton* Btn_Add;
    TButton* Btn_Delete;
    TButton* Btu_Edit;
    TButton* Btn_Close;

    QsSNMPRequest2Edits* PortRequest = nullptr;
    Tdot1vProtocolPortEdit* Editor = nullptr;
    bool EditMode = false;

private:
    void BuildControls();
    void BindEditor();
    void ShowEditor(bool edit);

    qs::RowButtons rowButtons_;
};

extern Tdot1vProtocolPortForm* dot1vProtocolPortForm;
