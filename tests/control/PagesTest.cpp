#include "Form1Fixture.h"

#include "BlockCodec.h"
#include "StatusTable.h"

#include <QApplication>

namespace morvent {
namespace {

using test::Form1Test;

struct PageCase {
    const char* name;
    Block block;
    const char* readButton;
    const char* writeButton;
    const char* editedField; // a field the test changes to a value the controller accepts
    const char* editedValue;
    const char* success;
    int pendingAfterRefusal; // Throttle Handle and Torque keep awaiting after a refused field
    std::size_t changedByte; // the edited field's (last) payload byte
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.name;
}

const PageCase kPages[] = {
    {"Basic", Block::Basic, "BitBtn5", "BitBtn4", "Edit12", "45", "Basic Set successfully.", 0, 12},
    {"PedalAssist", Block::PedalAssist, "BitBtn6", "BitBtn7", "Edit23", "55",
     "Pedal Assist Set successfully.", 0, 3},
    {"ThrottleHandle", Block::ThrottleHandle, "BitBtn8", "BitBtn9", "Edit30", "33",
     "Throttle Handle Set successfully.", 2, 5},
    {"Torque", Block::Torque, "BitBtn14", "BitBtn15", "Edit32", "1234", "Torque Set successfully.",
     2, 1},
};

// A connected main window whose pages hold what the controller holds.
class Pages : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        connectController();
        readFlash();
    }
    Bytes image(Block block) const {
        return sim.withModel(
            [block](const ControllerModel& m) { return m.image(layout(block).command); });
    }
    std::size_t requestsSent() const { return sim.receivedRequests().size(); }
    void setText(const char* control, const char* text) {
        find<QLineEdit>(control)->setText(QString::fromUtf8(text));
    }
    // Clicks and waits for the box that ends the exchange.
    void clickForAnswer(const char* name) {
        boxes.shown.clear();
        button(name)->click();
        ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    }
};

class EachPage : public Pages, public testing::WithParamInterface<PageCase> {};

TEST_P(EachPage, ReadFillsEveryControlFromTheController) {
    const PageCase& page = GetParam();
    // The controller's set changes behind the page's back (one byte one lower, still accepted).
    Bytes changed = image(page.block);
    --changed[page.changedByte];
    sim.withModel([&](ControllerModel& m) { m.setImage(layout(page.block).command, changed); });
    setText(page.editedField, "7");
    form->PendingRequest = NothingAwaited;
    button(page.readButton)->click();
    ASSERT_TRUE(waitFor([this] { return form->PendingRequest == NothingAwaited; }));
    EXPECT_EQ(shown(page.block), changed);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_P(EachPage, WriteThenReadGivesBackTheSameValues) {
    const PageCase& page = GetParam();
    setText(page.editedField, page.editedValue);
    const Bytes written = shown(page.block);
    clickForAnswer(page.writeButton);
    EXPECT_EQ(boxes.shown, std::vector<QString>{QString("info: ") + page.success});
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
    EXPECT_EQ(image(page.block), written);

    setText(page.editedField, "1");
    button(page.readButton)->click();
    ASSERT_TRUE(waitFor([&] {
        return find<QLineEdit>(page.editedField)->text() == QString::fromUtf8(page.editedValue);
    }));
    EXPECT_EQ(shown(page.block), written);
}

TEST_P(EachPage, AByteTheControllerRefusesIsShownOnItsPage) {
    const PageCase& page = GetParam();
    const std::size_t refused = layout(page.block).length - 1;
    sim.withModel([&](ControllerModel& m) { m.refuseByte(layout(page.block).command, refused); });
    find<QTabWidget>("TabbedNotebook1")->setCurrentIndex(page.block == Block::Basic ? 3 : 0);

    clickForAnswer(page.writeButton);
    const StatusOutcome outcome = interpretStatus(page.block, static_cast<std::uint8_t>(refused));
    EXPECT_EQ(boxes.shown,
              std::vector<QString>{"info: " + QString::fromStdString(outcome.refusal.message)});
    EXPECT_EQ(find<QTabWidget>("TabbedNotebook1")->currentIndex(), layout(page.block).page);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), outcome.refusal.control);
    EXPECT_EQ(form->PendingRequest, page.pendingAfterRefusal);
}

