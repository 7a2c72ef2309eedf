#include "PrtSecDelCtrlForm.h"

#include "AddressChecks.h"
#include "AddressEdits.h"
#include "Button.h"
#include "ComboBox.h"
#include "DeviceModel.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "RequiredText.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "StrToInt.h"
#include "TableLayout.h"

TPrtSecDelCtrlForm* PrtSecDelCtrlForm = nullptr;

namespace {

const QsSNMPVarDesc* DeleteVars() {
    static const QsOptionList activity(NoneStartOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.11.113.1.6.2.15.3.1", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.15.3.2", "Port", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.15.3.3", "MAC Address", SYN_MACADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.11.113.1.6.2.15.3.4", "Activity", SYN_INTEGER, ACC_READWRITE, &activity},
        {nullptr},
    };
    return table;
}

constexpr int kStart = 1; // position in cbxOper

// The number a text holds, or fallback when it holds none.
int NumberOr(const QString& text, int fallback) {
    try {
        return qs::StrToInt(text.toStdString());
    } catch (const qs::EConvertError&) {
        return fallback;
    }
}

} // namespace

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(TComponent* owner)
    : FeatureDialog(owner, "PrtSecDelCtrlForm", QStringLiteral("Port Sercurity Delete Control Form"),
                    QSize(360, 190), 0) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

TPrtSecDelCtrlForm::~TPrtSecDelCtrlForm() {
    Shutdown.Run();
    FreeUnitInfoList();
}

void TPrtSecDelCtrlForm::BuildControls() {
    MakeStatusBar(true);
    auto* fields = Make<TPanel>(nullptr, "Panel1");
    fields->SetAlign(alClient);
    auto label = [&](TLabel*& l, TWinControl* parent, const char* name, const char* caption, int left,
                     int top) {
        l = Make<TLabel>(parent, name);
        l->SetCaption(QString::fromLatin1(caption));
        l->SetBounds(left, top + 4, 60, 16);
    };
    label(Label1, fields, "Label1", "VLAN", 16, 14);
    edtVlan = Make<TEdit>(fields, "edtVlan");
    edtVlan->SetBounds(80, 14, 160, 24);
    label(Label2, fields, "Label2", "Port", 16, 48);
    PortEdit = Make<TEdit>(fields, "PortEdit");
    PortEdit->SetBounds(80, 48, 60, 24);
    label(Label3, fields, "Label3", "MAC", 16, 82);
    edtMac = Make<TEdit>(fields, "edtMac");
    edtMac->SetBounds(80, 82, 160, 24);
    edtPort = Make<TEdit>(fields, "edtPort");
    edtPort->SetVisible(false);
    cbxOper = Make<TComboBox>(fields, "cbxOper");
    cbxOper->SetVisible(false);
    GroupBox1 = Make<TPanel>(fields, "GroupBox1");
    GroupBox1->SetVisible(false);
    label(Label4, GroupBox1, "Label4", "Unit : ", 4, 4);
    UnitEdit = Make<TEdit>(GroupBox1, "UnitEdit");
    label(Label5, GroupBox1, "Label5", "Port : ", 4, 30);
    const qs::ButtonPlace place{.left = 256};
    qs::FillButtons(*this, fields,
                    {{&btnRefresh, "btnRefresh", "Refresh", [this] { btnRefreshClick(); }},
                     {&btnSet, "btnSet", "Set", [this] { btnSetClick(); }},
                     {&Button1, "Button1", "Close", [this] { Close(); }}},
                    place);
}

void TPrtSecDelCtrlForm::FormCreate() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    DeleteRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    qs::GuardedStatusLine(DeleteRequest, [this] {
        DeleteRequest->Request.List = QsSNMPVarList(DeleteVars(), SVT_SV, 0);
        DeleteRequest->BindEdits(0, "%s{l32}", {edtVlan});
        DeleteRequest->BindEdits(1, "%i{n0x768l3}", {edtPort});
        DeleteRequest->BindEdits(2, "%s{l12}", {edtMac});
        DeleteRequest->BindComboBox(3, cbxOper);
        StatusOut().AttachTo(*DeleteRequest);
        DeleteRequest->Mode = RM_BLOCKING;
        ReadValues();
    });
    BuildUnitInfoList();
}

void TPrtSecDelCtrlForm::ReadValues() {
    qs::RefreshShown(*DeleteRequest);
    const qs::UnitPort shown = qs::SplitPortNumber(NumberOr(edtPort->Text(), 0));
    UnitEdit->SetText(QString::number(shown.unit));
    PortEdit->SetText(QString::number(shown.port));
}

void TPrtSecDelCtrlForm::btnRefreshClick() {
    if (RequestsEnded() || DeleteRequest->Busy) {
        return;
    }
    FreeUnitInfoList();
    qs::GuardedStatusLine(DeleteRequest, [this] { ReadValues(); });
    BuildUnitInfoList();
}

void TPrtSecDelCtrlForm::BuildUnitInfoList() {
    UnitInfoList = {{1, PortCountOfModel(DeviceModelName), DeviceModelName}};
}

void TPrtSecDelCtrlForm::FreeUnitInfoList() {
    UnitInfoList.clear();
}

int TPrtSecDelCtrlForm::UnitPortCount(int unit) const {
    return qs::UnitPortCount(UnitInfoList, unit);
}

bool TPrtSecDelCtrlForm::CheckUnitPort() {
    const qs::UnitPort typed{NumberOr(UnitEdit->Text(), -1), NumberOr(PortEdit->Text(), -1)};
    using V = qs::UnitPortVerdict;
    const V verdict = qs::CheckUnitPort(UnitInfoList, typed.unit, typed.port);
    if (verdict == V::UnitReset || verdict == V::PortReset) {
        UnitEdit->SetText(QStringLiteral("0"));
        PortEdit->SetText(QStringLiteral("0"));
    }
    if (verdict == V::UnitFocus || verdict == V::UnitReset) {
        UnitEdit->SetFocus();
    } else if (verdict == V::PortFocus || verdict == V::PortReset) {
        PortEdit->SetFocus();
    } else {
        edtPort->SetText(QString::number(qs::CombinePortNumber(typed)));
    }
    return verdict == V::Accepted;
}

bool TPrtSecDelCtrlForm::CheckDeleteInput() {
    if (!qs::RequireText(edtVlan, QStringLiteral("You should input VLAN name."))) {
        return false;
    }
    if (!CheckUnitPort()) {
        ShowMessage(QStringLiteral("You should input valid port."));
        return false;
    }
    // A port-security entry is a station's address in any MAC writing (then in the edit as
    // twelve hex digits), not a group address.
    if (!qs::TakeMacEdit(edtMac) || !qs::IsUnicastMacText(edtMac->Text().toStdString())) {
        ShowMessage(QStringLiteral("You should input valid MAC address."));
        edtMac->SetFocus();
        return false;
    }
    cbxOper->SetItemIndex(kStart);
    return true;
}

// Set always works on unit 1: the unit edit is hidden and forced to "1".
void TPrtSecDelCtrlForm::btnSetClick() {
    if (RequestsEnded() || DeleteRequest->Busy) {
        return;
    }
    UnitEdit->SetText(QStringLiteral("1"));
    if (!CheckDeleteInput()) {
        return;
    }
    qs::GuardedStatusLine(DeleteRequest,
                          [this] { DeleteRequest->Apply(true, true, std::string(), nullptr); });
}
