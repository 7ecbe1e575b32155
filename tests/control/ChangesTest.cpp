// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Unwritten changes: what is known the controller holds, their marks, review and questions.
#include "Form1Fixture.h"
#include "LoadWindow.h"
#include "ReviewChanges.h"
#include "StatusReporter.h"
#include "WidgetFields.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>

#include <functional>

namespace morvent {
namespace {

using test::Form1Test;
using test::waitFor;

class Changes : public Form1Test {
protected:
    void SetUp() override {
        connectController();
        readFlash();
    }
    QStringList changed() const {
        QStringList controls;
        for (const Parameter* p : form->model().changes()) {
            controls << QString::fromStdString(p->control);
        }
        return controls;
    }
    QString note() const { return find<QLabel>("ChangesNote")->text(); }
    // Clicks and waits for the exchange to end.
    void answered(const char* name) {
        boxes.shown.clear();
        button(name)->click();
        ASSERT_TRUE(waitFor([this] { return form->PendingRequest() == NothingAwaited; }));
    }
};

TEST_F(Changes, FieldsPagesAndTheStatusBarShowWhatDiffersFromWhatIsKnown) {
    const QString held = form->ui().edit(12)->text();
    EXPECT_FALSE(find<QLabel>("ChangesNote")->isVisible());
    setText("Edit12", held + "1");
    form->ui().ComboBox8->setCurrentIndex(form->ui().ComboBox8->currentIndex() + 1);
    setText("Edit13", "x7");                              // letters differ from every value
    setText("Edit14", "0" + form->ui().edit(14)->text()); // the same number
    form->ui().ComboBox7->setEditText("No such item");    // compared by the item it would send
    EXPECT_EQ(changed(), QStringList({"Edit12", "Edit13", "ComboBox8"}));
    EXPECT_EQ(note(), "3 changes not written");
    EXPECT_NE(form->findChild<QWidget*>("Edit12Changed"), nullptr);
    EXPECT_EQ(form->findChild<QWidget*>("Edit14Changed"), nullptr);
    EXPECT_EQ(form->ui().edit(12)->toolTip().toStdString(), "Changed: the controller holds " +
                                                                held.toStdString() + ".\n" +
                                                                parameterHelp("Edit12"));
    EXPECT_EQ(form->ui().edit(12)->accessibleDescription(), form->ui().edit(12)->toolTip());
    EXPECT_TRUE(form->ui().edit(12)->accessibleName().endsWith(" (changed)"));
    EXPECT_FALSE(form->ui().edit(14)->accessibleName().endsWith(" (changed)"));
    EXPECT_EQ(notebook()->tabText(0), "Basic");
    EXPECT_FALSE(notebook()->tabIcon(0).isNull());
    EXPECT_EQ(notebook()->tabToolTip(1), "1 change not written");

    // Typed back, a field is no longer marked; Undo puts a page back as read.
    setText("Edit12", held);
    EXPECT_EQ(form->findChild<QWidget*>("Edit12Changed"), nullptr);
    EXPECT_EQ(form->ui().edit(12)->toolTip().toStdString(), parameterHelp("Edit12"));
    button("UndoBasic")->click();
    button("UndoPedalAssist")->click();
    EXPECT_EQ(note(), "");
    EXPECT_TRUE(notebook()->tabIcon(0).isNull() && boxes.shown.empty());

    // Connect forgets all that was known: the pages keep what they show and count nothing
    // until read.
    setText("Edit12", "45");
    ASSERT_TRUE(window.connect());
    EXPECT_EQ(changed(), QStringList());
    EXPECT_EQ(form->ui().edit(12)->text(), "45");
    answered("BitBtn5");
    setText("Edit13", "99");
    EXPECT_EQ(changed(), QStringList({"Edit13"}));
}

TEST_F(Changes, ReviewListsEveryChangeGoesToItPutsBackAndWritesFlash) {
    const QString held = form->ui().edit(12)->text();
    setText("Edit12", "45");
    form->ui().ReviewChanges1->trigger();
    ReviewChanges& review = form->review();
    ASSERT_TRUE(review.isVisible());
    QTableWidget& table = *review.table();
    ASSERT_EQ(table.rowCount(), 1);
    const QStringList first{"Basic", "Limit Spd(%) Assit0:", "%", held, "45"};
    for (int column = 0; column < first.size(); ++column) {
        EXPECT_EQ(table.item(0, column)->text(), first[column]);
    }
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_Tab);
    EXPECT_EQ(review.focusWidget(), review.putBackButton()); // Tab leaves the table
    // It follows the pages while open.
    form->ui().ComboBox8->setCurrentIndex(form->ui().ComboBox8->currentIndex() + 1);
    setText("Edit13", "x");
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.item(2, 0)->text(), "Pedal Assist");
    table.selectRow(1);
    review.putBackButton()->click();
    EXPECT_EQ(table.rowCount(), 2);
    emit table.itemActivated(table.item(1, 0));
    EXPECT_EQ(notebook()->currentIndex(), 1);
    EXPECT_EQ(form->focusWidget(), form->ui().ComboBox8);
    table.selectAll();
    review.putBackButton()->click();
    EXPECT_EQ(table.rowCount(), 0);

