#include "PortPickerSlot.h"

#include "DeviceModel.h"
#include "DialogHelpers.h"
#include "QsSNMPRequest2Edits.h"
#include "stackingPortUitFormUnit.h"

namespace qs {

PortPickerSlot::PortPickerSlot(TForm* form) : picker_(new TStackingPortUitForm(form)) {}

PortPickerSlot::~PortPickerSlot() = default; // the form frees a picker not released

void PortPickerSlot::PlaceOnTab(const QString& caption, TPageControl* pages) {
    AddPortPickerTab(caption, picker_, pages);
}

void PortPickerSlot::PlaceOn(TWinControl* host, int boxCount) {
    ShowPortPicker(picker_, host, boxCount);
}

void PortPickerSlot::Bind(QsSNMPRequest2Edits& request, int varIndex) {
    std::vector<TComponent*> boxes;
    for (std::size_t i = 0; i < picker_->PortBoxes.size() && i < 64; ++i) {
        boxes.push_back(picker_->PortBoxes[i]);
    }
    request.BindControlList(varIndex, PortNameList(), boxes);
}

void PortPickerSlot::SetDisplayOnly(bool displayOnly) {
    if (picker_) {
        displayOnly ? picker_->DisableAllPorts() : picker_->EnableAllPorts();
    }
}

void PortPickerSlot::Clear() {
    if (picker_) {
        picker_->ClearAllPorts();
    }
}

bool PortPickerSlot::Ticked(int port) const {
    const auto i = static_cast<std::size_t>(port - 1);
    return picker_ && port >= 1 && i < picker_->PortBoxes.size() && picker_->PortBoxes[i]->Checked();
}

void PortPickerSlot::Tick(int port, bool ticked) {
    const auto i = static_cast<std::size_t>(port - 1);
    if (picker_ && port >= 1 && i < picker_->PortBoxes.size()) {
        picker_->PortBoxes[i]->SetChecked(ticked);
    }
}

void PortPickerSlot::Release() {
    if (!picker_) {
        return;
    }
    picker_->FormDestroy();
    delete picker_;
    picker_ = nullptr;
}

} // namespace qs
