#include "TableLayout.h"

#include "AddressChecks.h"
#include "AddressEdits.h"
#include "AddressValidators.h"
#include "Button.h"
#include "Dialogs.h"
#include "Edit.h"
#include "FeatureDialog.h"
#include "KeyText.h"
#include "Label.h"
#include "StaticText.h"

namespace qs {

namespace {
constexpr int kLeft = 12;
constexpr int kWidth = 86;
constexpr int kButtonHeight = 28;
constexpr int kButtonStep = 36;
} // namespace

namespace {

void PlaceButtons(FeatureDialog& dialog, TWinControl* column, const std::vector<ColumnButton>& buttons,
                  const ButtonPlace& place, int top, ButtonColumn& made) {
    int left = place.left;
    for (const ColumnButton& b : buttons) {
        TButton* button = nullptr;
        if (b.wanted) {
            button = new TButton(&dialog, column);
            button->SetName(QString::fromLatin1(b.name));
            button->SetCaption(QString::fromLatin1(b.caption));
            if (b.click) {
                button->OnClick = [&dialog, click = b.click](TObject*) {
                    GuardedAction(dialog.StatusOut(), click);
                };
            }
            button->SetBounds(left, top, place.width, place.height);
            (place.across ? left : top) += place.step;
        }
        if (b.to) {
            *b.to = button;
        }
        made.buttons.push_back(button);
    }
}

} // namespace

ButtonColumn FillButtonColumn(FeatureDialog& dialog, TWinControl* column, const ColumnHead& head,
                              const std::vector<ColumnButton>& buttons, const ButtonPlace& place) {
    ButtonColumn made;
    int top = 12;
    if (head.labelName) {
        made.samples = new TLabel(&dialog, column);
        made.samples->SetName(QString::fromLatin1(head.labelName));
        made.samples->SetCaption(QString::fromLatin1(head.caption));
        made.samples->SetBounds(place.left, 8, place.width, 16);
        top = 26;
    }
    if (head.countName) {
        made.count = new TStaticText(&dialog, column);
        made.count->SetName(QString::fromLatin1(head.countName));
        made.count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        made.count->SetCaption(QStringLiteral("0"));
        made.count->SetBounds(place.left, top, place.width, 22);
        top += 36;
    }
    if (head.label) {
        *head.label = made.samples;
    }
    if (head.count) {
        *head.count = made.count;
    }
    PlaceButtons(dialog, column, buttons, place, place.top != 0 ? place.top : top, made);
    return made;
}

ButtonColumn FillButtonColumn(FeatureDialog& dialog, TWinControl* column, const char* samplesName,
                              const char* samplesCaption, const char* countName,
                              const std::vector<ColumnButton>& buttons) {
    ColumnHead head;
    head.labelName = samplesName;
    head.countName = countName;
    if (samplesCaption) {
        head.caption = samplesCaption;
    }
    return FillButtonColumn(dialog, column, head, buttons);
}

ButtonColumn FillButtons(FeatureDialog& dialog, TWinControl* parent, const std::vector<ColumnButton>& buttons,
                         const ButtonPlace& place) {
    return FillButtonColumn(dialog, parent, ColumnHead{}, buttons, place);
}

SamplesCount MakeSamplesCount(TComponent* owner, TWinControl* column, const char* labelName,
                              const char* countName) {
    auto* label = new TLabel(owner, column);
    label->SetName(QString::fromLatin1(labelName));
    label->SetCaption(QStringLiteral("Samples"));
    label->SetBounds(kLeft, 8, kWidth, 16);
    auto* count = new TStaticText(owner, column);
    count->SetName(QString::fromLatin1(countName));
    count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    count->SetCaption(QStringLiteral("0"));
    count->SetBounds(kLeft, 26, kWidth, 22);
    return {label, count};
}

void StackButtons(std::initializer_list<TButton*> buttons, int top) {
    for (TButton* b : buttons) {
        b->SetBounds(kLeft, top, kWidth, kButtonHeight);
        top += kButtonStep;
    }
}

AddressKeys FillAddressKeys(TForm& form, TWinControl* row) {
    auto make = [&](auto* control, const char* name, int left, int width) {
        control->SetName(QString::fromLatin1(name));
        control->SetBounds(left, 6, width, 22);
        return control;
    };
    AddressKeys keys{
        make(new TLabel(&form, row), "Label1", 8, 70), make(new TEdit(&form, row), "edtIpAddr", 82, 130),
        make(new TLabel(&form, row), "Label2", 230, 84), make(new TEdit(&form, row), "edtMacAddr", 318, 130)};
    keys.ipLabel->SetCaption(QStringLiteral("IP Address"));
    keys.macLabel->SetCaption(QStringLiteral("MAC Address"));
    keys.ipLabel->SetTop(10);
    keys.macLabel->SetTop(10);
    return keys;
}

bool AddressKeys::Valid() const {
    if (!IsValidIPv4Control(ip)) {
        if (ip->isEnabled()) {
            ip->SetFocus();
        }
        return false;
    }
    ip->SetText(DottedQuadKey(ip->Text()).value_or(QString()));
    if (!TakeMacEdit(mac)) {
        ShowMessage(QString::fromStdString(MacAddressMessage()).trimmed());
        if (mac->isEnabled()) {
            mac->SetFocus();
        }
        return false;
    }
    return true;
}

void PlaceLabels(TForm* form, TWinControl* parent, std::initializer_list<LabelCell> cells, int width) {
    for (const LabelCell& c : cells) {
        auto* label = new TLabel(form, parent);
        label->SetName(QString::fromLatin1(c.name));
        label->SetCaption(QString::fromLatin1(c.caption));
        label->SetBounds(c.left, c.top, width, 16);
        if (c.to) {
            *c.to = label;
        }
    }
}

TLabel* LabelOn(TForm* form, const char* name, const char* caption, int left, int top, int width) {
    auto* label = PlaceOn<TLabel>(form, name, left, top + 3, width);
    label->SetCaption(QString::fromLatin1(caption));
    return label;
}

TButton* ButtonOn(TForm* form, const char* name, const char* caption, int left, int top,
                  std::function<void()> click, const StatusArea& status) {
    auto* button = PlaceOn<TButton>(form, name, left, top, 84);
    button->SetCaption(QString::fromLatin1(caption));
    button->OnClick = [click = std::move(click), status](TObject*) { GuardedAction(status, click); };
    return button;
}

} // namespace qs