    setText("Edit12", "45");
    review.writeFlashButton()->click();
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Write Flash successfully."});
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(image(Block::Basic)[12], 45);
    QTest::keyClick(&review, Qt::Key_Escape);
    EXPECT_FALSE(review.isVisible());
}

// What the controller is known to hold after each kind of reply: Edit12 (Basic's payload byte
// 12) is typed to 45 first, over the 30 the controller holds.
struct KnowledgeCase {
    const char* name;
    std::function<void(ControllerModel&)> controller;
    const char* button; // what is pressed, or a menu action
    QString firstBox;
    QStringList changedAfter;
};

void holds45(ControllerModel& m) {
    Bytes basic = m.image(Command::Basic);
    basic[12] = 45;
    m.setImage(Command::Basic, basic);
}
void badChecksum(ControllerModel& m) {
    m.setChecksumCorrupted(Command::Basic, true);
}

const QString kReadBad = "info: Read The Basic Info CheckSum Error";
const QStringList kStill12{"Edit12"}; // the typed 45 still differs
const KnowledgeCase kKnowledge[] = {
    {"Read", holds45, "BitBtn5", "", {}},
    {"ReadWithBadChecksum", badChecksum, "BitBtn5", kReadBad, kStill12},
    {"AcceptedWrite", {}, "BitBtn4", "info: Basic Set successfully.", {}},
    {"RefusedWrite", [](ControllerModel& m) { m.refuseByte(Command::Basic, 12); }, "BitBtn4",
     "info: The Limit SPD0 setting error,Please reset.", kStill12},
    {"WriteWithBadChecksum", badChecksum, "BitBtn4", "info: Write The Basic Info CheckSum Error",
     kStill12},
    {"CompareWithController", holds45, "CompareWithController1", "", {}},
    // Last: the reply's tail comes after the row has ended.
    {"ReadCutShort", [](ControllerModel& m) { m.setSplit(Command::Basic, 10); }, "BitBtn5",
     kReadBad, kStill12},
};

class Knowledge : public Changes {
protected:
    void after(const KnowledgeCase& c) {
        answered("BitBtn5");
        const QString before = form->ui().edit(12)->text();
        ASSERT_NE(before, "45");
        setText("Edit12", "45");
        ASSERT_EQ(changed(), QStringList({"Edit12"}));
        if (c.controller) {
            sim.withModel(c.controller);
        }
        boxes.shown.clear();
        if (auto* action = form->findChild<QAction*>(c.button)) {
            // Read aside: the pages stay as they are, and the action waits for its reads.
            const auto pages = snapshot();
            emit form->ui().File1->aboutToShow();
            action->trigger();
            emit form->ui().File1->aboutToShow();
            EXPECT_FALSE(action->isEnabled());
            ASSERT_TRUE(waitFor([this] { return form->PendingRequest() == NothingAwaited; }));
            EXPECT_EQ(snapshot(), pages);
            EXPECT_EQ(requests(Command::LiveReadings), 1u); // only Read Flash's
            EXPECT_EQ(form->status()->activityText(), "No field differs from the controller");
        } else if (c.firstBox.isEmpty()) {
            answered(c.button);
        } else {
            button(c.button)->click();
            ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
        }
        EXPECT_EQ(boxes.shown.empty() ? QString() : boxes.shown.front(), c.firstBox);
        EXPECT_EQ(changed(), c.changedAfter);
        // Typing back the value the controller held before tells what is known now.
        setText("Edit12", before);
        EXPECT_EQ(changed().isEmpty(), !c.changedAfter.isEmpty());
    }
};