INSTANTIATE_TEST_SUITE_P(Blocks, EachPage, testing::ValuesIn(kPages),
                         [](const testing::TestParamInfo<PageCase>& info) {
                             return info.param.name;
                         });

struct RangeCase {
    const char* name;
    const char* writeButton;
    const char* field;
    const char* value;
    const char* message; // nullptr: the value passes and the block is written
    int pendingAfter;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class RangeChecks : public Pages, public testing::WithParamInterface<RangeCase> {};

TEST_P(RangeChecks, RefuseAtTheirBoundsAndSendNothing) {
    const RangeCase& c = GetParam();
    setText(c.field, c.value);
    const std::size_t before = requestsSent();
    if (c.message == nullptr) {
        clickForAnswer(c.writeButton);
        EXPECT_TRUE(boxes.shown.front().endsWith("Set successfully.")) << c.name;
        return;
    }
    button(c.writeButton)->click();
    EXPECT_EQ(boxes.shown, std::vector<QString>{QString("info: ") + c.message});
    EXPECT_EQ(form->PendingRequest, c.pendingAfter);
    QTest::qWait(200);
    EXPECT_EQ(requestsSent(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, RangeChecks,
    testing::Values(RangeCase{"CurrentAtMaximum", "BitBtn4", "Edit1", "25", nullptr, 0},
                    RangeCase{"CurrentAboveMaximum", "BitBtn4", "Edit1", "26",
                              "The Limited Current is out of range,Please input again.", 0},
                    RangeCase{"SignalZero", "BitBtn4", "Edit22", "0",
                              "The SpdMeter Signal is out of range,Please input again.", 0},
                    RangeCase{"SignalAbove", "BitBtn4", "Edit22", "37",
                              "The SpdMeter Signal is out of range,Please input again.", 0},
                    RangeCase{"SignalAtTop", "BitBtn4", "Edit22", "36", nullptr, 0},
                    RangeCase{"StartupDegree", "BitBtn7", "Edit24", "21",
                              "The Startup Dgree is out of range,Please input again.", 0},
                    RangeCase{"KeepCurrentZero", "BitBtn7", "Edit31", "0",
                              "The Keep Current is out of range,Please input again.", 0},
                    // The Throttle Handle page awaits an acknowledgement even after refusing.
                    RangeCase{"ThrottleStartVoltage", "BitBtn9", "Edit28", "51",
                              "The Start Voltage is out of range,Please input again.", 2},
                    RangeCase{"BaseVoltage", "BitBtn15", "Edit32", "5001",
                              "The BaseVoltage of  is out of range,Please input again.", 0},
                    RangeCase{"BaseVoltageAtTop", "BitBtn15", "Edit32", "5000", nullptr, 0},
                    // Wider than its byte: refused instead of going out cut to 8 bits.
                    RangeCase{"PercentTooWide", "BitBtn4", "Edit12", "300",
                              "The Limit SPD0 is out of range,Please input again.", 0},
                    RangeCase{"GridCellTooWide", "BitBtn15", "Edit44", "256",
                              "The StartKgS0 is out of range,Please input again.", 0}),
    [](const testing::TestParamInfo<RangeCase>& info) { return info.param.name; });

TEST_F(Pages, AValueTooWideShowsItsFieldOnItsPage) {
    setText("Edit12", "300");
    find<QTabWidget>("TabbedNotebook1")->setCurrentIndex(3);
    button("BitBtn4")->click();
    EXPECT_EQ(find<QTabWidget>("TabbedNotebook1")->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>("Edit12"));
}

TEST_F(Pages, ReadFlashFillsEveryPageAndTheLiveReadings) {
    for (const PageCase& page : kPages) {
        EXPECT_EQ(shown(page.block), image(page.block)) << page.name;
    }
    for (int n = 92; n <= 96; ++n) {
        EXPECT_NE(form->ui().edit(n)->text(), "0") << n;
    }
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
}

TEST_F(Pages, WriteFlashStoresAllFourBlocks) {
    for (const PageCase& page : kPages) {
        setText(page.editedField, page.editedValue);
    }
    clickForAnswer("BitBtn3");
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Write Flash successfully."});
    for (const PageCase& page : kPages) {
        EXPECT_EQ(image(page.block), shown(page.block)) << page.name;
    }
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
}

TEST_F(Pages, WriteFlashChecksItsFieldsInOrderWithoutMovingTheFocus) {
    find<QTabWidget>("TabbedNotebook1")->setCurrentIndex(3);
    setText("Edit22", "37");
    setText("Edit23", "0"); // also wrong, but checked later
    const std::size_t before = requestsSent();
    button("BitBtn3")->click();
    EXPECT_EQ(boxes.shown, std::vector<QString>{
                               "info: The SpdMeter Signal is out of range,Please input again."});
    EXPECT_EQ(find<QTabWidget>("TabbedNotebook1")->currentIndex(), 3);
    QTest::qWait(200);
    EXPECT_EQ(requestsSent(), before);
}

TEST_F(Pages, ARefusedPedalAssistByteStopsWriteFlashAfterBasic) {
    sim.withModel([](ControllerModel& m) { m.refuseByte(Command::PedalAssist, 3); });
    setText("Edit12", "45");
    setText("Edit30", "33");
    clickForAnswer("BitBtn3");
    EXPECT_EQ(boxes.shown,
              std::vector<QString>{"info: The Start Current setting error,Please reset."});
    EXPECT_EQ(image(Block::Basic), shown(Block::Basic)); // already stored
    EXPECT_NE(image(Block::ThrottleHandle), shown(Block::ThrottleHandle));
    EXPECT_EQ(find<QTabWidget>("TabbedNotebook1")->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>("Edit23"));
    EXPECT_EQ(form->PendingRequest, FlashWriteChain);
    QTest::qWait(300);
    EXPECT_EQ(requests(Command::Torque), 1u); // only the Read Flash request
}

TEST_F(Pages, ATabClickDuringReadFlashDropsTheReplyInFlight) {
    Bytes basic = image(Block::Basic);
    basic[1] = 20;
    sim.withModel([&](ControllerModel& m) { m.setImage(Command::Basic, basic); });
    const std::size_t pedalReads = requests(Command::PedalAssist);

    button("BitBtn2")->click();
    QTabBar* tabs = find<QTabWidget>("TabbedNotebook1")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QTest::qWait(600);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
    EXPECT_NE(form->ui().edit(1)->text(), "20");
    EXPECT_EQ(requests(Command::PedalAssist), pedalReads);
}

// Write Flash checks every block before its first frame, and each block again as its frame is
// built, since the pages stay open to typing while the chain runs: a value out of range stops
// the chain there with its message, and that block and those after it are not sent.
struct FlashCase {
    const char* name;
    bool typedDuringChain;
    const char* field;
    const char* value;
    const char* message;
    Command firstNotWritten;
};

void PrintTo(const FlashCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteFlashValues : public Pages, public testing::WithParamInterface<FlashCase> {};

TEST_P(WriteFlashValues, StopTheChainAtTheBlockOfAValueOutOfRange) {
    const FlashCase& c = GetParam();
    if (!c.typedDuringChain) {
        setText(c.field, c.value);
    }
    // The Basic frame is out when the click returns; its acknowledgement comes after the typing.
    button("BitBtn3")->click();
    setText(c.field, c.value);
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    QTest::qWait(300);
    EXPECT_EQ(boxes.shown, std::vector<QString>{QString("info: ") + c.message});
    EXPECT_EQ(writes(Command::Basic).size(), c.typedDuringChain ? 1u : 0u);
    EXPECT_TRUE(writes(c.firstNotWritten).empty());
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WriteFlashValues,
    testing::Values(FlashCase{"TooWideBeforehand", false, "Edit44", "70000",
                              "The StartKgS0 is out of range,Please input again.", Command::Basic},
                    FlashCase{"TooWideDuring", true, "Edit32", "70000",
                              "The BaseV Voltage is out of range,Please input again.",
                              Command::Torque},
                    FlashCase{"OutOfRangeDuring", true, "Edit23", "150",
                              "The Start Current is out of range,Please input again.",
                              Command::PedalAssist}),
    [](const testing::TestParamInfo<FlashCase>& info) { return info.param.name; });

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

void PrintTo(const ComboCase& c, std::ostream* os) {
    *os << c.name;
}

class CombosSend : public Form1Test, public testing::WithParamInterface<ComboCase> {
protected:
    void typeOver(QComboBox& combo, const char* text) {
        combo.clearEditText();
        QTest::keyClicks(combo.lineEdit(), QString::fromUtf8(text));
    }
};

TEST_P(CombosSend, WhatTheyShow) {
    const ComboCase& c = GetParam();
    connectController();
    // Nothing read: every list is as the window starts; the page checks are satisfied by hand.
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
    button(c.writeButton)->click();
    ASSERT_TRUE(waitFor([&] { return !writes(c.block).empty(); }));
    EXPECT_EQ(writes(c.block).back().at(c.payloadByte), c.sent);
    EXPECT_EQ(combo->currentText(), c.shownAfter);
    EXPECT_EQ(combo->currentIndex(), combo->findText(c.shownAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Combos, CombosSend,
    testing::Values(
        ComboCase{"SizeOver700C", "ComboBox4", 12, "31", "BitBtn4", Command::Basic, 22, 62, "31"},
        ComboCase{"Cleared", "ComboBox8", 11, "", "BitBtn7", Command::PedalAssist, 2, 25, "25Km/H"},
        ComboCase{"TypedItem", "ComboBox9", kNoChoice, "5", "BitBtn7", Command::PedalAssist, 4, 5,
                  "5"},
        ComboCase{"TypedNoItem", "ComboBox11", kNoChoice, "Fast", "BitBtn9",
                  Command::ThrottleHandle, 2, 0, "Speed"},
        ComboCase{"AsTheWindowStarts", "ComboBox7", kNoChoice, nullptr, "BitBtn7",
                  Command::PedalAssist, 1, 0xFF, "By Display's Command"}),
    [](const testing::TestParamInfo<ComboCase>& info) { return info.param.name; });

TEST_F(Pages, GetAsksOnceAndLeavesPollingOff) {
    const std::size_t before = requests(Command::LiveReadings);
    for (int n = 92; n <= 96; ++n) {
        form->ui().edit(n)->setText("0");
    }
    button("BitBtn12")->click();
    EXPECT_FALSE(form->Timer2->isActive());
    ASSERT_TRUE(waitFor([this] { return form->PendingRequest == NothingAwaited; }));
    EXPECT_EQ(requests(Command::LiveReadings), before + 1);
    EXPECT_EQ(sim.receivedRequests().back().request.raw, (Bytes{0x11, 0x56}));
    EXPECT_NE(form->ui().edit(92)->text(), "0");
}

TEST_F(Pages, ContinuousGetPollsAndLocksTheOtherButtonsUntilPressedAgain) {
    const std::size_t before = requests(Command::LiveReadings);
    button("BitBtn13")->click();
    EXPECT_TRUE(form->Timer2->isActive());
    EXPECT_EQ(form->Timer2->interval(), 500);
    for (QPushButton* b : form->pollingLockedButtons()) {
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    }
    EXPECT_EQ(form->pollingLockedButtons().size(), 13);
    EXPECT_TRUE(button("BitBtn13")->isEnabled());
    // The click itself sends nothing; each tick sends one request and flips the caption.
    EXPECT_EQ(requests(Command::LiveReadings), before);
    ASSERT_TRUE(waitFor([&] { return requests(Command::LiveReadings) == before + 1; }));
    EXPECT_EQ(button("BitBtn13")->text(), "Continuous Get");
    ASSERT_TRUE(waitFor([&] { return requests(Command::LiveReadings) == before + 2; }));
    EXPECT_EQ(button("BitBtn13")->text(), "");

    button("BitBtn13")->click();
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_EQ(button("BitBtn13")->text(), "Continuous Get");
    for (QPushButton* b : form->pollingLockedButtons()) {
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    }
    QTest::qWait(700);
    EXPECT_EQ(requests(Command::LiveReadings), before + 2);
}

} // namespace
} // namespace morvent
