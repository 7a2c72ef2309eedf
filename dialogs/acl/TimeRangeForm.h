// TTimeRangeForm: the device's time-range profiles (a name, the weekdays, a daily start and end
// time): lists, adds, changes and deletes them. Writes and closing wait until the last walk has
// ended; Stop ends a long walk.
#pragma once

#include "FeatureDialog.h"
#include "WalkGate.h"

#include <array>

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

class TTimeRangeForm : public qs::FeatureDialog {
public:
    explicit TTimeRangeForm(TComponent* owner);
    ~TTimeRangeForm() override;

    void FormCreate();
    void btnGetClick();
    void btnStopClick();
    void btnAddClick();
    void btnSetClick();
    void btnDeleteClick();
    void ListView1Click();
    void ClearEditors();
    // The ticked days into edtweekdays, and the days named there into the boxes.
    void WeekdaysToText();
    void TextToWeekdays();

    TListView* ListView1;
    TLabel* Label1;
    TEdit* edtName;
    TEdit* edtweekdays;
    TLabel* Label2;
    TEdit* edtStart;
    TLabel* Label3;
    TEdit* edtEnd;
    TLabel* Label4;
    TLabel* Label5;
    TComboBox* cbxStatus;
    std::array<TCheckBox*, 7> WeekdayBoxes{}; // CheckBox1 "Monday" to CheckBox7 "Sunday"
    TCheckBox* CheckBox8;
    TLabel* Label6;
    TStaticText* StaticText1;
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TButton* btnStop;

    QsSNMPRequest2Edits* RangeRequest = nullptr;
    qs::WalkGate ReadComplete;

private:
    void BuildControls();
    void BuildEditors(TPanel* lower);
    void BuildButtons(TPanel* column);
    // The three empty checks shared by Add and Edit; false after a message.
    bool InputAccepted();
    // The write, followed at once by a walk.
    void WriteAndWalk();
    void ResetAfterWrite();
};

extern TTimeRangeForm* TimeRangeForm;
