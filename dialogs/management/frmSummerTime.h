// TfrmSummerTime: the device's summer time rule: off, a repeating rule (week of month, weekday,
// month, hour, minute for start and end) or an annual rule (day, month, hour, minute), and the
// offset in minutes. Each start and end travels as a short octet string that the dialog turns
// into combo boxes and edits and back; only the ticked parts are written.
#pragma once

#include "FeatureDialog.h"

#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TfrmSummerTime : public qs::FeatureDialog {
public:
    explicit TfrmSummerTime(TComponent* owner);
    ~TfrmSummerTime() override;

    void FormCreate();
    void btnRefreshClick();
    void cbxTimeStatusChange();
    void btnSetClick();
    void btnCheckAllClick();
    void btnClearChecksClick();

    // Each fills the rule's combo boxes and edits from the hidden value texts, when both hold a
    // value of the rule's length.
    void DecodeRepeatingSummerTime();
    void DecodeAnnualSummerTime();
    // Each writes the valid values into the hidden texts; true when start and end are both valid
    // (and, for the annual rule, each day fits its month).
    bool EncodeRepeatingSummerTime();
    bool EncodeAnnualSummerTime();

    TLabel* Label1;
    TComboBox* cbxTimeStatus;
    TCheckBox* CheckBox1;
    TLabel* Label2;
    TEdit* edtTimeOffset;
    TCheckBox* CheckBox2;

    TEdit* edt_RepeatStart;
    TEdit* edt_RepeatEnd;
    TEdit* edt_AnnualStart;
    TEdit* edt_AnnualEnd;

    // One line each; the annual rows stand on the lines of the repeating rows.
    TPanel* RepeatStartRow;
    TPanel* RepeatEndRow;
    TPanel* AnnualStartRow;
    TPanel* AnnualEndRow;

    struct RepeatRow {
        TCheckBox* include;
        TLabel* label;
        TComboBox* month;
        TComboBox* week;
        TComboBox* weekday;
        TEdit* hour;
        TLabel* colon;
        TEdit* minute;
    };
    struct AnnualRow {
        TCheckBox* include;
        TLabel* label;
        TEdit* day;
        TComboBox* month;
        TEdit* hour;
        TLabel* colon;
        TEdit* minute;
    };
    RepeatRow RepeatS{}; // CheckBox3, cbxRepeatMonthS, cbxRepeatWeekS, ...
    RepeatRow RepeatE{}; // CheckBox4, cbxRepeatMonthE, ...
    AnnualRow AnnualS{}; // CheckBox5, edtAnnualDayS, ...
    AnnualRow AnnualE{}; // CheckBox6, edtAnnualDayE, ...

    TButton* btnRefresh;
    TButton* btnSet;
    TButton* btnCheckAll;
    TButton* btnClearChecks;
    TButton* btnClose;

    QsSNMPRequest2Edits* StateRequest = nullptr;
    QsSNMPRequest2Edits* RepeatRequest = nullptr;
    QsSNMPRequest2Edits* AnnualRequest = nullptr;

private:
    void BuildControls();
    void BuildStateRows(TPanel* group);
    void BuildButtons();
    RepeatRow MakeRepeatRow(TPanel* row, char end, const char* box, const char* caption);
    AnnualRow MakeAnnualRow(TPanel* row, char end, const char* box, const char* caption);
    void CreateRequests();
    void ReadSequence();
    void WriteRepeating();
    void WriteAnnual();
    std::vector<TCheckBox*> RuleBoxes() const;
};

extern TfrmSummerTime* frmSummerTime;
