// The read-only LLDP tables whose BITS columns are shown as name texts (remote systems with their
// capabilities, local and remote link aggregation) are one dialog configured by their
// differences: the table, its key count and the columns converted.
#pragma once

#include "FeatureDialog.h"
#include "LldpBitsRequest.h"

class TButton;
class TLabel;
class TListView;
class TStaticText;

namespace qs {

struct LldpBitsTableSetup {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* table;
    int keyCount;
    std::vector<LldpBitsColumn> columns;
    QSize size;
};

class LldpBitsTableForm : public FeatureDialog {
public:
    LldpBitsTableForm(TComponent* owner, const LldpBitsTableSetup& setup);
    ~LldpBitsTableForm() override;

    void FormCreate();
    void GetButtonClick();

    TListView* ListView1;
    TLabel* SamplesLabel;
    TStaticText* StaticText1;
    TButton* GetButton;
    TButton* CloseButton;

    LldpBitsRequest* TableRequest = nullptr;

private:
    const LldpBitsTableSetup& setup_;
};

} // namespace qs
