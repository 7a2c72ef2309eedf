// The LED request: polls one octet-string status object, decodes one status byte per LED through
// a value-to-colour map and paints each LED's shape; blinking LEDs alternate with the map's
// default colour on a 60 ms timer for about eight paints after each reply. The blink timer runs
// only while a paint is still due, so steady LEDs wake nobody.
#pragma once

#include "QsSNMPLed.h"
#include "QsSNMPRequest2Controls.h"
#include "Shape.h"

#include <QPointer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TPanel;
class TTimer;

class QsSNMPRequest2Leds : public QsSNMPRequest2Controls {
public:
    // owner: the form; it owns both timers and the shapes AddLeds makes.
    explicit QsSNMPRequest2Leds(TWinControl* owner);
    ~QsSNMPRequest2Leds() override;

    // Registers a shape, paints it in the map's default colour and shows it.
    void AddLed(int varIndex, int bytePosition, const QsSNMPLedColorMapList* map, TShape* shape);
    // One new shape per byte position ("1,3,9"), side by side on the panel from left on.
    void AddLeds(int varIndex, const std::string& positions, const QsSNMPLedColorMapList* map, TPanel* panel,
                 int left, int gap, TShapeType shapeKind, int width, int height);
    // Polls every n x 10 ms, the first read at once. Does not start blinking again after StopPolling.
    void StartPolling(int n);
    void StopPolling();
    // Refresh; an exception first resets the LEDs, then goes on to the caller.
    void RefreshOrReset();
    // One poll as the poll timer makes it: an exception resets the LEDs and goes to the status.
    void OnPollTimer();
    void ResetLeds();
    void DecodeAll();
    void Paint();

    int LedCount() const { return static_cast<int>(Leds.size()); }
    // True after a poll that failed, until one succeeds.
    bool LastPollFailed() const { return pollFailed_; }
    const QsSNMPLed& Led(int i) const { return *Leds[static_cast<std::size_t>(i)]; }

    QPointer<TTimer> PollTimer;
    QPointer<TTimer> BlinkTimer;
    int BlinkLimit = 6;
    int BlinkCount = 0;
    int DecodeMode = 1;
    int DecodeLimit = 4;

protected:
    // Each reply: decode every LED, then paint. A decoding error resets the LEDs and goes on.
    void OnRow() override;
    // A failed poll: LEDs back to their default colours, the message to the status output only.
    void OnGetError(QsSNMPError* error) override;
    virtual void DecodeLed(QsSNMPLed* led);

private:
    // Paints LED i's shape in color, or in the LED's own colour.
    void PaintShape(std::size_t i, std::optional<int> color = std::nullopt);

    bool blinkStopped_ = false; // StopPolling ends blinking for good
    bool pollFailed_ = false;

    std::vector<std::unique_ptr<QsSNMPLed>> Leds;
    std::vector<QPointer<TShape>> shapesAlive_;
};