// The rows share one window; each starts from the controller's own Basic block, read again.
TEST_F(Knowledge, MovesWithAcceptedRepliesOnly) {
    const Bytes original = image(Block::Basic);
    for (const KnowledgeCase& c : kKnowledge) {
        SCOPED_TRACE(c.name);
        sim.withModel([&](ControllerModel& m) {
            m.setImage(Command::Basic, original);
            m.setChecksumCorrupted(Command::Basic, false);
            m.clearRefusals();
        });
        after(c);
    }
}

// Every way of losing what was typed asks first, naming the count, and so does writing a page not
// read since connecting; staying loses nothing. (With nothing typed nothing is asked: every other
// test of the window would record the question.)
struct QuestionCase {
    const char* name;
    std::function<void(TForm1&)> act;
    QString question;
    std::function<bool(TForm1&)> happened;
    bool readFirst = true; // else typed after connecting, before any read
};

// In an order the window survives; Quit ends it.
const QuestionCase kQuestions[] = {
    {"Load", [](TForm1& f) { f.ui().Load1->trigger(); },
     "1 change not written to the controller: a load puts the file's values over what was "
     "typed. Load anyway? [Load/Stay]",
     [](TForm1& f) { return f.Form5()->isVisible(); }},
    {"Connect", [](TForm1& f) { f.ui().BitBtn1->click(); },
     "1 change not written to the controller: connecting forgets what the controller holds, "
     "and the pages show no changes until read again. Connect anyway? [Connect/Stay]",
     [](TForm1& f) { return f.Timer1->isActive(); }},
    // After Connect only the Basic page is read: writing a page that shows what another
    // controller left asks first, naming it; an accepted write counts as read.
    {"WriteUnread", [](TForm1& f) { f.ui().BitBtn7->click(); },
     "Not read from this controller or loaded from a file since connecting: Pedal Assist, which "
     "may show what another controller or file left there. The controller's own values of Pedal "
     "Assist were not read, so nothing keeps them once they are written over. Write anyway? "
     "[Write/Stay]",
     [](TForm1& f) {
         return f.PendingRequest() == SingleWrite &&
                test::waitFor([&] { return f.PendingRequest() == NothingAwaited; });
     }},
    {"WriteFlashUnread", [](TForm1& f) { f.ui().BitBtn3->click(); },
     "Not read from this controller or loaded from a file since connecting: Throttle Handle and "
     "Torque, which may show what another controller or file left there. The controller's own "
     "values of Throttle Handle and Torque were not read, so nothing keeps them once they are "
     "written over. Write Flash anyway? [Write Flash/Stay]",
     [](TForm1& f) {
         return f.PendingRequest() == FlashWriteChain &&
                test::waitFor([&] { return f.PendingRequest() == NothingAwaited; });
     }},
    {"Close", [](TForm1& f) { f.ui().BitBtn11->click(); },
     "1 change not written to the controller: after Close, what was typed can no longer be "
     "written. Close anyway? [Close/Stay]",
     [](TForm1& f) { return !f.ui().BitBtn2->isEnabled(); }},
    {"Quit", [](TForm1& f) { f.ui().Quit1->trigger(); },
     "1 change not written to the controller: closing the window loses what was typed. Quit "
     "anyway? [Quit/Stay]",
     [](TForm1& f) { return !f.isVisible(); }, false},
};

