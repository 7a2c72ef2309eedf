// The frame every feature dialog stands on: name, provisional caption, layout size scaled on a
// screen that is not at 96 pixels per inch, controls made with their object names, buttons whose
// handlers never let an exception out (its text goes to the status area), and the ordered
// shutdown of the dialog's requests when it closes.
#pragma once

#include "FailureReport.h"
#include "Form.h"
#include "RequestShutdown.h"

#include <QSize>
#include <functional>

class TButton;
class TListView;
class TStatusBar;

namespace qs {

class PortPickerSlot;

class FeatureDialog : public TForm {
public:
    // scale: 1.25 as a rule, 0 for a dialog that is not scaled.
    FeatureDialog(TComponent* owner, const char* name, const QString& caption, QSize clientSize,
                  double scale = 1.25);
    ~FeatureDialog() override;

    StatusArea StatusOut() const { return StatusArea(statusBar_); }
    // True once the dialog's requests have been ended.
    bool RequestsEnded() const { return Shutdown.Done(); }

protected:
    template <class C> C* Make(TWinControl* parent, const char* name) {
        auto* c = new C(this, parent);
        c->SetName(QString::fromLatin1(name));
        return c;
    }
    TButton* MakeButton(TWinControl* parent, const char* name, const char* caption,
                        std::function<void()> click);
    // The status bar at the bottom: one panel (panel 0) or a single text.
    TStatusBar* MakeStatusBar(bool onePanel);
    // Runs an event handler's work; an exception's text goes to the status area.
    bool Handle(const std::function<void()>& work) { return Guarded(StatusOut(), work); }
    // The request of a table with a port picker, owned by the shutdown, which on close also clears
    // list's selection and releases the picker before it ends the request.
    QsSNMPRequest2Edits* MakeTableRequest(TListView* list, PortPickerSlot& ports);
    // The same for a table without a port picker.
    QsSNMPRequest2Edits* MakeTableRequest(TListView* list);
    // Adds a close step in front of the request shutdown: false refuses the close.
    void SetCloseGate(std::function<bool()> gate) { closeGate_ = std::move(gate); }

    RequestShutdown Shutdown;

private:
    void CloseQuery(bool& canClose);
    TStatusBar* statusBar_ = nullptr;
    std::function<bool()> closeGate_;
};

} // namespace qs
