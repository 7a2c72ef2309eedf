// Owners, names, tags, parents and alignment.

#include "Edit.h"
#include "Exceptions.h"
#include "GuiTest.h"
#include "Label.h"
#include "Panel.h"
#include "Shape.h"
#include "StatusBar.h"

#include <QPointer>

namespace qs::test {
namespace {

using ComponentTest = GuiTest;

TEST_F(ComponentTest, OwnerListsFindsAndFreesItsComponentsInOrder) {
    auto* panel = new TPanel(form);
    panel->SetName(QStringLiteral("Port1LedPanel"));
    auto* led = new TShape(form, panel); // owned by the form, shown on the panel
    led->SetName(QStringLiteral("Led1"));
    auto* edit = new TEdit(form);
    edit->Tag = 6666;
    ASSERT_EQ(form->ComponentCount(), 3);
    EXPECT_EQ(form->Components(0), panel);
    EXPECT_EQ(form->Components(2), edit);
    EXPECT_EQ(form->FindComponent(QStringLiteral("port1ledpanel")), panel);
    EXPECT_EQ(form->FindComponent(QStringLiteral("Missing")), nullptr);
    EXPECT_EQ(led->Owner(), form);
    EXPECT_EQ(led->Parent(), panel);
    EXPECT_EQ(edit->Parent(), form);
    EXPECT_THROW(form->Components(3), EListError);

    QPointer<QWidget> ledAlive(led);
    delete panel; // the parent goes: its shown child goes too and leaves the owner's list
    EXPECT_FALSE(ledAlive);
    ASSERT_EQ(form->ComponentCount(), 1);
    EXPECT_EQ(dynamic_cast<TEdit*>(form->Components(0))->Tag, 6666);
}

TEST_F(ComponentTest, AlignedControlsShareTheClientArea) {
    form->resize(300, 200);
    auto* top = new TPanel(form);
    top->SetHeight(40);
    top->SetAlign(alTop);
    auto* status = new TStatusBar(form);
    auto* right = new TPanel(form);
    right->SetWidth(50);
    right->SetAlign(alRight);
    auto* client = new TPanel(form);
    client->SetAlign(alClient);
    form->Realign();
    EXPECT_EQ(top->Widget()->geometry(), QRect(0, 0, 300, 40));
    EXPECT_EQ(status->Top() + status->Height(), 200);
    EXPECT_EQ(right->Widget()->geometry(), QRect(250, 40, 50, 200 - 40 - status->Height()));
    EXPECT_EQ(client->Widget()->geometry(), QRect(0, 40, 250, 200 - 40 - status->Height()));
}

TEST_F(ComponentTest, ControlsAreFoundByObjectNameAndKindAtRunTime) {
    auto* label = new TLabel(form);
    label->SetName(QStringLiteral("PortLabel"));
    label->SetCaption(QStringLiteral("Port"));
    TObject* sender = form->FindComponent(QStringLiteral("PortLabel"));
    EXPECT_NE(dynamic_cast<TLabel*>(sender), nullptr);
    EXPECT_EQ(dynamic_cast<TEdit*>(sender), nullptr);
    EXPECT_EQ(form->findChild<TLabel*>(QStringLiteral("PortLabel")), label);
}

} // namespace
} // namespace qs::test
