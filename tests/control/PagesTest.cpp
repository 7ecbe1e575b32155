// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Form1Fixture.h"

#include "Frames.h"
#include "LineTiming.h"
#include "StatusReporter.h"

#include <QApplication>

#include <chrono>

namespace morvent {
namespace {

using test::Form1Test;
using test::waitFor;

// A connected main window whose pages hold what the controller holds.
class Pages : public Form1Test {
protected:
    void SetUp() override {
        connectController();
        readFlash();
    }
    // Clicks and waits for the box that ends the exchange.
    void clickForAnswer(const char* name) {
        boxes.shown.clear();
        button(name)->click();
        ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    }
};

// With the line's own waits: every chain's pauses, and the silence that ends a reply.
using RealTimingPages = Pages;

struct PageCase {
    const char* name;
    Block block;
    const char* readButton;
    const char* writeButton;
    const char* editedField; // a field the test changes to a value the controller accepts
    const char* editedValue;
    const char* success;
    std::size_t changedByte; // the edited field's (last) payload byte
};

const PageCase kPages[] = {
    {"Basic", Block::Basic, "BitBtn5", "BitBtn4", "Edit12", "45", "Basic Set successfully.", 12},
    {"PedalAssist", Block::PedalAssist, "BitBtn6", "BitBtn7", "Edit23", "55",
     "Pedal Assist Set successfully.", 3},
    {"ThrottleHandle", Block::ThrottleHandle, "BitBtn8", "BitBtn9", "Edit30", "33",
     "Throttle Handle Set successfully.", 5},
    {"Torque", Block::Torque, "BitBtn14", "BitBtn15", "Edit32", "1234", "Torque Set successfully.",
     1},
};

TEST_F(Pages, ReadFillsEachPageFromTheControllerAndWriteStoresWhatItShows) {
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        // The controller's set changes behind the page's back (one byte one lower, still
        // accepted).
        Bytes changed = image(page.block);
        --changed[page.changedByte];
        sim.withModel([&](ControllerModel& m) { m.setImage(layout(page.block).command, changed); });
        setText(page.editedField, "7");
        button(page.readButton)->click();
        awaitReply();
        EXPECT_EQ(shown(page.block), changed);
        EXPECT_TRUE(boxes.shown.empty());

        setText(page.editedField, page.editedValue);
        clickForAnswer(page.writeButton);
        EXPECT_EQ(boxes.shown, std::vector<QString>{QString("info: ") + page.success});
        EXPECT_EQ(form->PendingRequest(), NothingAwaited);
        EXPECT_EQ(image(page.block), shown(page.block));
        EXPECT_NE(image(page.block), changed);
        boxes.shown.clear();
    }
}

// What stops a write, once per Write button: a range, a value too wide for its byte (its field
// is shown), a text that is no number (the general error display; its field is shown), a byte
// the controller refuses (its field is shown; Throttle Handle and Torque keep awaiting). Write
// Flash checks again as each block's frame is built, since the pages stay open to typing while it
// runs: a value typed then, or a refused byte, stops the chain at its block, after the blocks
// before it.
struct CheckCase {
    const char* name;
    const char* writeButton;
    const char* field;
    const char* value; // nullptr: nothing typed
    const char* shown;
    int pendingAfter;
    int page; // the page brought to the front with the field focused; -1: the page stays
    bool typedDuringWriteFlash;
    std::size_t framesSent;
    Command refusing = Command::Identity; // refuses refusedByte of its block
    std::size_t refusedByte = 0;
};

const CheckCase kChecks[] = {
    // The identity's maximum current bounds the current limit.
    {"CurrentAboveMaximum", "BitBtn4", "Edit1", "26",
     "info: The Limited Current is out of range,Please input again.", 0, -1, false, 0},
    {"StartupDegree", "BitBtn7", "Edit24", "21",
     "info: The Startup Dgree is out of range,Please input again.", 0, -1, false, 0},
    // The Throttle Handle page awaits an acknowledgement even after refusing.
    {"ThrottleStartVoltage", "BitBtn9", "Edit28", "51",
     "info: The Start Voltage is out of range,Please input again.", 2, -1, false, 0},
    {"BaseVoltage", "BitBtn15", "Edit32", "5001",
     "info: The BaseVoltage of  is out of range,Please input again.", 0, -1, false, 0},
    {"WriteFlashSignal", "BitBtn3", "Edit22", "37",
     "info: The SpdMeter Signal is out of range,Please input again.", 0, -1, false, 0},
    // Wider than its byte: refused instead of going out cut to 8 bits.
    {"GridCellTooWide", "BitBtn15", "Edit44", "256",
     "info: The StartKgS0 is out of range,Please input again.", 0, 3, false, 0},
    {"WriteFlashTooWide", "BitBtn3", "Edit44", "70000",
     "info: The StartKgS0 is out of range,Please input again.", 0, 3, false, 0},
    {"NotANumber", "BitBtn4", "edit2", "12 ", "error: '12 ' is not a valid integer value.", 0, 0,
     false, 0},
    {"TooWideDuringWriteFlash", "BitBtn3", "Edit32", "70000",
     "info: The BaseV Voltage is out of range,Please input again.", 0, 3, true, 3},
    {"OutOfRangeDuringWriteFlash", "BitBtn3", "Edit23", "150",
     "info: The Start Current is out of range,Please input again.", 0, -1, true, 1},
    // Each block's refusal and the page it shows are in the dispatcher's own test; here the
    // field's focus and the window around it, once alone and once within Write Flash.
    {"RefusedTorque", "BitBtn15", "Edit91", nullptr,
     "info: The StartDegreeS25 setting error,Please reset.", SingleWrite, 3, false, 1,
     Command::Torque, 70},
    {"RefusedDuringWriteFlash", "BitBtn3", "Edit23", nullptr,
     "info: The Start Current setting error,Please reset.", FlashWriteChain, 1, false, 2,
     Command::PedalAssist, 3},
};

// The rows share one window: each starts from the pages as read, on the Throttle Handle page
// clicked by hand, which also forgets what the row before still awaited. Frames sent late by any
// row show in the count once the last row has had time to send them.
TEST_F(Pages, WriteChecksStopAtTheFieldWithItsMessageAndSendNothingAfter) {
    const std::size_t first = sim.receivedRequests().size();
    std::size_t framesSent = 0;
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        sim.withModel([&](ControllerModel& m) {
            m.clearRefusals();
            if (c.refusing != Command::Identity) {
                m.refuseByte(c.refusing, c.refusedByte);
            }
        });
        for (const char* undo :
             {"UndoBasic", "UndoPedalAssist", "UndoThrottleHandle", "UndoTorque"}) {
            button(undo)->click();
        }
        boxes.shown.clear();
        form->status()->clearActivity();
        QTest::mouseClick(notebook()->tabBar(), Qt::LeftButton, {},
                          notebook()->tabBar()->tabRect(2).center());
        ASSERT_EQ(form->PendingRequest(), NothingAwaited);
        const std::size_t before = sim.receivedRequests().size();
        if (c.value && !c.typedDuringWriteFlash) {
            setText(c.field, c.value);
        }
        button(c.writeButton)->click();
        if (c.typedDuringWriteFlash) {
            // The Basic frame is out when the click returns; its acknowledgement comes after this.
            setText(c.field, c.value);
        }
        // What ends the row comes last: a refusal follows the frames that went out before it.
        ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
        EXPECT_EQ(sim.receivedRequests().size() - before, c.framesSent);
        EXPECT_EQ(boxes.shown, std::vector<QString>{c.shown});
        EXPECT_EQ(form->PendingRequest(), c.pendingAfter);
        EXPECT_EQ(notebook()->currentIndex(), c.page < 0 ? 2 : c.page);
        if (c.page >= 0) {
            EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(c.field));
        }
        // The status bar names the field and its page, which the boxes' texts do not.
        const Parameter& p = *parameter(c.field);
        const QString label = QString::fromStdString(p.label).trimmed().remove(':');
        EXPECT_TRUE(form->status()->activityText().endsWith(
            label + " on the " + QString::fromStdString(std::string(p.section())) + " page"))
            << form->status()->activityText().toStdString();
        framesSent += c.framesSent;
    }
    // Long enough for a frame that should not go out to follow the last row's pause and reply.
    QTest::qWait(300);
    EXPECT_EQ(sim.receivedRequests().size() - first, framesSent);
}

