#include "PortCapabilities8021dForm.h"

#include "Button.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TPortCapabilities8021dForm* PortCapabilities8021dForm = nullptr;

namespace {
const QsSNMPVarDesc PortCapabilityVars[] = {
    {kIndexOid, "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};
} // namespace

TPortCapabilities8021dForm::TPortCapabilities8021dForm(TComponent* owner)
    : FeatureDialog(owner, "PortCapabilities8021dForm", QStringLiteral("Port Capability Form"),
                    QSize(420, 420), 0) {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    LV_dot1dPortCapabilitiesEntry = Make<TListView>(nullptr, "LV_dot1dPortCapabilitiesEntry");
    LV_dot1dPortCapabilitiesEntry->SetAlign(alClient);
    qs::FillButtonColumn(*this, column, {"Label2", &Label2, "ST_Count", &ST_Count},
                         {{&RefreshBtn, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); }}});
    qs::FollowRowCount(LV_dot1dPortCapabilitiesEntry, ST_Count);
    OnCreate = [this](TObject*) { FormCreate(); };
}

TPortCapabilities8021dForm::~TPortCapabilities8021dForm() {
    Shutdown.Run();
}

void TPortCapabilities8021dForm::FormCreate() {
    CapabilityRequest = MakeTableRequest(LV_dot1dPortCapabilitiesEntry);
    CapabilityRequest->Request.List = QsSNMPVarList(PortCapabilityVars, MVT_FMV, 1);
    qs::GuardedStatusLine(CapabilityRequest, [this] {
        CapabilityRequest->BindListView(LV_dot1dPortCapabilitiesEntry, true);
        CapabilityRequest->AfterGetHook = [this] { qs::FitColumns(LV_dot1dPortCapabilitiesEntry); };
        StatusOut().AttachTo(*CapabilityRequest);
        CapabilityRequest->Refresh();
        qs::ShowRowCount(LV_dot1dPortCapabilitiesEntry, ST_Count);
    });
}

// A walk still running is not started again: it lists every row once, and a second walk over it
// would list rows twice.
void TPortCapabilities8021dForm::RefreshBtnClick() {
    if (RequestsEnded() || CapabilityRequest->Busy) {
        return;
    }
    qs::GuardedStatusLine(CapabilityRequest, [this] {
        CapabilityRequest->Refresh();
        qs::ShowRowCount(LV_dot1dPortCapabilitiesEntry, ST_Count);
    });
}
