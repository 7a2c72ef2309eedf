#include "LLDPLocSysDataForm.h"

#include "Button.h"
#include "Edit.h"
#include "Label.h"
#include "LldpBitSets.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TLLDPLocSysDataForm* LLDPLocSysDataForm = nullptr;

namespace {

const QsOption ChassisIdSubtypeOptions[] = {
    {1, "chassisComponent"}, {2, "interfaceAlias"}, {3, "portComponent"}, {4, "macAddress"},
    {5, "networkAddress"},   {6, "interfaceName"},  {7, "local"},         {}};

const QsSNMPVarDesc* LocalSystemVars() {
    static const QsOptionList chassisSubtype(ChassisIdSubtypeOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.0.8802.1.1.2.1.3.1", "Chassis ID Subtype", SYN_INTEGER, ACC_READONLY, &chassisSubtype},
        {"1.0.8802.1.1.2.1.3.2", "Chassis ID", SYN_MACADDRESS, ACC_READONLY},
        {"1.0.8802.1.1.2.1.3.3", "System Name", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.3.4", "System Description", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.3.5", "System Capabilities Supported", SYN_OCTETSTR, ACC_READONLY},
        {"1.0.8802.1.1.2.1.3.6", "System Capabilities Enabled", SYN_OCTETSTR, ACC_READONLY},
        {nullptr},
    };
    return table;
}

constexpr int kLineWidth = 100;

} // namespace

namespace qs {
QString SystemNameHint(const QString& name) {
    QString hint = name;
    for (qsizetype i = 1; i <= name.size() / kLineWidth; ++i) {
        hint.insert(kLineWidth * i - 1, QLatin1Char('\n'));
    }
    return hint;
}
} // namespace qs

TLLDPLocSysDataForm::TLLDPLocSysDataForm(TComponent* owner)
    : FeatureDialog(owner, "LLDPLocSysDataForm", QStringLiteral("Local System Data"), QSize(560, 290)) {
    MakeStatusBar(true);
    auto* panel = Make<TPanel>(nullptr, "Panel1");
    panel->SetAlign(alClient);
    subtypeText = AddRow(panel, "Label1", "Local Chassis ID Subtype", "subtypeText", 14);
    IDText = AddRow(panel, "Label2", "Local Chassis ID", "IDText", 46);
    sysNameText = AddRow(panel, "Label3", "Local System Name", "sysNameText", 78);
    sysDescText = AddRow(panel, "Label4", "Local System Description", "sysDescText", 110);
    tempText1 = Make<TStaticText>(panel, "tempText1");
    tempText1->SetVisible(false);
    tempText2 = Make<TStaticText>(panel, "tempText2");
    tempText2->SetVisible(false);
    auto* supportLabel = Make<TLabel>(panel, "Label5");
    supportLabel->SetCaption(QStringLiteral("Local System Capabilities Supported"));
    supportLabel->SetBounds(12, 146, 220, 16);
    CapSupportEdit = Make<TEdit>(panel, "CapSupportEdit");
    CapSupportEdit->SetBounds(236, 142, 310, 22);
    auto* enableLabel = Make<TLabel>(panel, "Label6");
    enableLabel->SetCaption(QStringLiteral("Local System Capabilities Enabled"));
    enableLabel->SetBounds(12, 178, 220, 16);
    capEnableEdit = Make<TEdit>(panel, "capEnableEdit");
    capEnableEdit->SetBounds(236, 174, 310, 22);
    FillButtons(*this, panel,
                {{&GetButton, "GetButton", "Refresh", [this] { GetButtonClick(); }},
                 {&CloseButton, "CloseButton", "Close", [this] { Close(); }}},
                {.left = 344, .top = 216, .width = 96, .step = 106, .across = true});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TLLDPLocSysDataForm::~TLLDPLocSysDataForm() {
    Shutdown.Run();
}

TStaticText* TLLDPLocSysDataForm::AddRow(TPanel* panel, const char* labelName, const char* caption,
                                         const char* textName, int top) {
    auto* label = Make<TLabel>(panel, labelName);
    label->SetCaption(QString::fromLatin1(caption));
    label->SetBounds(12, top + 4, 220, 16);
    auto* text = Make<TStaticText>(panel, textName);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->SetBounds(236, top, 310, 22);
    return text;
}

void TLLDPLocSysDataForm::FormCreate() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    SysDataRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    CapSupportEdit->SetEnabled(false);
    capEnableEdit->SetEnabled(false);
    Handle([this] {
        SysDataRequest->Request.List = QsSNMPVarList(LocalSystemVars(), SVT_SV, 0);
        TStaticText* texts[] = {subtypeText, IDText, sysNameText, sysDescText, tempText1, tempText2};
        for (int i = 0; i < 6; ++i) {
            SysDataRequest->BindStaticText(i, texts[i]);
        }
        // A failed read is shown; the capability texts show the values still held either way.
        SysDataRequest->OnGetDone = [this](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
            qs::ReportReadFailure(sender, error);
            ShowLocalCapabilities();
        };
        StatusOut().AttachTo(*SysDataRequest);
        SysDataRequest->Refresh();
    });
}

void TLLDPLocSysDataForm::ShowLocalCapabilities() {
    CapSupportEdit->SetText(QString::fromStdString(
        qs::BitsToNameText(tempText1->Caption().toStdString(), qs::LocalCapabilityNames)));
    capEnableEdit->SetText(QString::fromStdString(
        qs::BitsToNameText(tempText2->Caption().toStdString(), qs::LocalCapabilityNames)));
    SetSystemNameHint();
}

void TLLDPLocSysDataForm::SetSystemNameHint() {
    sysNameText->SetHint(qs::SystemNameHint(sysNameText->Caption()));
}

// The capability texts are shown at once from the values of the previous read; the get hook
// shows the new ones when the reply has come.
void TLLDPLocSysDataForm::GetButtonClick() {
    if (RequestsEnded()) {
        return;
    }
    Handle([this] {
        SysDataRequest->Refresh();
        ShowLocalCapabilities();
    });
}
