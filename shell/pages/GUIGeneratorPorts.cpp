// The port-list picker of the editor grid: a port-list field opens a modal dialog with one
// numbered check box per port, bound to the variable's bits.

#include "CheckBox.h"
#include "Exceptions.h"
#include "GUIGenerator.h"
#include "Label.h"
#include "PageLayout.h"
#include "PageWait.h"
#include "QsSNMPRequest2Edits.h"

#include <memory>

namespace {

struct PortDialog {
    std::unique_ptr<TForm> form;
    std::vector<TComponent*> boxes;
    TButton* ok = nullptr;
};

TButton* AddButton(TForm* form, const char* name, const char* caption, int left, int top) {
    auto* b = new TButton(form, form);
    b->SetName(QString::fromLatin1(name));
    b->SetCaption(QString::fromLatin1(caption));
    // Sized to the caption: four buttons of the usual 75 pixels do not fit a 12-column dialog.
    const int width = b->fontMetrics().horizontalAdvance(b->Caption()) + 16;
    b->SetBounds(left, top, width, qs::kButtonHeight);
    return b;
}

// Boxes and labels, row by row; returns the width W of the box area.
int AddPortBoxes(PortDialog& d, const TPortListSetting& setting, bool writable, QString& parts) {
    int width = 0;
    for (int n = 0; n < setting.Count; ++n) {
        auto* label = new TLabel(d.form.get(), d.form.get());
        label->SetName(QStringLiteral("PortLabel%1").arg(n + 1));
        label->SetCaption(QString::number(n + 1));
        auto* box = new TCheckBox(d.form.get(), d.form.get());
        box->SetName(QStringLiteral("PortBox%1").arg(n + 1));
        box->SetBounds(0, 0, qs::kPortBoxWidth, 17);
        box->SetTabStop(false);
        box->SetEnabled(writable);
        d.boxes.push_back(box);
        parts += (n ? QStringLiteral(",") : QString()) + QString::number(n);
        const qs::PortCell cell = qs::PortCellAt(n, setting.Columns, box->Height(), label->Height());
        label->SetBounds(cell.labelLeft, cell.labelTop, label->Width(), label->Height());
        box->SetBounds(cell.boxLeft, cell.boxTop, qs::kPortBoxWidth, box->Height());
    }
    width = qs::PortAreaWidth(setting.Count, setting.Columns);
    return width;
}

void SetTicks(const PortDialog& d, bool ticked) {
    for (TComponent* b : d.boxes) {
        static_cast<TCheckBox*>(b)->SetChecked(ticked);
    }
}

// One row below the last box: OK, and for a writable variable Cancel, Check All, Clear Checks.
void AddPortButtons(PortDialog& d, bool writable) {
    const auto* last = static_cast<TCheckBox*>(d.boxes.back());
    const int top = last->Top() + last->Height() + 10;
    d.ok = AddButton(d.form.get(), "OKBtn", "OK", 10, top);
    d.ok->ModalResult = mrOk;
    if (!writable) {
        return;
    }
    TButton* cancel = AddButton(d.form.get(), "CancelBtn", "Cancel", d.ok->Left() + d.ok->Width() + 10, top);
    cancel->ModalResult = mrCancel;
    TButton* all =
        AddButton(d.form.get(), "CheckAllBtn", "Check All", cancel->Left() + cancel->Width() + 10, top);
    TButton* none =
        AddButton(d.form.get(), "ClearChecksBtn", "Clear Checks", all->Left() + all->Width() + 10, top);
    all->OnClick = [&d](TObject*) { SetTicks(d, true); };
    none->OnClick = [&d](TObject*) { SetTicks(d, false); };
}

} // namespace

void TEditsPanel::SetPortListItem(int index, int columns, int count) {
    UISnmpVar& item = Items[static_cast<std::size_t>(index)];
    auto* edit = dynamic_cast<TEdit*>(item.Control);
    if ((item.Kind != 1 && item.Kind != 2) || !edit) {
        throw QsException("You can only assign Octet Item to a Edit!", 0);
    }
    edit->OnClick = [this](TObject* s) { PickPortList(s); };
    // Any character key opens the picker; Tab still moves the focus.
    edit->OnKeyPress = [this](TObject* s, char16_t& key) {
        key = 0;
        PickPortList(s);
    };
    edit->SetReadOnly(true);
    item.PortList = std::make_unique<TPortListSetting>(TPortListSetting{columns, std::max(count, 1)});
}

void TEditsPanel::PickPortList(TObject* Sender) {
    auto* edit = dynamic_cast<TEdit*>(Sender);
    if (!edit || !Request) {
        return;
    }
    const int i = edit->Tag;
    const UISnmpVar& item = Items[static_cast<std::size_t>(i)];
    const TPortListSetting setting = *item.PortList;
    const bool writable = Request->Request.List.IsWritable(i);
    PortDialog d;
    d.form = std::make_unique<TForm>();
    d.form->SetName(QStringLiteral("PortListForm"));
    d.form->SetCaption(QString::fromStdString(Request->Request.List.GetVar(i)->Name));
    d.form->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    try {
        Request->ReadControls(-1);
    } catch (const std::exception&) {
    }
    const std::string before = Request->Request.List.GetVar(i)->Value;
    QString parts;
    const int width = AddPortBoxes(d, setting, writable, parts);
    // While the dialog is open the boxes alone stand for the variable: an edit read first would
    // fail on a value with no width yet (nothing to start from in an Add sub-form).
    Request->Unbind(i);
    Request->BindControlList(i, parts.toStdString(), d.boxes);
    try {
        Request->ShowValues(i);
    } catch (const std::exception&) {
        ClearItem(i);
        SetTicks(d, false);
    }
    AddPortButtons(d, writable);
    // W + 50, or wider when the button row needs it, so that no button is cut off.
    const auto* lastButton = dynamic_cast<TButton*>(d.form->Components(d.form->ComponentCount() - 1));
    d.form->SetClientWidth(std::max(width + 50, lastButton->Left() + lastButton->Width() + 10));
    d.form->SetClientHeight(d.ok->Top() + d.ok->Height() + 10);
    qs::CentreOver(d.form.get(), window());
    const int result = d.form->ShowModal();
    try {
        if (result == mrOk) {
            Request->ReadControls(i);
            Request->ReadControls(-1);
        }
    } catch (const std::exception&) {
    }
    if (result != mrOk) {
        Request->Request.List.GetVar(i)->Value = before; // Cancel changes nothing
    }
    try {
        Request->Unbind(i);
        Request->BindEdits(i, item.Format.toStdString(), {edit});
        Request->ShowValues(i);
        Request->ReadControls(-1);
    } catch (const std::exception&) {
    }
}