// The rows share one window, connected again and its Basic page read after each.
TEST_F(Changes, EveryWayOfLosingWhatWasTypedNamesTheCountAndLetsTheUserStay) {
    for (const QuestionCase& c : kQuestions) {
        SCOPED_TRACE(c.name);
        form->Form5()->hide();
        ASSERT_TRUE(waitFor([this] {
            return !form->Timer1->isActive() && form->status()->awaitingText().isEmpty();
        }));
        if (!form->ConnectFlag()) {
            connectController();
        }
        if (c.readFirst) {
            answered("BitBtn5");
        }
        boxes.goAhead = false;
        setText("Edit12", QString::number(form->ui().edit(12)->text().toInt() + 1));
        c.act(*form);
        EXPECT_EQ(boxes.shown, std::vector<QString>{"question: " + c.question});
        EXPECT_EQ(form->PendingRequest(), NothingAwaited);
        EXPECT_FALSE(c.happened(*form));
        EXPECT_EQ(changed(), QStringList({"Edit12"}));

        boxes.shown.clear();
        boxes.goAhead = true;
        c.act(*form);
        EXPECT_EQ(boxes.shown.size(), 1u);
        EXPECT_TRUE(c.happened(*form));
    }
}

// The pages' controls are views of the parameter model: a change on either side is on the other
// at once, as a write would read it, and the model's listeners hear of it (twice only where the
// widget shows the model's value otherwise: a list lacking the text selects nothing).
class Binding : public Form1Test {};

struct BindingCase {
    const char* name;
    const char* control;
    std::function<void(TForm1&)> prepare;
    std::function<void(TForm1&)> change;
    std::string text;
    int index;
    int told;
};

TEST_F(Binding, WidgetAndModelShowOneValueHoweverItChanges) {
    const auto combo = [](TForm1& f, const char* name) {
        return f.findChild<QComboBox*>(QString::fromLatin1(name));
    };
    const auto typedOver = [combo](TForm1& f) {
        combo(f, "ComboBox4")->setCurrentIndex(2);
        combo(f, "ComboBox4")->setEditText("31");
    };
    const BindingCase cases[] = {
        {"Typed", "Edit12", nullptr,
         [](TForm1& f) { f.findChild<QLineEdit*>("Edit12")->setText("45"); }, "45", -1, 1},
        {"TypedOverAnItem", "ComboBox4",
         [combo](TForm1& f) { combo(f, "ComboBox4")->setCurrentIndex(2); },
         [combo](TForm1& f) { combo(f, "ComboBox4")->setEditText("31"); }, "31", 2, 1},
        {"Picked", "ComboBox5", nullptr,
         [combo](TForm1& f) { combo(f, "ComboBox5")->setCurrentIndex(1); }, "Internal,Motor Meter",
         1, 1},
        {"Replied", "Edit12", nullptr, [](TForm1& f) { f.model().setText("Edit12", "77"); }, "77",
         -1, 1},
        {"RepliedOverTyping", "ComboBox4", typedOver,
         [](TForm1& f) { f.model().setSelectedIndex("ComboBox4", 2); }, "18", 2, 1},
        {"Refilled", "ComboBox3", typedOver,
         [](TForm1& f) {
             f.model().setItems("ComboBox3", {"40", "41", "42"});
         },
         "", -1, 1},
        {"NoSuchItem", "ComboBox5", nullptr,
         [](TForm1& f) { f.model().setText("ComboBox5", "Nonsense"); }, "", -1, 2},
    };
    for (const BindingCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.prepare) {
            c.prepare(*form);
        }
        int told = 0;
        const auto listening = form->model().listen(
            [&](const Parameter* p) { told += p && p->control == c.control ? 1 : 0; });
        c.change(*form);
        form->model().stopListening(listening);
        const Parameter& p = *parameter(c.control);
        EXPECT_EQ(form->model().shown(p), (ShownValue{c.text, c.index}));
        EXPECT_EQ(told, c.told);
        QWidget* widget = find(c.control);
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            EXPECT_EQ(WidgetFields::comboText(*box), c.text);
            EXPECT_EQ(box->currentIndex(), c.index);
            EXPECT_EQ(box->count(), form->model().itemCount(c.control));
        } else {
            EXPECT_EQ(qobject_cast<QLineEdit*>(widget)->text().toStdString(), c.text);
        }
    }
}

} // namespace
} // namespace morvent
