// TCurrentTimeForm: the device's clock, the time sources it supports and whether its clock is
// reset on reboot; sets the clock.
#pragma once

#include "FeatureDialog.h"

#include <QString>
#include <optional>

class QsSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TStaticText;

namespace qs {
// The names of the capability bits set in the leading hex digits of hex (0x80 systemTime,
// 0x40 SNTP, 0x20 SummerTime, 0x10 realTimeClock), after a blank and joined by ",";
// nothing for an empty text.
std::optional<QString> TimeCapacityNames(const QString& hex);
} // namespace qs

class TCurrentTimeForm : public qs::FeatureDialog {
public:
    explicit TCurrentTimeForm(TComponent* owner);
    ~TCurrentTimeForm() override;

    void FormCreate();
    void GetButtonClick();
    void SetButtonClick();
    // After every read: the capability names of the value read.
    void DescribeTimeCapacity();

    TStaticText* tempText;
    TLabel* Label1;
    TEdit* timecapacityEdit;
    TLabel* Label2;
    TEdit* currentclockEdit;
    TLabel* Label3;
    TComboBox* cbxReset;
    TButton* GetButton;
    TButton* SetButton;
    TButton* CloseButton;

    QsSNMPRequest2Edits* ClockRequest = nullptr;

private:
    void BuildControls();
};

extern TCurrentTimeForm* CurrentTimeForm;
