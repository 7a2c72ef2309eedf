#include "stackingPortUitFormUnit.h"

#include "Exceptions.h"

#include <QFont>

TStackingPortUitForm::TStackingPortUitForm(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("StackingPortUitForm"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    SetClientWidth(543);
    SetClientHeight(252);
    UnitPageControl = new TPageControl(this);
    UnitPageControl->SetName(QStringLiteral("UnitPageControl"));
    UnitPageControl->SetAlign(alClient);
    FormCreate();
}

TStackingPortUitForm::~TStackingPortUitForm() {
    FormDestroy();
}

void TStackingPortUitForm::FormCreate() {
    PortBoxes.clear();
    UnitSheets.clear();
}

void TStackingPortUitForm::FormDestroy() {
    for (TCheckBox* box : PortBoxes) {
        delete box;
    }
    PortBoxes.clear();
    delete CurrentScrollBox;
    CurrentScrollBox = nullptr;
    for (TTabSheet* sheet : UnitSheets) {
        delete sheet;
    }
    UnitSheets.clear();
}

void TStackingPortUitForm::AddUnitPage(const QString& caption, int count, int columns) {
    AddUnitPage(caption, 1, count, columns, false);
}

void TStackingPortUitForm::AddUnitPage(const QString& caption, int firstPort, int count, int columns,
                                       bool bare) {
    const int unit = static_cast<int>(UnitSheets.size()) + 1;
    auto* sheet = new TTabSheet(this, UnitPageControl);
    sheet->SetName(QStringLiteral("UnitSheet%1").arg(unit));
    UnitSheets.push_back(sheet);
    sheet->SetCaption(caption);
    CurrentScrollBox = new TScrollBox(this, sheet);
    CurrentScrollBox->SetName(QStringLiteral("UnitScrollBox%1").arg(unit));
    CurrentScrollBox->SetAlign(alClient);
    if (bare) {
        UnitPageControl->Hide();
    } else {
        CreatePortCheckBoxes(CurrentScrollBox, firstPort, count, columns);
    }
    sheet->SetTabVisible(false);
}

void TStackingPortUitForm::CreatePortCheckBoxes(TScrollBox* scrollBox, int firstPort, int count,
                                                int columns) {
    columns = qMax(1, columns);
    for (int i = 0; i < count; ++i) {
        auto* box = new TCheckBox(scrollBox, scrollBox);
        const QString caption = QString::number(firstPort + i);
        box->SetName(QStringLiteral("PortBox%1").arg(PortBoxes.size()));
        box->SetCaption(caption);
        const int f = box->font().pointSize() > 0 ? box->font().pointSize() : 8;
        const int height = 17;
        box->SetBounds((i % columns) * f * 5 + 20, (i / columns) * height + 4,
                       (static_cast<int>(caption.size()) + 3) * f, height);
        box->Hide();
        PortBoxes.push_back(box);
    }
}

void TStackingPortUitForm::ShowUnitPorts(const QString& unitText, const QString& captionSuffix,
                                         int visibleCount) {
    int unit = 0;
    try {
        unit = qs::StrToInt(unitText);
    } catch (const std::exception&) {
        return;
    }
    if (unit < 1 || unit > static_cast<int>(UnitSheets.size())) {
        return;
    }
    TTabSheet* sheet = UnitSheets[static_cast<std::size_t>(unit - 1)];
    sheet->SetCaption(sheet->Caption() + QStringLiteral(" ") + captionSuffix);
    sheet->SetTabVisible(false);
    UnitPageControl->SetActivePage(sheet);
    sheet->show();
    const std::size_t first = static_cast<std::size_t>(unit - 1) * kBoxesPerUnit;
    for (std::size_t k = 0; k < static_cast<std::size_t>(qMax(0, visibleCount)); ++k) {
        if (first + k >= PortBoxes.size()) {
            return;
        }
        PortBoxes[first + k]->Show();
    }
}

void TStackingPortUitForm::ShowUnitPorts(const QString& unitText, const QString& captionSuffix, int,
                                         int visibleCount, int) {
    ShowUnitPorts(unitText, captionSuffix, visibleCount);
}

void TStackingPortUitForm::ClearAllPorts() {
    for (TCheckBox* box : PortBoxes) {
        box->SetChecked(false);
    }
}

void TStackingPortUitForm::EnableAllPorts() {
    for (TCheckBox* box : PortBoxes) {
        box->SetEnabled(true);
    }
}

void TStackingPortUitForm::DisableAllPorts() {
    for (TCheckBox* box : PortBoxes) {
        box->SetEnabled(false);
    }
}

int TStackingPortUitForm::CountCheckedPorts() const {
    int count = 0;
    for (std::size_t i = 0; i < PortBoxes.size() && i < kBoxesPerUnit; ++i) {
        if (PortBoxes[i] && PortBoxes[i]->Checked()) {
            ++count;
        }
    }
    return count;
}
