#include "Ipv6StaticRouteEditForm.h"

#include "AddressEdits.h"
#include "BlockingAction.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogFrame.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "SubDialogControls.h"
#include "TextNumbers.h"

#include <QGuiApplication>
#include <QScreen>
#include <utility>

TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm = nullptr;

namespace {

const QString kDefaultDestination = QStringLiteral("00000000000000000000000000000000");
constexpr int kCreateAndGo = 3; // position in the status combo

// The whole text as a number from low to high.
bool NumberIn(const QString& text, int low, int high) {
    std::int32_t value = 0;
    return qs::ParseInt32Exact(text.toStdString(), value) && value >= low && value <= high;
}

// A refused field: the message, then the focus on its edit when that can take it.
bool Refuse(const char* message, TEdit* edit) {
    ShowMessage(QString::fromLatin1(message));
    if (edit != nullptr && edit->isEnabled()) {
        edit->SetFocus();
    }
    return false;
}

// An IPv6 address in any writing the address rule takes is put into the edit as 32 hex digits;
// otherwise "Please input a valid IPv6 address" is shown once and the edit gets the focus.
bool FocusWhenInvalid(TEdit* edit) {
    if (qs::TakeIPv6Edit(edit)) {
        return true;
    }
    ShowMessage(QStringLiteral("Please input a valid IPv6 address"));
    if (edit->isEnabled()) {
        edit->SetFocus();
    }
    return false;
}

} // namespace

TIpv6StaticRouteEditForm::TIpv6StaticRouteEditForm(TComponent* owner, std::function<bool()> onSet)
    : TForm(owner), onSet_(std::move(onSet)) {
    BuildControls();
    qs::ScaleForScreen(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TIpv6StaticRouteEditForm::BuildControls() {
    SetName(QStringLiteral("Ipv6StaticRouteEditForm"));
    SetCaption(QStringLiteral("Ipv6 Static Route Edit"));
    SetClientWidth(420);
    SetClientHeight(250);
    struct Row {
        TLabel** label;
        const char* name;
        const char* caption;
    };
    const Row rows[] = {
        {&lbDst, "lbDst", "Destination"},
        {&lbPrefix, "lbPrefix", "Prefix Length"},
        {&lbInterface, "lbInterface", "Interface Name"},
        {&lbNextHop, "lbNextHop", "Next Hop"},
        {&lbMetric, "lbMetric", "Metric"},
        {&lbStatus, "lbStatus", "Status"},
    };
    int top = 14;
    for (const Row& r : rows) {
        *r.label = qs::MakeOn<TLabel>(this, r.name, 14, top + 4, 110);
        (*r.label)->SetCaption(QString::fromLatin1(r.caption));
        top += 32;
    }
    edtDst = qs::MakeOn<TEdit>(this, "edtDst", 130, 14, 270);
    edtPrefix = qs::MakeOn<TEdit>(this, "edtPrefix", 130, 46, 80);
    edtInterface = qs::MakeOn<TEdit>(this, "edtInterface", 130, 78, 150);
    edtNextHop = qs::MakeOn<TEdit>(this, "edtNextHop", 130, 110, 270);
    edtMetric = qs::MakeOn<TEdit>(this, "edtMetric", 130, 142, 80);
    cbxStatus = qs::MakeOn<TComboBox>(this, "cbxStatus", 130, 174, 150);
    cbxStatus->SetEnabled(false);
    lbProtocol = qs::MakeOn<TLabel>(this, "lbProtocol", 230, 146, 60);
    lbProtocol->SetCaption(QStringLiteral("Protocol"));
    lbProtocol->SetVisible(false);
    edtProtocol = qs::MakeOn<TEdit>(this, "edtProtocol", 300, 142, 100);
    edtProtocol->SetVisible(false);
    edtProtocol->SetEnabled(false);
    lbWeight = qs::MakeOn<TLabel>(this, "lbWeight", 230, 50, 60);
    lbWeight->SetCaption(QStringLiteral("Weight"));
    lbWeight->SetVisible(false);
    edtWeight = qs::MakeOn<TEdit>(this, "edtWeight", 300, 46, 100);
    edtWeight->SetVisible(false);
    lbBackup = qs::MakeOn<TLabel>(this, "lbBackup", 290, 82, 50);
    lbBackup->SetCaption(QStringLiteral("Backup"));
    lbBackup->SetVisible(false);
    BackupComboBox = qs::MakeOn<TComboBox>(this, "BackupComboBox", 340, 78, 60);
    BackupComboBox->SetVisible(false);
    btnSet = qs::MakeOn<TButton>(this, "btnSet", 206, 212, 90);
    btnSet->SetCaption(QStringLiteral("Set"));
    btnSet->OnClick = [this](TObject*) {
        const qs::BlockingAction click; // the set and the owner's refresh: one time-out at most
        btnSetClick();
    };
    btnClose = qs::MakeOn<TButton>(this, "btnClose", 310, 212, 90);
    btnClose->SetCaption(QStringLiteral("Close"));
    btnClose->OnClick = [this](TObject*) { Close(); };
}

void TIpv6StaticRouteEditForm::FormActivate() {
    cbxStatus->SetItemIndex(kCreateAndGo);
    cbxStatus->SetEnabled(false);
    const bool route = EditMode == kAddRoute;
    edtDst->SetText(route ? QString() : kDefaultDestination);
    edtPrefix->SetText(route ? QString() : QStringLiteral("0"));
    edtDst->SetEnabled(route);
    edtPrefix->SetEnabled(route);
    for (TEdit* edit : {edtInterface, edtNextHop, edtWeight, edtProtocol, edtMetric}) {
        edit->SetText(QString());
    }
    edtProtocol->SetEnabled(false);
}

bool TIpv6StaticRouteEditForm::CheckRouteInput() {
    if (EditMode == kAddRoute) {
        if (edtDst->Text().isEmpty()) {
            return Refuse("Please Set Destination Address", nullptr);
        }
        if (!FocusWhenInvalid(edtDst)) {
            return false;
        }
        if (edtPrefix->Text().isEmpty()) {
            return Refuse("Please Set Prefix length", nullptr);
        }
        if (!NumberIn(edtPrefix->Text(), 0, 128)) {
            return Refuse("Prefix should between 0-128", edtPrefix);
        }
    }
    if (edtNextHop->Text().isEmpty()) {
        return Refuse("Please Set Next Hop Address", nullptr);
    }
    if (!FocusWhenInvalid(edtNextHop)) {
        return false;
    }
    if (edtNextHop->Text() == edtDst->Text()) {
        return Refuse("Duplicate IP address, Please input a valid Next Hop", edtNextHop);
    }
    if (!edtMetric->Text().isEmpty() && !NumberIn(edtMetric->Text(), 1, 65535)) {
        return Refuse("Metric should between 1-65535", edtMetric);
    }
    return true;
}

void TIpv6StaticRouteEditForm::btnSetClick() {
    if (!CheckRouteInput()) {
        return;
    }
    if (onSet_()) {
        Close(); // a refused write leaves what was typed for the user to correct
    }
}
