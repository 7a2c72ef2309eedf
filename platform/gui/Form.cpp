#include "Form.h"

#include "Application.h"
#include "ClientArea.h"
#include "TextFit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

namespace {
const QEvent::Type kUserMessage = static_cast<QEvent::Type>(QEvent::registerEventType());

class UserMessageEvent : public QEvent {
public:
    explicit UserMessageEvent(const TMessage& m) : QEvent(kUserMessage), message(m) {}
    TMessage message;
};
} // namespace

TForm::TForm(TComponent* owner) : QWidget(nullptr), TWinControl(this, owner) {
    qs::EnsureApplication();
    m_client = new qs::ClientArea(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->onResize = [this] { Realign(); };
    resize(400, 300);
}

TForm::~TForm() {
    // Hidden first, so nothing that follows is reported as a user's focus move.
    hide();
    if (m_loop) {
        m_loop->quit();
    }
}

QWidget* TForm::ClientWidget() const {
    return m_client;
}

int TForm::ClientWidth() const {
    return m_scroll != nullptr ? m_client->width() : width();
}

int TForm::ClientHeight() const {
    if (m_scroll != nullptr) {
        return m_client->height();
    }
    return height() - (m_menuBar ? m_menuBar->sizeHint().height() : 0);
}

void TForm::SetClientWidth(int v) {
    resize(v, height());
}

void TForm::SetClientHeight(int v) {
    resize(width(), v + height() - ClientHeight());
}

void TForm::SetMenuBar(QMenuBar* bar) {
    m_menuBar = bar;
    if (bar) {
        bar->setParent(this);
        bar->show();
    }
    LayoutClient();
}

void TForm::LayoutClient() {
    const int top = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    if (m_menuBar) {
        m_menuBar->setGeometry(0, 0, width(), top);
    }
    const QRect area(0, top, width(), qMax(0, height() - top));
    if (m_scroll == nullptr) {
        m_client->setGeometry(area);
        return;
    }
    // Scrolled: the client area keeps its designed size, or the window's when that is larger.
    m_scroll->setGeometry(area);
    const QSize view = m_scroll->maximumViewportSize();
    m_client->resize(std::max(m_designed.width(), view.width()),
                     std::max(m_designed.height(), view.height()));
}

// A window larger than the screen's free area opens within it, its client area scrolled so
// that every control stays within reach.
void TForm::FitToScreen() {
    const QScreen* screen = this->screen();
    if (parentWidget() != nullptr || screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    create(); // the window's frame is known once it exists
    const QSize frame = frameGeometry().size() - size();
    const QSize room(free.width() - frame.width(), free.height() - frame.height());
    if (width() <= room.width() && height() <= room.height()) {
        return;
    }
    if (m_scroll == nullptr) {
        const int top = m_menuBar ? m_menuBar->sizeHint().height() : 0;
        m_designed = QSize(width(), height() - top);
        m_scroll = new QScrollArea(this);
        m_scroll->setObjectName(QStringLiteral("ClientScroll"));
        m_scroll->setFrameShape(QFrame::NoFrame);
        m_scroll->setWidget(m_client);
        m_scroll->show();
    }
    resize(std::min(width(), room.width()), std::min(height(), room.height()));
    LayoutClient();
    const QPoint at(std::clamp(x(), free.left(), free.right() + 1 - frameGeometry().width()),
                    std::clamp(y(), free.top(), free.bottom() + 1 - frameGeometry().height()));
    move(at);
}

void TForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutClient();
}

void TForm::CenterOnMainForm() {
    QRect around;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (Application->MainForm && Application->MainForm != this) {
        around = Application->MainForm->frameGeometry();
        screen = Application->MainForm->screen();
    } else if (screen) {
        around = screen->availableGeometry();
    }
    QPoint at = around.center() - QPoint(width() / 2, height() / 2);
    // A form taller or wider than a short main window would start off the screen, its caption
    // out of reach: keep its top-left corner on the screen.
    if (screen) {
        const QRect area = screen->availableGeometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - height())));
    }
    move(at);
}

void TForm::PerformCreate() {
    if (m_created) {
        return;
    }
    m_created = true;
    if (auto handler = OnCreate) {
        handler(this);
    }
}

void TForm::Show() {
    PerformCreate();
    qs::GrowTextsToFit(this);
    LayoutClient();
    FitToScreen();
    show();
    raise();
    activateWindow();
}

int TForm::ShowModal() {
    PerformCreate();
    setWindowModality(Qt::ApplicationModal);
    m_modal = true;
    m_modalResult = mrNone;
    Show();
    QPointer<TForm> self(this);
    for (;;) {
        QEventLoop loop;
        m_loop = &loop;
        if (m_modalResult == mrNone) {
            loop.exec();
        }
        if (!self) {
            return mrCancel;
        }
        m_loop = nullptr;
        if (Application->Terminated()) {
            m_modalResult = mrCancel;
        }
        if (CloseModal() || Application->Terminated()) {
            break;
        }
    }
    const int result = m_modalResult == mrNone ? mrCancel : m_modalResult;
    m_modal = false;
    hide();
    setWindowModality(Qt::NonModal);
    return result;
}

void TForm::SetModalResult(int result) {
    m_modalResult = result;
    if (result != mrNone && m_loop) {
        m_loop->quit();
    }
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (auto handler = OnCloseQuery) {
        handler(this, canClose);
    }
    return canClose;
}

TCloseAction TForm::AskClose() {
    TCloseAction action = caHide;
    if (auto handler = OnClose) {
        handler(this, action);
    }
    return action;
}

bool TForm::CloseModal() {
    TCloseAction action = caNone;
    qs::RunHandler([&] { action = CloseQuery() ? AskClose() : caNone; });
    if (action == caNone) {
        m_modalResult = mrNone;
        return false;
    }
    if (action == caFree) {
        Release();
    }
    return true;
}

void TForm::Close() {
    if (m_modal) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) {
        return;
    }
    const TCloseAction action = AskClose();
    if (action == caNone) {
        return;
    }
    if (Application->MainForm == this) {
        Application->Terminate();
    } else if (action == caHide) {
        hide();
    } else if (action == caMinimize) {
        showMinimized();
    } else {
        Release();
    }
}

void TForm::Release() {
    deleteLater();
}

void TForm::FireDestroy() {
    if (m_destroyFired) {
        return;
    }
    m_destroyFired = true;
    qs::Fire(OnDestroy, this);
}

void TForm::Free() {
    FireDestroy();
    delete this;
}

TWinControl* TForm::ActiveControl() const {
    return dynamic_cast<TWinControl*>(TControl::Of(focusWidget()));
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control) {
        control->SetFocus();
    }
}

void TForm::PostMessage(unsigned msg, std::intptr_t wParam, std::intptr_t lParam) {
    QCoreApplication::postEvent(this, new UserMessageEvent({msg, wParam, lParam, 0}));
}

void TForm::Dispatch(TMessage&) {}

bool TForm::event(QEvent* event) {
    if (event->type() == kUserMessage) {
        qs::RunHandler([&] { Dispatch(static_cast<UserMessageEvent*>(event)->message); });
        return true;
    }
    if (event->type() == QEvent::DeferredDelete) {
        FireDestroy();
    } else if (event->type() == QEvent::WindowActivate) {
        qs::Fire(OnActivate, this);
    }
    return QWidget::event(event);
}

void TForm::closeEvent(QCloseEvent* event) {
    // The window's close box asks as Close does; the form decides whether it goes.
    event->ignore();
    qs::RunHandler([this] { Close(); });
}
