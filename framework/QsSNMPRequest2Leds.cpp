#include "QsSNMPRequest2Leds.h"

#include "Panel.h"
#include "QsByteForms.h"
#include "QsException.h"
#include "QsNumList.h"
#include "Timer.h"

namespace {
constexpr int kBlinkInterval = 60;
} // namespace

QsSNMPRequest2Leds::QsSNMPRequest2Leds(TWinControl* owner) : QsSNMPRequest2Controls(owner) {
    PollTimer = new TTimer(owner);
    PollTimer->SetEnabled(false);
    PollTimer->OnTimer = [this](TObject*) { OnPollTimer(); };
    BlinkTimer = new TTimer(owner);
    BlinkTimer->SetInterval(kBlinkInterval);
    BlinkTimer->OnTimer = [this](TObject*) { Paint(); };
    BlinkTimer->SetEnabled(false); // Paint arms it while an LED blinks
}

// The timers belong to the form and may outlive the request: they must not call into it.
QsSNMPRequest2Leds::~QsSNMPRequest2Leds() {
    StopPolling();
    for (TTimer* timer : {PollTimer.data(), BlinkTimer.data()}) {
        if (timer) {
            timer->OnTimer = nullptr;
        }
    }
}

void QsSNMPRequest2Leds::AddLed(int varIndex, int bytePosition, const QsSNMPLedColorMapList* map,
                                TShape* shape) {
    auto led = std::make_unique<QsSNMPLed>();
    led->VarIndex = varIndex;
    led->BytePosition = bytePosition;
    led->Map = map;
    led->Shape = shape;
    led->Color = map->DefaultColor;
    shapesAlive_.emplace_back(shape);
    Leds.push_back(std::move(led));
    PaintShape(Leds.size() - 1);
}

void QsSNMPRequest2Leds::AddLeds(int varIndex, const std::string& positions, const QsSNMPLedColorMapList* map,
                                 TPanel* panel, int left, int gap, TShapeType shapeKind, int width,
                                 int height) {
    QsNumList<int> list;
    list.Delimiter = ',';
    list.Parse(positions);
    for (int i = 0; i < list.GetCount(); ++i) {
        auto* shape = new TShape(Owner, panel);
        shape->SetName(QStringLiteral("%1Led%2").arg(panel->Name()).arg(i));
        shape->Shape = shapeKind;
        shape->SetBounds(left + i * (gap + width), 0, width, height);
        AddLed(varIndex, list.GetItem(i), map, shape);
    }
    panel->SetBevelInner(bvNone);
    panel->SetBevelOuter(bvNone);
}

void QsSNMPRequest2Leds::StartPolling(int n) {
    PollTimer->SetInterval(n * 10);
    PollTimer->SetEnabled(true);
    RefreshOrReset();
}

void QsSNMPRequest2Leds::StopPolling() {
    blinkStopped_ = true;
    for (TTimer* timer : {PollTimer.data(), BlinkTimer.data()}) {
        if (timer) {
            timer->SetEnabled(false);
        }
    }
    ResetLeds();
}

void QsSNMPRequest2Leds::RefreshOrReset() {
    try {
        Refresh();
    } catch (const QsException&) {
        ResetLeds();
        throw;
    }
}

void QsSNMPRequest2Leds::ResetLeds() {
    for (const auto& led : Leds) {
        led->Blinking = false;
        led->Color = led->Map->DefaultColor;
    }
    for (std::size_t i = 0; i < Leds.size(); ++i) {
        PaintShape(i);
    }
}

void QsSNMPRequest2Leds::DecodeAll() {
    for (const auto& led : Leds) {
        DecodeLed(led.get());
    }
}

void QsSNMPRequest2Leds::DecodeLed(QsSNMPLed* led) {
    const QsSNMPVar& var = *Request.List.GetVar(led->VarIndex);
    const std::string text = var.OptionList ? var.OptionList->TextToValue(var.Value) : var.Value;
    qs::DecodeLedBytes(*led, TextToOctets(text, var.Syntax), DecodeMode, DecodeLimit);
}

void QsSNMPRequest2Leds::Paint() {
    bool blinkSeen = false;
    for (std::size_t i = 0; i < Leds.size(); ++i) {
        const QsSNMPLed& led = *Leds[i];
        if (shapesAlive_[i]) {
            PaintShape(i, qs::LedPaintColor(led, led.Shape->Brush.Color, BlinkCount, BlinkLimit));
        }
        blinkSeen = blinkSeen || led.Blinking;
    }
    if (blinkSeen) {
        ++BlinkCount;
    }
    // A blinking LED changes colour on each paint up to the limit, and once more back to its own
    // colour; after that paints change nothing.
    const bool due = blinkSeen && BlinkCount <= BlinkLimit + 1 && !blinkStopped_;
    if (BlinkTimer && BlinkTimer->Enabled() != due) {
        BlinkTimer->SetEnabled(due);
    }
}

void QsSNMPRequest2Leds::OnRow() {
    pollFailed_ = false;
    BlinkCount = 0;
    try {
        DecodeAll();
    } catch (const QsException&) {
        ResetLeds(); // no LED keeps a colour of the reply that failed
        throw;
    }
    Paint();
}

void QsSNMPRequest2Leds::OnGetError(QsSNMPError* error) {
    pollFailed_ = true;
    ResetLeds();
    LastOperation = 0;
    ShowStatus(error->message);
}

void QsSNMPRequest2Leds::OnPollTimer() {
    try {
        Refresh();
    } catch (const QsException& e) {
        pollFailed_ = true;
        ResetLeds();
        ShowStatus(e.what());
    }
}

// Shapes belong to the form; one already destroyed is left alone.
void QsSNMPRequest2Leds::PaintShape(std::size_t i, std::optional<int> color) {
    if (TShape* shape = shapesAlive_[i]) {
        const int c = color.value_or(Leds[i]->Color);
        shape->SetBrushColor(c);
        shape->SetPenColor(c);
        shape->Show();
    }
}
