// Modal forms driven from a test, close handling, posted messages and message boxes.

#include "Button.h"
#include "Exceptions.h"
#include "GuiTest.h"

#include <QPointer>
#include <QTimer>

namespace qs::test {
namespace {

constexpr unsigned WM_REFRESH_PAGE = WM_APP + 1234;

class MessageForm : public TForm {
public:
    QList<TMessage> received;

protected:
    void Dispatch(TMessage& m) override { received << m; }
};

using FormTest = GuiTest;

// A dialog centred on a short main window at the top of the screen would start above the
// screen, its caption out of reach; it is kept on the screen instead.
TEST_F(FormTest, CentringOnAShortMainWindowKeepsTheFormOnTheScreen) {
    TForm mainForm(nullptr);
    mainForm.setGeometry(0, 0, 400, 60);
    TForm* const previous = Application->MainForm;
    Application->MainForm = &mainForm;
    form->resize(300, 400);
    form->CenterOnMainForm();
    Application->MainForm = previous;
    const QRect area = mainForm.screen()->availableGeometry();
    EXPECT_GE(form->y(), area.top());
    EXPECT_GE(form->x(), area.left());
    EXPECT_EQ(form->x(), mainForm.frameGeometry().center().x() - 150) << "still centred where there is room";
}

TEST_F(FormTest, ShowModalReturnsTheResultOfTheButtonPressed) {
    auto* ok = new TButton(form);
    ok->SetName(QStringLiteral("OkButton"));
    ok->ModalResult = mrOk;
    QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Modal());
}

// Each refusal asks for the next close only once it has happened: two closes due at once would be
// one request to the modal loop, so nothing here may depend on how soon a timer fires.
TEST_F(FormTest, CloseQueryAndCloseActionCanKeepAModalFormOpen) {
    int asked = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
        canClose = ++asked > 1;
        if (!canClose) {
            QTimer::singleShot(0, form, [this] { form->Close(); });
        }
    };
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        if (++closes == 1) {
            action = caNone; // deferred: the form asks again later
            QTimer::singleShot(0, form, [this] { form->Close(); });
        }
    };
    QTimer::singleShot(0, form, [this] { form->Close(); });
    // A loop that stopped asking ends with a result no close gives, instead of hanging.
    constexpr int kGaveUp = 99;
    QTimer::singleShot(30000, form, [this] { form->SetModalResult(kGaveUp); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(closes, 2);
}

TEST_F(FormTest, TheWindowCloseBoxAsksLikeClose) {
    bool allowed = false;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allowed; };
    form->Show();
    form->close();
    EXPECT_TRUE(form->isVisible());
    allowed = true;
    form->close();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FormTest, CloseWithCaFreeDeletesTheFormLaterAndFiresOnDestroy) {
    auto* other = new TForm;
    QPointer<QWidget> alive(other);
    bool destroyed = false;
    other->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    other->OnDestroy = [&](TObject*) { destroyed = true; };
    other->Show();
    other->Close();
    EXPECT_TRUE(alive) << "freed only once control is back in the loop";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
    EXPECT_TRUE(destroyed);
}

TEST_F(FormTest, PostedMessageIsHandledByTheFirstLoopThatRuns) {
    auto* f = new MessageForm;
    f->PostMessage(WM_REFRESH_PAGE);
    EXPECT_TRUE(f->received.isEmpty());
    QTimer::singleShot(0, f, [f] { f->SetModalResult(mrOk); });
    f->ShowModal();
    ASSERT_EQ(f->received.size(), 1);
    EXPECT_EQ(f->received[0].Msg, 34002u);
    EXPECT_EQ(f->received[0].WParam, 0);
    delete f;
}

TEST_F(FormTest, OnCreateFiresOnceAfterConstruction) {
    struct Counting : TForm {
        int created = 0;
        Counting() {
            OnCreate = [this](TObject*) { ++created; };
        }
    };
    std::unique_ptr<Counting> f(CreateForm<Counting>());
    EXPECT_EQ(f->created, 1);
    f->Show();
    EXPECT_EQ(f->created, 1);
}

TEST_F(FormTest, MessageBoxesGoThroughTheHookWithTheirTextsAndCaptions) {
    messages.answers = {IDOK, IDCANCEL};
    EXPECT_EQ(MessageBox(form, QStringLiteral("Get: Ok!"), Application->Title), IDOK);
    EXPECT_FALSE(ConfirmBox(form, QStringLiteral("Are you sure to delete it?")));
    ShowMessage(QStringLiteral("Please input a valid IP."));
    WarningBox(form, QStringLiteral("Some items are empty!"));
    Tone(1000, 200);
    ASSERT_EQ(messages.boxes.size(), 4);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("KRS-5400MX-28Module"));
    EXPECT_EQ(messages.boxes[0].type, MB_OK);
    EXPECT_EQ(messages.boxes[0].parent, form);
    EXPECT_EQ(messages.boxes[1].caption, QStringLiteral("Confirm"));
    EXPECT_EQ(messages.boxes[1].kind, BoxKind::Confirm);
    EXPECT_EQ(messages.boxes[2].caption, QStringLiteral("KRS-5400MX-28Module"));
    EXPECT_EQ(messages.boxes[2].kind, BoxKind::Simple);
    EXPECT_EQ(messages.boxes[3].caption, QStringLiteral("Warning"));
    ASSERT_EQ(messages.tones.size(), 1);
    EXPECT_EQ(messages.tones[0].frequency, 1000);
    EXPECT_EQ(messages.tones[0].milliseconds, 200);
}

TEST_F(FormTest, AnExceptionFromAHandlerGoesToTheStandardBoxAndTheLoopGoesOn) {
    auto* b = new TButton(form);
    b->OnClick = [](TObject*) { throw QsException("Timeout", -405); };
    b->Click();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.boxes[0].kind, BoxKind::Exception);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("Timeout"));
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("KRS-5400MX-28Module"));
}

TEST_F(FormTest, ModalLoopRunsTimersAndNestedBoxes) {
    int ticks = 0;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        if (++ticks == 3) {
            form->SetModalResult(mrOk);
        }
    });
    t.start(1);
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_GE(ticks, 3);
}

} // namespace
} // namespace qs::test
