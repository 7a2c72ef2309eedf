// TLoginMethodListForm: the device's authentication method lists (a named list of up to four
// methods tried in order, each a method type and, for a server group, its name), listed, added,
// changed and deleted. One class serves both tables: mode 1 the login lists, mode 0 the enable
// lists.
#pragma once

#include "FeatureDialog.h"
#include "RowSelection.h"

#include <QString>
#include <array>
#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

namespace qs {
// The type texts of the four methods, in order. A method is set when its type is neither empty
// nor "other"; "local", "local-enable" and "none" are final: no set method may follow one.
using MethodTypes = std::array<QString, 4>;
bool MethodOrderHolds(const MethodTypes& types);
// The methods (0 to 3) a trimmed write leaves out: every method after the first set final one,
// and every method that is unset.
std::vector<int> MethodsLeftOut(const MethodTypes& types);
} // namespace qs

class TLoginMethodListForm : public qs::FeatureDialog {
public:
    // mode 1: login method lists; mode 0: enable method lists.
    explicit TLoginMethodListForm(TComponent* owner, int mode = 1);
    ~TLoginMethodListForm() override;

    void FormCreate();
    void GetButtonClick();
    void ListView1Click();
    void ComboBoxTypeChange(int method);
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void ClearEditors();
    void AddState();

    enum Column { kName, kFirstMethod, kRowStatus = 9 };
    static int TypeColumn(int method) { return kFirstMethod + 2 * method; }
    static int ServerColumn(int method) { return kFirstMethod + 2 * method + 1; }

    const int Mode;
    TListView* ListView1;
    TLabel* NameLabel;
    TEdit* ListnameEdit;
    std::array<TLabel*, 4> TypeLabels;
    std::array<TComboBox*, 4> ComboBoxType;
    std::array<TLabel*, 4> ServerLabels;
    std::array<TEdit*, 4> ServerEdit;
    TLabel* RowLabel;
    TComboBox* RowComboBox;
    TLabel* SamplesLabel;
    TStaticText* StaticText1;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* btnClose;

    QsSNMPRequest2Edits* MethodRequest = nullptr;

private:
    void BuildControls();
    void BuildEditors(TPanel* group);
    void BuildButtonColumn(TPanel* column);
    qs::MethodTypes Types() const;
    // Runs the order check; false when the user chose to change the configuration (nothing is
    // sent). trim tells whether the methods after a final one are to be left out.
    bool OrderAccepted(bool& trim) const;
    void Write(bool add, bool trim);

    qs::RowButtons rowButtons_;
};

extern TLoginMethodListForm* LoginMethodListForm;
