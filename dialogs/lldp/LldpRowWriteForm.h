// The frame and steps the LLDP dialogs that write one selected row share: a list view over an
// editor panel, a column with the row count and the Refresh, write, Stop and Close buttons, a
// walk gate that refuses Refresh and the write while a walk or a write is pending (Stop opens it
// at once), a write that waits for its reply before the table is read again, and a Refresh that
// lets the reply in flight of a stopped walk come back before it walks anew.
#pragma once

#include "FeatureDialog.h"
#include "WalkGate.h"

class TButton;
class TLabel;
class TListView;
class TPanel;
class TStaticText;

namespace qs {

struct LldpRowWriteFrame {
    int editorHeight;
    const char* refreshName;
    const char* writeName;
    const char* writeCaption;
    const char* stopName;
    QString refreshMessage; // the write's message is "Get data not complete"
};

class LldpRowWriteForm : public FeatureDialog {
public:
    LldpRowWriteForm(TComponent* owner, const char* name, const QString& caption, QSize size,
                     const LldpRowWriteFrame& frame);

    void StopButtonClick();
    // The dialog was closed, or its modal loop is about to close it.
    bool Closing() const;

    WalkGate Gate;

protected:
    // Builds the frame; the handlers are the subclass's Refresh and write steps.
    void BuildFrame(std::function<void()> refresh, std::function<void()> write);
    // The request the gate and the steps work on.
    void SetRowRequest(QsSNMPRequest2Controls* request);
    // Refresh after the gate: optionally stops the running walk first, lets a reply in flight come
    // back, clears the editors and walks again. False when the walk could not start (the gate
    // stays down until Stop).
    bool RestartWalk(bool stopFirst, const std::function<void()>& clearEditors);
    // The write of the selected row: refused while the gate is down or the request busy, or when
    // inputTaken (if given) says no after showing why; sends, clears the editors, waits for the
    // reply and walks again.
    void WriteSelectedRow(const std::function<void()>& clearEditors,
                          const std::function<bool()>& inputTaken = {});
    void ShowRowCount();

    TListView* List = nullptr;
    TPanel* Editors = nullptr;
    TLabel* Samples = nullptr;
    TStaticText* Count = nullptr;
    TButton* RefreshBtn = nullptr;
    TButton* WriteBtn = nullptr;
    TButton* StopBtn = nullptr;
    TButton* CloseBtn = nullptr;

private:
    const LldpRowWriteFrame frame_;
    QsSNMPRequest2Controls* request_ = nullptr;
};

} // namespace qs
