#include "About.h"

#include "Button.h"
#include "DeviceModel.h"
#include "Image.h"
#include "Label.h"
#include "PanelPictures.h"

#include <QKeyEvent>

TAboutForm* AboutForm = nullptr;

namespace {

template <class T> T* Place(TAboutForm* form, const char* name, int left, int top) {
    auto* control = new T(form);
    control->SetName(QString::fromLatin1(name));
    control->SetLeft(left);
    control->SetTop(top);
    return control;
}

} // namespace

TAboutForm::TAboutForm(TComponent* owner) : TForm(owner) {
    setObjectName(QStringLiteral("AboutForm"));
    SetCaption(QStringLiteral("About KRS-5400 Module"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    SetClientWidth(409);
    SetClientHeight(103);
    Image5428 = Place<TImage>(this, "Image5428", 16, 20);
    Image5428->SetBounds(16, 20, 32, 32);
    Image5428->SetPicture(qs::PanelPicture("icon"));
    AboutLabel = Place<TLabel>(this, "AboutLabel", 65, 16);
    AboutLabel->SetBold(true);
    AboutLabel->SetCaption(QStringLiteral("Torvik KRS-5400 Management Module "));
    VersionLabel = Place<TLabel>(this, "VersionLabel", 65, 39);
    VersionLabel->SetCaption(QStringLiteral("Release Version 1.25"));
    Label3 = Place<TLabel>(this, "Label3", 65, 61);
    Label3->SetCaption(QStringLiteral("Element manager for the KRS-5400 switch family"));
    BT_Ok = new TButton(this);
    BT_Ok->SetName(QStringLiteral("BT_Ok"));
    BT_Ok->SetCaption(QStringLiteral("OK"));
    BT_Ok->SetBounds(136, 81, 51, 20);
    BT_Ok->OnClick = [this](TObject* s) { BT_OkClick(s); };
    BT_Ok->installEventFilter(this);
    OnActivate = [this](TObject* s) { FormActivate(s); };
    // The command that opens the box also deletes it: closing only ends the modal wait.
    OnClose = [](TObject*, TCloseAction& action) { action = caHide; };
}

void TAboutForm::FormActivate(TObject*) {
    AboutLabel->SetCaption(QString::fromStdString("Torvik " + DeviceModelName + " Management Module"));
    if (AboutForm != nullptr) {
        AboutForm->SetCaption(QString::fromStdString("About " + DeviceModelName + " Module"));
    }
}

void TAboutForm::BT_OkClick(TObject*) {
    Close();
}

void TAboutForm::BT_OkKeyDown(int key, Qt::KeyboardModifiers shift) {
    if (key == Qt::Key_F3 && shift.testFlag(Qt::ShiftModifier) && shift.testFlag(Qt::AltModifier)) {
        VersionLabel->SetCaption(QStringLiteral("Release Version 1.25R10(Build 2011/1/5)"));
    }
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        BT_OkKeyDown(key->key(), key->modifiers());
    }
    return TForm::eventFilter(watched, event);
}
