// Every window of the main menu opened from the real main window against the simulated switch,
// with the windows it leads to (a list's Add and Edit windows, a dialog's sub-dialogs): every
// caption of a label, button, check box and radio button, every value shown in a read-only
// edit, and every list column's header and values fit their control with the form's font, and
// list rows leave room below the text. Controls left out are listed with the reason.
//
// With KRS_FIT_LIST set, each window checked is printed with its object name and size.
#include "AclDialogs.h"
#include "Application.h"
#include "CatalogueMenu.h"
#include "CatalogueWalk.h"
#include "DialogClasses.h"
#include "Layer2Dialogs.h"
#include "ListView.h"
#include "MainUnit.h"
#include "MainWindowSim.h"
#include "Menu.h"
#include "MessageRecorder.h"
#include "PageCommand.h"
#include "QsSNMPTarget.h"
#include "SecurityDialogs.h"
#include "SimProcess.h"
#include "SnmpAdapter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using qs::test::SimProcess;

// Controls whose text is not held to the control's width, by window and control object name
// ("" = any window), with the reason.
struct Exception {
    const char* window;
    const char* control;
    const char* why;
};
constexpr Exception kExceptions[] = {
    {"", "portspeedled", "never shown: holds the port status bytes the front panel draws from"},
};

const char* ExceptionFor(const QWidget& window, const QWidget& control) {
    for (const Exception& e : kExceptions) {
        if ((*e.window == '\0' || window.objectName() == e.window) && control.objectName() == e.control) {
            return e.why;
        }
    }
    return nullptr;
}

// Captions of the buttons that open a further window.
bool OpensWindow(const QAbstractButton& button) {
    QString caption = button.text();
    caption.remove('&');
    static const QStringList kOpeners = {"Add", "Edit", "Modify", "Detail", "Details"};
    return kOpeners.contains(caption.trimmed()) || caption.endsWith(QStringLiteral("..."));
}

int Advance(const QWidget& w, QString text, bool accessKeys) {
    if (accessKeys) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&');
    }
    int widest = 0;
    for (const QString& line : text.split('\n')) {
        widest = std::max(widest, w.fontMetrics().horizontalAdvance(line));
    }
    return widest;
}

// What did not fit in the windows looked at.
class FitCheck {
public:
    int windows = 0;
    int controls = 0;
    std::vector<std::string> misfits;

    void Window(const QWidget& window, const std::string& where) {
        ++windows;
        if (qEnvironmentVariableIsSet("KRS_FIT_LIST")) {
            std::cout << "Window: " << where << " " << window.objectName().toStdString() << " "
                      << window.width() << "x" << window.height() << "\n";
        }
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&window) || ExceptionFor(window, *w) != nullptr) {
                continue;
            }
            if (const auto* list = dynamic_cast<const TListView*>(w)) {
                List(*list, where);
            } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
                Label(*label, where);
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
                Button(*button, where);
            } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
                Edit(*edit, where);
            }
        }
    }

private:
    void Need(const QWidget& w, const std::string& where, const QString& text, int need, int have) {
        ++controls;
        if (need > have) {
            misfits.push_back(where + " / " + w.objectName().toStdString() + " \"" + text.toStdString() +
                              "\": needs " + std::to_string(need) + " px, has " + std::to_string(have));
        }
        // Nor is the control cut by the edge of what holds it (a scrolled area holds it whole).
        const QWidget* holder = w.parentWidget();
        if (holder != nullptr && w.x() + std::min(need, w.width()) > holder->width()) {
            misfits.push_back(where + " / " + w.objectName().toStdString() + " \"" + text.toStdString() +
                              "\": cut by its holder's edge at " + std::to_string(holder->width()));
        }
    }
    void Label(const QLabel& label, const std::string& where) {
        if (label.text().isEmpty() || label.textFormat() == Qt::RichText) {
            return;
        }
        if (label.wordWrap()) {
            Need(label, where, label.text(), label.heightForWidth(label.width()), label.height());
            return;
        }
        Need(label, where, label.text(), Advance(label, label.text(), false), label.contentsRect().width());
    }
    void Button(const QAbstractButton& button, const std::string& where) {
        if (button.text().isEmpty()) {
            return;
        }
        const bool box =
            qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button);
        const int need = box ? button.sizeHint().width() : Advance(button, button.text(), true) + 4;
        Need(button, where, button.text(), need, button.width());
    }
    void Edit(const QLineEdit& edit, const std::string& where) {
        if (!edit.isReadOnly() || edit.text().isEmpty() || edit.echoMode() != QLineEdit::Normal) {
            return;
        }
        Need(edit, where, edit.text(), Advance(edit, edit.text(), false) + 8, edit.width());
    }
    void List(const TListView& list, const std::string& where) {
        for (int c = 0; c < list.columnCount(); ++c) {
            if (list.columnWidth(c) == 0) {
                continue; // a hidden column
            }
            const std::string column = where + " [" + list.headerItem()->text(c).toStdString() + "]";
            Need(list, column, list.headerItem()->text(c), list.header()->sectionSizeHint(c),
                 list.columnWidth(c));
            const int rows = std::min(list.topLevelItemCount(), 300);
            int widest = 0;
            QString text;
            for (int r = 0; r < rows; ++r) {
                const QString t = list.topLevelItem(r)->text(c);
                if (list.fontMetrics().horizontalAdvance(t) > widest) {
                    widest = list.fontMetrics().horizontalAdvance(t);
                    text = t;
                }
            }
            if (rows > 0) {
                Need(list, column, text, widest + 6, list.columnWidth(c));
            }
        }
        if (list.topLevelItemCount() > 0) {
            const int height = list.visualItemRect(list.topLevelItem(0)).height();
            Need(list, where + " row height", QStringLiteral("_all_"), list.fontMetrics().height() + 3,
                 height == 0 ? 1000 : height);
        }
    }
};

