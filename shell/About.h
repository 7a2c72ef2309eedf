// Help > About: the module's name and release.
#pragma once

#include "Form.h"

class TButton;
class TImage;
class TLabel;

class TAboutForm : public TForm {
public:
    explicit TAboutForm(TComponent* owner);

    void FormActivate(TObject* sender);
    void BT_OkClick(TObject* sender);
    // Shift+Alt+F3 on the OK button shows the build.
    void BT_OkKeyDown(int key, Qt::KeyboardModifiers shift);

    TImage* Image5428 = nullptr;
    TLabel* AboutLabel = nullptr;
    TLabel* VersionLabel = nullptr;
    TLabel* Label3 = nullptr;
    TButton* BT_Ok = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TAboutForm* AboutForm;
