// TCertificateFileForm: the parameters under which the device loads or deletes its SSL
// certificate and key files from a file server, written only where their include box is
// ticked, and the kind of certificate the device holds.
#pragma once

#include "FeatureDialog.h"

#include <array>

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;

class TCertificateFileForm : public qs::FeatureDialog {
public:
    explicit TCertificateFileForm(TComponent* owner);
    ~TCertificateFileForm() override;

    void FormCreate();
    void Button_RefreshClick();
    void Button_SetCheckedClick();
    void TickAll(bool ticked);

    enum Column { kIpAddress, kFilePath, kKeyFilePath, kFileControl, kShowStatus };

    std::array<TLabel*, 5> Labels;
    TEdit* ED_IPAddress;
    TEdit* ED_FilePath;
    TEdit* ED_KeyFilePath;
    TComboBox* Combox_FileControl;
    TEdit* ED_Status;
    TCheckBox* CheckBox_IPAddress;
    TCheckBox* CheckBox_FilePath;
    TCheckBox* CheckBox_KeyFilePath;
    TCheckBox* CheckBox_FileControl;
    TButton* Button_Refresh;
    TButton* Button_SetChecked;
    TButton* Button_CheckAll;
    TButton* Button_ClearAll;
    TButton* Button_Close;

    QsSNMPRequest2Edits* CertRequest = nullptr;

private:
    void BuildControls();
    std::array<TCheckBox*, 4> Includes() const {
        return {CheckBox_IPAddress, CheckBox_FilePath, CheckBox_KeyFilePath, CheckBox_FileControl};
    }
};

extern TCertificateFileForm* CertificateFileForm;
