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

TEST_F(Pages, WriteFlashRefusesAValueTooWideBeforeTheFirstFrame) {
    setText("Edit44", "70000"); // a Torque grid cell, the last block of the chain
    const Bytes basicBefore = image(Block::Basic);
    setText("Edit12", "45");
    button("BitBtn3")->click();
    EXPECT_EQ(boxes.shown,
              std::vector<QString>{"info: The StartKgS0 is out of range,Please input again."});
    QTest::qWait(200);
    EXPECT_EQ(image(Block::Basic), basicBefore);
    EXPECT_EQ(find<QTabWidget>("TabbedNotebook1")->currentIndex(), 3);
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

TEST_F(Pages, AReplySplitByALongPauseFailsItsChecksum) {
    sim.withModel([](ControllerModel& m) { m.setSplit(Command::Basic, 10); });
    const auto before = shown(Block::Basic);
    clickForAnswer("BitBtn5");
    QTest::qWait(300); // the second half arrives as a reply of its own and is ignored
    EXPECT_EQ(boxes.shown, std::vector<QString>{"info: Read The Basic Info CheckSum Error"});
    EXPECT_EQ(shown(Block::Basic), before);
    EXPECT_EQ(form->PendingRequest, SingleRead);
}

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
