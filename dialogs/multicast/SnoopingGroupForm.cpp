#include "SnoopingGroupForm.h"

#include "Button.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RequestShutdown.h"
#include "RowSelection.h"
#include "RowShown.h"
#include "ScrollBox.h"
#include "ScrollBoxTab.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "stackingPortUitFormUnit.h"

namespace qs {

namespace {

WalkGateConfig GateConfig() {
    WalkGateConfig config;
    config.refresh = WalkGateConfig::Refresh::Message;
    config.refreshMessage = QStringLiteral("Get data not complete!");
    config.stopRaises = true;
    return config;
}

// Binds the first count boxes of the picker to the bits 0 to count-1 of the column.
void BindBoxes(QsSNMPRequest2Edits& request, const PortPickerSlot& slot, int column, int count) {
    std::string positions;
    std::vector<TComponent*> boxes;
    for (int i = 0; i < count && i < static_cast<int>(slot.Picker()->PortBoxes.size()); ++i) {
        positions += (i == 0 ? "" : ",") + std::to_string(i);
        boxes.push_back(slot.Picker()->PortBoxes[static_cast<std::size_t>(i)]);
    }
    request.BindControlList(column, positions, boxes);
}

} // namespace

SnoopingGroupForm::SnoopingGroupForm(TComponent* owner, const SnoopingGroupConfig& config)
    : FeatureDialog(owner, config.formName, QString::fromLatin1(config.caption), QSize(760, 540)),
      RefreshAllowed(GateConfig(), nullptr), config_(config) {
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
}

SnoopingGroupForm::~SnoopingGroupForm() {
    Shutdown.Run();
}

void SnoopingGroupForm::BuildControls() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(300);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    auto* strip = Make<TPanel>(lower, "Panel3");
    strip->SetAlign(alTop);
    PageControl1 = Make<TPageControl>(lower, "PageControl1");
    PageControl1->SetAlign(alClient);
    for (const GroupPicker& p : config_.pickers) {
        scrollBoxes_.push_back(
            AddScrollBoxTab(this, PageControl1, p.sheetName, QString::fromLatin1(p.caption), p.boxName));
        Pickers.push_back(std::make_unique<PortPickerSlot>(this));
    }
    BuildFields(strip);
    BuildButtonColumn(column);
    FollowRowCount(ListView1, txt_sample);
}

// Label and field side by side, as many to a row as the width allows.
void SnoopingGroupForm::BuildFields(TPanel* strip) {
    constexpr int kLabelWidth = 104;
    constexpr int kRowWidth = 650;
    int left = 8;
    int top = 6;
    for (const GroupField& f : config_.fields) {
        const int cell = kLabelWidth + f.width + 12;
        if (left + cell > kRowWidth) {
            left = 8;
            top += 30;
        }
        auto* label = Make<TLabel>(strip, f.labelName);
        label->SetCaption(QString::fromLatin1(f.labelCaption));
        label->SetBounds(left, top + 4, kLabelWidth - 4, 16);
        TWinControl* field = nullptr;
        if (f.format != nullptr) {
            auto* edit = Make<TEdit>(strip, f.name);
            edit->SetReadOnly(true);
            edit->SetColor(clBtnFace);
            field = edit;
        } else {
            auto* text = Make<TStaticText>(strip, f.name);
            text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            field = text;
        }
        field->SetBounds(left + kLabelWidth, top, f.width, 22);
        Fields.push_back(field);
        left += cell;
    }
    strip->SetHeight(top + 30);
}

void SnoopingGroupForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"lbl_sample", &lbl_sample, "txt_sample", &txt_sample},
                         {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                          {&btn_stop, "btn_stop", "Stop", [this] { btn_stopClick(); }},
                          {&btnClose, config_.closeName, "Close", [this] { Close(); }}});
}

void SnoopingGroupForm::FormCreate() {
    // The pickers go with the form, after the request: a walk that is stopped while the dialog
    // closes still greys its bound boxes when it ends.
    for (std::size_t i = 0; i < Pickers.size(); ++i) {
        Pickers[i]->PlaceOn(scrollBoxes_[i], config_.boxCount);
    }
    Shutdown.SetListView(ListView1);
    CreateRequest();
    ShowRowCount(ListView1, txt_sample);
    DisableBoxes();
}

void SnoopingGroupForm::CreateRequest() {
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    GroupRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    RefreshAllowed.Attach(GroupRequest);
    try {
        GroupRequest->Request.List = QsSNMPVarList(config_.table, config_.itemType, 3);
        GroupRequest->BindListView(ListView1, true);
        GroupRequest->AfterGetHook = [this] { FitColumns(ListView1); };
        BindFields();
        FollowRowShown(ListView1, [this] { Handle([this] { ListView1Click(); }); });
        ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
        StatusOut().AttachTo(*GroupRequest);
        GroupRequest->Mode = RM_ASYNC;
        GroupRequest->OnGetDone = RefreshAllowed.Hook();
        GroupRequest->Refresh();
        if (config_.refreshDuringFirstWalk) {
            RefreshAllowed.Raise();
        }
    } catch (const std::exception& e) {
        RefreshAllowed.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
}

void SnoopingGroupForm::BindFields() {
    for (std::size_t i = 0; i < config_.fields.size(); ++i) {
        const GroupField& f = config_.fields[i];
        if (f.format != nullptr) {
            GroupRequest->BindEdits(f.column, f.format, {static_cast<TEdit*>(Fields[i])});
        } else {
            GroupRequest->BindStaticText(f.column, static_cast<TStaticText*>(Fields[i]));
        }
    }
    for (std::size_t i = 0; i < Pickers.size(); ++i) {
        BindBoxes(*GroupRequest, *Pickers[i], config_.pickers[i].column, config_.boxCount);
    }
}

void SnoopingGroupForm::DisableBoxes() {
    for (const auto& slot : Pickers) {
        slot->SetDisplayOnly(true);
    }
}

// A walk still running is stopped and waited for first, so that the new walk lists every row
// once.
void SnoopingGroupForm::btnGetClick() {
    if (RequestsEnded() || !RefreshAllowed.AllowRefresh()) {
        return;
    }
    try {
        if (GroupRequest->Busy) {
            GroupRequest->Request.Active = false;
            WaitUntil([this] { return !GroupRequest->Busy; }, RequestShutdown::kWaitMs);
        }
        GroupRequest->Request.Active = true;
        GroupRequest->Refresh();
        RefreshAllowed.Begin();
        ClearFields();
    } catch (const std::exception& e) {
        RefreshAllowed.Raise();
        StatusOut().Show(QString::fromStdString(e.what()));
        ClearFields();
    }
    RefreshAllowed.Raise();
}

void SnoopingGroupForm::btn_stopClick() {
    RefreshAllowed.Stop();
}

void SnoopingGroupForm::ListView1Click() {
    if (ListView1->Selected() == nullptr) {
        ClearFields();
    }
    DisableBoxes();
}

void SnoopingGroupForm::ClearFields() {
    for (TWinControl* field : Fields) {
        if (auto* edit = dynamic_cast<TEdit*>(field)) {
            edit->SetText(QString());
        } else if (auto* text = dynamic_cast<TStaticText*>(field)) {
            text->SetCaption(QString());
        }
    }
    for (const auto& slot : Pickers) {
        slot->Clear();
    }
    ShowRowCount(ListView1, txt_sample);
}

} // namespace qs
