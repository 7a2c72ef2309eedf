// The frame of the security tables whose entries are keyed by an IPv4 and a MAC address and
// apply on a set of ports: the list, the key edits (with the hidden status and mode combos)
// above the dialog's port area, and the Refresh/Add/Set/Delete/Close column with its row count.
#pragma once

#include "FeatureDialog.h"
#include "TableLayout.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

namespace qs {

class AddressPortTableForm : public FeatureDialog {
public:
    using FeatureDialog::FeatureDialog;

    virtual void btnGetClick() = 0;
    virtual void ListView1Click() = 0;
    virtual void btnAddClick() = 0;
    virtual void btnEditClick() = 0;
    virtual void btnDeleteClick() = 0;

    TListView* ListView1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* edtIpAddr = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* edtMacAddr = nullptr;
    TComboBox* ComboStatus = nullptr;
    TLabel* LabelMode = nullptr;
    TComboBox* cbxMode = nullptr;
    TLabel* Label3 = nullptr;
    TStaticText* StaticText1 = nullptr;
    TButton* btnGet = nullptr;
    TButton* btnAdd = nullptr;
    TButton* btnEdit = nullptr;
    TButton* btnDelete = nullptr;
    TButton* btnClose = nullptr;
    TButton* Button1 = nullptr;

    AddressKeys Keys{};

protected:
    // Builds the frame; returns the lower panel, whose client area the dialog fills with the
    // place of its port picker.
    TPanel* BuildFrame();

private:
    void BuildEditors(TPanel* group);
    void BuildButtonColumn(TPanel* column);
};

} // namespace qs
