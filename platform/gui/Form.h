#pragma once
// TForm: a top-level window.
// - ShowModal runs a modal loop until ModalResult is set (a button's ModalResult, Close); the
//   close then asks OnCloseQuery and OnClose, and either may keep the form open (caNone).
// - Close on a shown, non-modal form asks OnCloseQuery, then OnClose with caHide; caFree
//   releases the form: it is deleted once control returns to the loop that asked for it.
// - PostMessage queues a user message, handled by Dispatch when a message loop runs.
// - OnCreate fires once, from PerformCreate (qs::CreateForm) or else at the first Show.
// - A form being destroyed or hidden reports no exit of its edits.
// - Show widens controls to their texts (see TextFit.h); a window larger than the screen's free
//   area opens within it, its client area scrolling.

#include "Control.h"

#include <QWidget>
#include <cstdint>

class QEventLoop;
class QMenuBar;
class QScrollArea;
namespace qs {
class ClientArea;
}

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

constexpr unsigned WM_APP = 0x8000;

struct TMessage {
    unsigned Msg;
    std::intptr_t WParam;
    std::intptr_t LParam;
    std::intptr_t Result;
};

class TForm : public QWidget, public TWinControl {
public:
    explicit TForm(TComponent* owner = nullptr);
    ~TForm() override;

    QWidget* ClientWidget() const override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    void Show();
    int ShowModal();
    bool Modal() const { return m_modal; }
    void Close();
    // Deletes the form once control is back in the loop that called Release.
    void Release();
    // OnDestroy, then deletes the form at once.
    void Free();
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result);

    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);

    void PostMessage(unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
    // Fires OnCreate when it has not fired yet.
    void PerformCreate();
    // Centres the form on the main form (on the screen without one), keeping it on the screen.
    void CenterOnMainForm();
    // The menu bar shown above the client area (owned by the form; null = none).
    void SetMenuBar(QMenuBar* bar);

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    // Handles a posted user message; the base does nothing.
    virtual void Dispatch(TMessage& message);
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool CloseQuery();
    TCloseAction AskClose();
    bool CloseModal();
    void FireDestroy();
    void LayoutClient();
    void FitToScreen();

    qs::ClientArea* m_client;
    QMenuBar* m_menuBar = nullptr;
    QScrollArea* m_scroll = nullptr; // set once the window had to be made smaller than designed
    QSize m_designed;                // the client area's designed size, while scrolled
    QEventLoop* m_loop = nullptr;
    int m_modalResult = mrNone;
    bool m_modal = false;
    bool m_created = false;
    bool m_destroyFired = false;
};

namespace qs {
// Builds a form and fires its OnCreate, as the class library's form creation does.
template <class F, class... A> F* CreateForm(A&&... args) {
    F* form = new F(std::forward<A>(args)...);
    form->PerformCreate();
    return form;
}
} // namespace qs