class FitSweep : public MainWindowSim {
protected:
    // Lets the window's reads finish: no request under way and no rows waiting for the view,
    // several looks in a row (bounded).
    static void Settle() {
        QElapsedTimer clock;
        clock.start();
        int quiet = 0;
        while (quiet < 5 && clock.elapsed() < 15000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            bool busy = qs::HasOutstandingRequests();
            for (QWidget* top : QApplication::topLevelWidgets()) {
                for (const TListView* list : top->findChildren<TListView*>()) {
                    busy = busy || list->ItemsPending();
                }
            }
            quiet = busy ? 0 : quiet + 1;
            QEventLoop wait;
            QTimer::singleShot(30, &wait, &QEventLoop::quit);
            wait.exec();
        }
    }

    // Checks the window that becomes modal while `opener` runs, explores the windows its buttons
    // open (down to kDepth), then closes it. A look of an earlier opener ends at once.
    void Open(const std::function<void()>& opener, QWidget* under, const std::string& where, int depth) {
        const int look = ++look_;
        QTimer::singleShot(25, [=, this] { Watch(look, under, where, depth, kAttempts); });
        opener();
        if (look_ == look) {
            ++look_; // nothing was opened: the look ends
        }
    }

    void Watch(int look, QWidget* under, const std::string& where, int depth, int attempts) {
        if (look != look_) {
            return;
        }
        auto* window = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        if (window != nullptr && window != under && window != form_.get()) {
            ++look_;
            Explore(*window, where, depth);
        } else if (attempts > 0) {
            QTimer::singleShot(25, [=, this] { Watch(look, under, where, depth, attempts - 1); });
        } else if (QWidget* other = QApplication::activeModalWidget(); other != nullptr && other != under) {
            ADD_FAILURE() << where << ": a window the sweep does not know";
            other->close(); // it must not wait for ever
        }
    }

    // Looks every 25 ms for the window, for ten seconds at most.
    static constexpr int kAttempts = 400;

    void Explore(TForm& window, const std::string& where, int depth) {
        Settle();
        check_.Window(window, where);
        if (depth < kDepth) {
            ExploreSubWindows(window, where, depth);
        }
        boxes_.answers = {IDOK};
        window.Close();
        Settle();
        if (window.isVisible()) {
            window.hide(); // a window that keeps itself open must not stay for the next command
        }
    }

    // A row selected first (as a user clicks one), then every button that opens a window, then a
    // double-click on the first row (a list page's Edit window).
    void ExploreSubWindows(TForm& window, const std::string& where, int depth) {
        const QList<TListView*> lists = window.findChildren<TListView*>();
        for (TListView* list : lists) {
            if (list->ItemCount() > 0 && list->isVisibleTo(&window)) {
                list->SetSelected(list->Item(0));
                qs::Fire(list->OnClick, list);
            }
        }
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (OpensWindow(*button) && button->isEnabled() && button->isVisibleTo(&window)) {
                const std::string sub = where + " > " + button->text().remove('&').toStdString();
                Open([button] { button->click(); }, &window, sub, depth + 1);
            }
        }
        for (TListView* list : lists) {
            if (list->ItemCount() > 0 && list->isVisibleTo(&window) && list->OnDblClick) {
                list->SetSelected(list->Item(0));
                Open([list] { qs::Fire(list->OnDblClick, list); }, &window, where + " > (row)", depth + 1);
            }
        }
    }

    static constexpr int kDepth = 2; // the menu's window and the windows it opens

    int Sweep(int step, int offset) {
        const auto opensAWindow = [](const PlacedEntry& e) {
            const qs::CommandKind kind = e.entry->kind;
            return !e.place.hidden && kind != qs::CommandKind::Tool && kind != qs::CommandKind::None &&
                   kind != qs::CommandKind::Separator && kind != qs::CommandKind::Empty &&
                   std::string(e.entry->objectName) != "Reboot1";
        };
        return RunShard(step, offset, opensAWindow, [this](TMenuItem& item, const PlacedEntry& e) {
            boxes_.answers = {IDOK};
            Open([&item] { item.Click(); }, nullptr, e.place.path, 1);
        });
    }

    qs::MessageRecorder boxes_;
    FitCheck check_;
    int look_ = 0;
};

// The commands in eight shards, so that each test stays short and they run side by side.
constexpr int kShards = 8;

class FitSweepShard : public FitSweep, public testing::WithParamInterface<int> {};

TEST_P(FitSweepShard, EveryTextFitsItsControl) {
    const int swept = Sweep(kShards, GetParam());
    std::cout << "Commands: " << swept << ", windows checked: " << check_.windows
              << ", controls checked: " << check_.controls << "\n";
    EXPECT_GT(swept, 250 / kShards);
    EXPECT_GT(check_.windows, swept / 2);
    for (const std::string& m : check_.misfits) {
        ADD_FAILURE() << m;
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, FitSweepShard, testing::Range(0, kShards));

} // namespace