TEST_F(RealTimingPages, ReadFlashAndWriteFlashCoverTheFourBlocksAskingOnceForEach) {
    for (const PageCase& page : kPages) {
        EXPECT_EQ(shown(page.block), image(page.block)) << page.name;
        setText(page.editedField, page.editedValue);
    }
    for (const Command c : {Command::Basic, Command::PedalAssist, Command::ThrottleHandle,
                            Command::Torque, Command::LiveReadings}) {
        EXPECT_EQ(requests(c), 1u);
    }
    clickForAnswer("BitBtn3");
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Write Flash successfully."});
    for (const PageCase& page : kPages) {
        EXPECT_EQ(image(page.block), shown(page.block)) << page.name;
        EXPECT_EQ(writes(layout(page.block).command).size(), 1u);
    }
    EXPECT_EQ(form->PendingRequest(), NothingAwaited);

    // A click on a page tab forgets a chain's awaited reply: what comes then is dropped, and the
    // chain asks for nothing more.
    boxes.shown.clear();
    Bytes changed = image(Block::Basic);
    --changed[12];
    sim.withModel([&](ControllerModel& m) { m.setImage(Command::Basic, changed); });
    const Bytes basicReply = readReply(Command::Basic, changed);
    const Bytes pedalRequest{kRequestLead, code(Command::PedalAssist)};
    const qsizetype basicReplies = logged(basicReply);
    const qsizetype pedalRequests = logged(pedalRequest);
    const std::vector<QString> before = snapshot();
    button("BitBtn2")->click();
    QTest::mouseClick(notebook()->tabBar(), Qt::LeftButton, {},
                      notebook()->tabBar()->tabRect(1).center());
    EXPECT_EQ(form->PendingRequest(), NothingAwaited);
    ASSERT_TRUE(waitFor([&] { return logged(basicReply) > basicReplies; }));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(logged(pedalRequest), pedalRequests);
    EXPECT_EQ(snapshot(), before);
}

