#include "LldpBitsTableForm.h"

#include "Button.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

namespace qs {

LldpBitsTableForm::LldpBitsTableForm(TComponent* owner, const LldpBitsTableSetup& setup)
    : FeatureDialog(owner, setup.formName, QString::fromLatin1(setup.caption), setup.size), setup_(setup) {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    FillButtonColumn(*this, column, {"SamplesLabel", &SamplesLabel, "StaticText1", &StaticText1},
                     {{&GetButton, "GetButton", "Refresh", [this] { GetButtonClick(); }},
                      {&CloseButton, "CloseButton", "Close", [this] { Close(); }}});
    FollowRowCount(ListView1, StaticText1);
    OnCreate = [this](TObject*) { FormCreate(); };
}

LldpBitsTableForm::~LldpBitsTableForm() {
    Shutdown.Run();
}

void LldpBitsTableForm::FormCreate() {
    auto request = std::make_unique<LldpBitsRequest>(this, setup_.columns);
    TableRequest = request.get();
    Shutdown.SetListView(ListView1);
    Shutdown.AddRequest(std::move(request));
    StaticText1->SetCaption(QStringLiteral("0"));
    Handle([this] {
        TableRequest->Request.List = QsSNMPVarList(setup_.table, MVT_FMV, setup_.keyCount);
        TableRequest->BindListView(ListView1, true);
        TableRequest->AfterGetHook = [this] { FitColumns(ListView1); };
        StatusOut().AttachTo(*TableRequest);
        TableRequest->Refresh();
    });
    ShowRowCount(ListView1, StaticText1);
}

// A walk still running is not started again: it lists every row once, and a second walk over it
// would list rows twice.
void LldpBitsTableForm::GetButtonClick() {
    if (RequestsEnded() || TableRequest->Busy) {
        return;
    }
    Handle([this] { TableRequest->Refresh(); });
    ShowRowCount(ListView1, StaticText1);
}

} // namespace qs