// A reply ends after a silence of the line's read interval, never the moment it is whole: a
// pause shorter than that within it (after its tenth byte) ends nothing, and a whole reply is
// taken only once the line has been quiet that long. A lower bound no slow machine can break.
TEST_F(RealTimingPages, AReplyEndsOnlyAfterTheLinesSilence) {
    const Bytes held = image(Block::Basic);
    for (const auto pause : {timing.readInterval / 2, std::chrono::milliseconds(0)}) {
        SCOPED_TRACE(pause.count());
        sim.withModel([&](ControllerModel& m) {
            pause.count() > 0 ? m.setSplit(Command::Basic, 10, pause)
                              : m.clearSplit(Command::Basic);
        });
        setText("Edit12", "7");
        const auto clicked = std::chrono::steady_clock::now();
        button("BitBtn5")->click();
        awaitReply();
        const auto taken = std::chrono::steady_clock::now() - clicked;
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(shown(Block::Basic), held);
        EXPECT_GE(taken, timing.requestPause + pause + timing.readInterval);
    }
}

// Every combo box is sent as the item or the number it shows, and shows it again after a write.
struct ComboCase {
    const char* name;
    const char* combo;
    int selected;      // chosen first from the list; kNoChoice: left as the window starts
    const char* typed; // typed over it then; nullptr: nothing typed
    const char* writeButton;
    Command block;
    std::size_t payloadByte;
    std::uint8_t sent;
    const char* shownAfter;
};
constexpr int kNoChoice = -2;

const ComboCase kCombos[] = {
    // First, before a write has settled any list of its page.
    {"AsTheWindowStarts", "ComboBox7", kNoChoice, nullptr, "BitBtn7", Command::PedalAssist, 1, 0xFF,
     "By Display's Command"},
    {"SizeOver700C", "ComboBox4", 12, "31", "BitBtn4", Command::Basic, 22, 62, "31"},
    {"Cleared", "ComboBox8", 11, "", "BitBtn7", Command::PedalAssist, 2, 25, "25Km/H"},
    {"TypedItem", "ComboBox9", kNoChoice, "5", "BitBtn7", Command::PedalAssist, 4, 5, "5"},
    {"TypedNoItem", "ComboBox11", kNoChoice, "Fast", "BitBtn9", Command::ThrottleHandle, 2, 0,
     "Speed"},
};

// The rows share one window, connected and never read: every list is as the window starts.
TEST_F(Form1Test, CombosSendWhatTheyShow) {
    const auto typeOver = [](QComboBox& combo, const char* text) {
        combo.clearEditText();
        QTest::keyClicks(combo.lineEdit(), QString::fromUtf8(text));
    };
    connectController();
    for (const ComboCase& c : kCombos) {
        SCOPED_TRACE(c.name);
        // The page checks are satisfied by hand.
        for (const auto& [edit, value] :
             {std::pair{22, "6"}, {23, "30"}, {24, "2"}, {26, "4"}, {30, "20"}, {31, "50"}}) {
            form->ui().edit(edit)->setText(QString::fromUtf8(value));
        }
        typeOver(*form->ui().ComboBox3, "42");
        typeOver(*form->ui().ComboBox4, "26");
        auto* combo = find<QComboBox>(c.combo);
        if (c.selected != kNoChoice) {
            combo->setCurrentIndex(c.selected);
        }
        if (c.typed) {
            typeOver(*combo, c.typed);
        }
        const std::size_t written = writes(c.block).size();
        button(c.writeButton)->click();
        ASSERT_TRUE(waitFor([&] { return writes(c.block).size() > written; }));
        EXPECT_EQ(writes(c.block).back().at(c.payloadByte), c.sent);
        EXPECT_EQ(combo->currentText(), c.shownAfter);
        EXPECT_EQ(combo->currentIndex(), combo->findText(c.shownAfter));
        awaitReply();
    }
}

} // namespace
} // namespace morvent
