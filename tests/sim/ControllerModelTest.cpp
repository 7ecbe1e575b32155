#include "ControllerModel.h"

#include "BlockRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace morvent {
namespace {

using std::chrono::milliseconds;

bool checksumHolds(const Bytes& reply) {
    return reply.size() >= 3 && checksum(std::span(reply).first(reply.size() - 1)) == reply.back();
}

// The bytes of every reply to `request`.
std::vector<Bytes> answers(ControllerModel& model, const Bytes& request, unsigned baud = 9600) {
    std::vector<Bytes> replies;
    for (ControllerReply& reply : model.feed(request, baud)) {
        replies.push_back(std::move(reply.bytes));
    }
    return replies;
}

Bytes onlyAnswer(ControllerModel& model, const Bytes& request, unsigned baud = 9600) {
    auto replies = answers(model, request, baud);
    EXPECT_EQ(replies.size(), 1u);
    return replies.empty() ? Bytes{} : replies.front();
}

TEST(SimControllerModel, AnswersEveryReadWithAChecksummedReply) {
    ControllerModel model;
    struct Case {
        Bytes request;
        Command code;
        std::size_t length;
        Bytes payload; // empty where the content varies
    };
    const std::string text = factoryFirmwareText();
    const Case cases[] = {
        {connectRequest(), Command::Identity, 16, factoryIdentity()},
        {readRequest(Command::FirmwareText), Command::FirmwareText, text.size(),
         Bytes(text.begin(), text.end())},
        {readRequest(Command::Basic), Command::Basic, 24, factoryImage(Command::Basic)},
        {readRequest(Command::PedalAssist), Command::PedalAssist, 11,
         factoryImage(Command::PedalAssist)},
        {readRequest(Command::ThrottleHandle), Command::ThrottleHandle, 6,
         factoryImage(Command::ThrottleHandle)},
        {readRequest(Command::Torque), Command::Torque, 71, factoryImage(Command::Torque)},
        {readRequest(Command::LiveReadings), Command::LiveReadings, 9, {}},
    };
    for (const Case& c : cases) {
        const Bytes reply = onlyAnswer(model, c.request);
        ASSERT_EQ(reply.size(), c.length + 3) << int(code(c.code));
        EXPECT_EQ(reply[0], code(c.code));
        EXPECT_EQ(reply[1], c.length);
        EXPECT_TRUE(checksumHolds(reply)) << int(code(c.code));
        if (!c.payload.empty()) {
            EXPECT_EQ(Bytes(reply.begin() + 2, reply.end() - 1), c.payload) << int(code(c.code));
        }
    }
    EXPECT_EQ(onlyAnswer(model, connectRequest()).back(), 0x1F); // a 48 V, 25 A controller
}

TEST(SimControllerModel, AcceptedWriteIsReadBack) {
    struct Case {
        Command block;
        Bytes payload;
    };
    Bytes torque = factoryImage(Command::Torque);
    torque[0] = 0x13; // base voltage 5000 mV, the ceiling
    torque[1] = 0x88;
    torque[70] = 180;
    const Case cases[] = {
        {Command::Basic,
         {38, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 100, 1, 2, 3, 4, 5, 6, 7, 8, 9, 100, 0x37, 0xC0 | 36}},
        {Command::PedalAssist, {0x00, 0x09, 0x28, 100, 8, 20, 0x50, 0, 1, 255, 1}},
        {Command::ThrottleHandle, {0, 50, 1, 0xFF, 0x0F, 100}},
        {Command::Torque, torque},
    };
    for (const Case& c : cases) {
        ControllerModel model;
        EXPECT_EQ(onlyAnswer(model, writeFrame(c.block, c.payload)),
                  writeAcknowledgement(c.block, static_cast<std::uint8_t>(c.payload.size())));
        EXPECT_EQ(onlyAnswer(model, readRequest(c.block)), readReply(c.block, c.payload));
    }
}

TEST(SimControllerModel, WriteStatusNamesTheFirstByteOutOfRange) {
    struct Change {
        std::size_t index;
        std::uint8_t value;
    };
    struct Case {
        const char* what;
        Command block;
        std::vector<Change> changes;
        std::uint8_t status;
    };
    const Case cases[] = {
        {"cut-off below the 48 V band", Command::Basic, {{0, 37}}, 0},
        {"cut-off above the 48 V band", Command::Basic, {{0, 44}}, 0},
        {"current above the rated 25 A", Command::Basic, {{1, 26}}, 1},
        {"no current at all", Command::Basic, {{1, 0}}, 1},
        {"level current 0 %", Command::Basic, {{5, 0}}, 5},
        {"level speed 101 %", Command::Basic, {{21, 101}}, 21},
        {"earliest of two wins", Command::Basic, {{21, 101}, {3, 0}}, 3},
        {"odd wheel code", Command::Basic, {{22, 0x35}}, 22},
        {"wheel above 30 inch", Command::Basic, {{22, 0x3E}}, 22},
        {"speed meter model 2", Command::Basic, {{23, 0x86}}, 23},
        {"37 speed signals", Command::Basic, {{23, 0x40 | 37}}, 23},
        {"no speed signals", Command::Basic, {{23, 0xC0}}, 23},
        {"pedal sensor type 4", Command::PedalAssist, {{0, 4}}, 0},
        {"assist level 10", Command::PedalAssist, {{1, 10}}, 1},
        {"speed limit 14 km/h", Command::PedalAssist, {{2, 0x0E}}, 2},
        {"slow start 0", Command::PedalAssist, {{4, 0}}, 4},
        {"21 start signals", Command::PedalAssist, {{5, 21}}, 5},
        {"work mode 9", Command::PedalAssist, {{6, 9}}, 6},
        {"keep current 101 %", Command::PedalAssist, {{10, 101}}, 10},
        {"start voltage 5.1 V", Command::ThrottleHandle, {{0, 51}}, 0},
        {"mode 2", Command::ThrottleHandle, {{2, 2}}, 2},
        {"speed limit 41 km/h", Command::ThrottleHandle, {{4, 41}}, 4},
        {"start current 0 %", Command::ThrottleHandle, {{5, 0}}, 5},
        {"base voltage 5001 mV, high byte fits", Command::Torque, {{0, 0x13}, {1, 0x89}}, 1},
        {"base voltage 5120 mV, high byte alone too big", Command::Torque, {{0, 0x14}, {1, 0}}, 0},
        {"last delta voltage too big", Command::Torque, {{20, 0xFF}}, 20},
        {"boost time 201", Command::Torque, {{22, 201}}, 22},
        {"current decay 0 at the first speed", Command::Torque, {{29, 0}}, 29},
        {"start degree 181 at the last speed", Command::Torque, {{70, 181}}, 70},
    };
    for (const Case& c : cases) {
        ControllerModel model;
        Bytes payload = factoryImage(c.block);
        for (const Change& change : c.changes) {
            payload[change.index] = change.value;
        }
        EXPECT_EQ(onlyAnswer(model, writeFrame(c.block, payload)),
                  writeAcknowledgement(c.block, c.status))
            << c.what;
        EXPECT_EQ(model.image(c.block), factoryImage(c.block)) << c.what;
    }
}

TEST(SimControllerModel, BasicLimitsFollowTheRatingsInTheIdentity) {
    ControllerModel model;
    Bytes identity = factoryIdentity();
    identity[14] = 3;  // 60 V class
    identity[15] = 40; // 40 A
    model.setIdentity(identity);
    Bytes basic = factoryImage(Command::Basic);
    basic[0] = 50;
    basic[1] = 40;
    EXPECT_EQ(onlyAnswer(model, writeFrame(Command::Basic, basic)),
              writeAcknowledgement(Command::Basic, 24));
    basic[0] = 42; // the 48 V cut-off is too low for a 60 V battery
    EXPECT_EQ(onlyAnswer(model, writeFrame(Command::Basic, basic)),
              writeAcknowledgement(Command::Basic, 0));
}

TEST(SimControllerModel, RefusedByteIsNamedWhateverItHolds) {
    ControllerModel model;
    const Bytes torque = factoryImage(Command::Torque);
    model.refuseByte(Command::Torque, 40);
    model.refuseByte(Command::Torque, 12);
    EXPECT_EQ(onlyAnswer(model, writeFrame(Command::Torque, torque)),
              writeAcknowledgement(Command::Torque, 12));

    Bytes outOfRange = torque;
    outOfRange[5] = 0xFF; // error voltage max 4607 mV, its low byte is to blame
    outOfRange[4] = 0x13;
    EXPECT_EQ(onlyAnswer(model, writeFrame(Command::Torque, outOfRange)),
              writeAcknowledgement(Command::Torque, 5));

    // Other blocks are not affected, and clearing makes the block writable again.
    EXPECT_EQ(onlyAnswer(model, writeFrame(Command::Basic, factoryImage(Command::Basic))),
              writeAcknowledgement(Command::Basic, 24));
    model.clearRefusals();
    EXPECT_EQ(onlyAnswer(model, writeFrame(Command::Torque, torque)),
              writeAcknowledgement(Command::Torque, 71));
}

TEST(SimControllerModel, MalformedWritesGetNoAnswerAndChangeNothing) {
    Bytes payload = factoryImage(Command::ThrottleHandle);
    payload[0] = 20;
    Bytes badChecksum = writeFrame(Command::ThrottleHandle, payload);
    badChecksum.back() += 1;
    Bytes wrongLength =
        writeFrame(Command::ThrottleHandle, Bytes(payload.begin(), payload.end() - 1));
    Bytes longLength = writeFrame(Command::ThrottleHandle, payload);
    longLength[2] = 7;
    Bytes readOnly = writeFrame(Command::LiveReadings, Bytes(kLiveReadingsLength, 1));

    for (const Bytes& frame : {badChecksum, wrongLength, longLength, readOnly}) {
        ControllerModel model;
        EXPECT_TRUE(answers(model, frame).empty()) << testing::PrintToString(frame);
        EXPECT_EQ(model.image(Command::ThrottleHandle), factoryImage(Command::ThrottleHandle));
        // The line is usable again right after.
        EXPECT_EQ(answers(model, readRequest(Command::ThrottleHandle)).size(), 1u);
    }
}

TEST(SimControllerModel, LineSpeedDecidesWhatIsUnderstood) {
    const Bytes throttleWrite = writeFrame(Command::ThrottleHandle, Bytes{1, 2, 0, 0, 0x10, 3});
    struct Case {
        unsigned listen;
        unsigned line;
        Bytes request;
        bool answered;
    };
    const Case cases[] = {
        {9600, 9600, connectRequest(), true},
        {9600, 1200, connectRequest(), false},
        {1200, 1200, connectRequest(), true},
        {1200, 9600, connectRequest(), false},
        {115200, 115200, connectRequest(), true},
        {115200, 38400, connectRequest(), false},
        {1200, 9600, readRequest(Command::Basic), true},
        {1200, 1200, readRequest(Command::Basic), false},
        {9600, 19200, readRequest(Command::Basic), false},
        {38400, 38400, throttleWrite, false},
        {38400, 9600, throttleWrite, true},
    };
    for (const Case& c : cases) {
        ControllerModel model;
        model.setListenBaud(c.listen);
        const auto replies = answers(model, c.request, c.line);
        EXPECT_EQ(replies.size(), c.answered ? 1u : 0u) << c.listen << " / " << c.line;
        EXPECT_EQ(model.image(Command::ThrottleHandle) != factoryImage(Command::ThrottleHandle),
                  c.answered && c.request == throttleWrite)
            << c.listen << " / " << c.line;
    }
}

TEST(SimControllerModel, PartialFrameIsLostWhenTheLineSpeedChanges) {
    ControllerModel model;
    model.setListenBaud(1200);
    EXPECT_TRUE(answers(model, {0x11}, 1200).empty());
    EXPECT_TRUE(answers(model, {0x52}, 9600).empty());
    EXPECT_EQ(answers(model, readRequest(Command::Basic), 9600).size(), 1u);
}

TEST(SimControllerModel, ChecksumKnobsSpoilExactlyTheChosenReplies) {
    ControllerModel model;
    model.corruptNextChecksum();
    EXPECT_FALSE(checksumHolds(onlyAnswer(model, readRequest(Command::Basic))));
    EXPECT_TRUE(checksumHolds(onlyAnswer(model, readRequest(Command::Basic))));

    model.setChecksumCorrupted(Command::ThrottleHandle, true);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(checksumHolds(onlyAnswer(model, readRequest(Command::ThrottleHandle))));
        EXPECT_FALSE(checksumHolds(onlyAnswer(
            model, writeFrame(Command::ThrottleHandle, factoryImage(Command::ThrottleHandle)))));
        EXPECT_TRUE(checksumHolds(onlyAnswer(model, readRequest(Command::PedalAssist))));
    }
    model.setChecksumCorrupted(Command::ThrottleHandle, false);
    EXPECT_TRUE(checksumHolds(onlyAnswer(model, readRequest(Command::ThrottleHandle))));

    // The identity's lowered checksum, and a spoilt one that matches neither form.
    model.setIdentityChecksumLowered(true);
    EXPECT_EQ(onlyAnswer(model, connectRequest()).back(), 0x1F - 14);
    model.setChecksumCorrupted(Command::Identity, true);
    const std::uint8_t spoilt = onlyAnswer(model, connectRequest()).back();
    EXPECT_NE(spoilt, 0x1F);
    EXPECT_NE(spoilt, 0x1F - 14);
}

TEST(SimControllerModel, DroppedRepliesStillActOnTheirRequests) {
    ControllerModel model;
    model.dropNextReplies(2);
    Bytes throttle = factoryImage(Command::ThrottleHandle);
    throttle[5] = 77;
    EXPECT_TRUE(answers(model, writeFrame(Command::ThrottleHandle, throttle)).empty());
    EXPECT_TRUE(answers(model, readRequest(Command::Basic)).empty());
    EXPECT_EQ(onlyAnswer(model, readRequest(Command::ThrottleHandle)),
              readReply(Command::ThrottleHandle, throttle));

    model.setDropAllReplies(true);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(answers(model, connectRequest()).empty());
    }
    model.setDropAllReplies(false);
    // A lost reply does not use up the corruption meant for the next one that goes out.
    model.dropNextReplies(1);
    model.corruptNextChecksum();
    EXPECT_TRUE(answers(model, connectRequest()).empty());
    EXPECT_FALSE(checksumHolds(onlyAnswer(model, connectRequest())));
}

TEST(SimControllerModel, TimingKnobsTravelWithTheReply) {
    ControllerModel model;
    model.setReplyDelay(milliseconds(250));
    model.setSplit(Command::Basic, 10);
    model.setSplit(Command::ThrottleHandle, 9); // the whole reply is 9 bytes: nothing to split

    const auto basic = model.feed(readRequest(Command::Basic));
    ASSERT_EQ(basic.size(), 1u);
    EXPECT_EQ(basic[0].delay, milliseconds(250));
    EXPECT_EQ(basic[0].splitAt, 10u);
    EXPECT_GT(basic[0].splitPause, milliseconds(100));
    const auto throttle = model.feed(readRequest(Command::ThrottleHandle));
    ASSERT_EQ(throttle.size(), 1u);
    EXPECT_EQ(throttle[0].splitAt, 0u);
}

TEST(SimControllerModel, RejectsKnobSettingsThatMeanNothing) {
    const std::function<void(ControllerModel&)> settings[] = {
        [](ControllerModel& m) { m.setListenBaud(4800); },
        [](ControllerModel& m) { m.refuseByte(Command::Basic, 24); },
        [](ControllerModel& m) { m.refuseByte(Command::LiveReadings, 0); },
        [](ControllerModel& m) { m.setChecksumCorrupted(static_cast<Command>(0x57), true); },
        [](ControllerModel& m) { m.setSplit(Command::Basic, 0); },
        [](ControllerModel& m) { m.setReplyDelay(milliseconds(-1)); },
        [](ControllerModel& m) { m.setImage(Command::Torque, Bytes(70, 0)); },
        [](ControllerModel& m) { m.setIdentity(Bytes(15, 0)); },
        [](ControllerModel& m) { m.setFirmwareText(std::string(256, 'x')); },
    };
    for (std::size_t i = 0; i < std::size(settings); ++i) {
        ControllerModel model;
        EXPECT_THROW(settings[i](model), std::invalid_argument) << "setting " << i;
    }
}

TEST(SimControllerModel, LiveReadingsWanderDeterministically) {
    auto readings = [](std::uint32_t seed) {
        ControllerModel model(seed);
        std::vector<Bytes> payloads;
        for (int i = 0; i < 50; ++i) {
            const Bytes reply = onlyAnswer(model, readRequest(Command::LiveReadings));
            payloads.emplace_back(reply.begin() + 2, reply.end() - 1);
        }
        return payloads;
    };
    const auto first = readings(5);
    EXPECT_EQ(readings(5), first);
    EXPECT_NE(readings(6), first);

    auto value16 = [](const Bytes& p, std::size_t at) { return p[at] << 8 | p[at + 1]; };
    for (std::size_t i = 1; i < first.size(); ++i) {
        const Bytes& before = first[i - 1];
        const Bytes& now = first[i];
        EXPECT_NE(now, before);
        EXPECT_NE(value16(now, 0), value16(before, 0)) << "the signal counter runs on";
        EXPECT_LE(now[2], 1);
        EXPECT_LE(std::abs(value16(now, 3) - value16(before, 3)), 3);
        EXPECT_LE(std::abs(value16(now, 7) - value16(before, 7)), 40);
        EXPECT_GE(value16(now, 7), 780);
        EXPECT_LE(value16(now, 7), 2400);
    }
}

TEST(SimControllerModel, CountsAndLogsWhatItSees) {
    ControllerModel model;
    model.setListenBaud(19200);
    model.feed(connectRequest(), 19200);
    model.feed(connectRequest(), 9600);
    model.feed(readRequest(Command::Torque), 9600);
    model.feed(Bytes{0x00, 0x00}, 9600);
    model.feed(readRequest(Command::Torque), 1200);

    EXPECT_EQ(model.requestCount(Command::Identity), 2u);
    EXPECT_EQ(model.requestCount(Command::Torque), 2u);
    EXPECT_EQ(model.requestCount(Command::Basic), 0u);
    EXPECT_EQ(model.bytesReceived(), 16u);
    EXPECT_EQ(model.bytesDiscarded(), 4u);

    const auto frames = model.receivedRequests();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].request.raw, connectRequest());
    EXPECT_EQ(frames[0].lineBaud, 19200u);
    EXPECT_TRUE(frames[0].understood);
    EXPECT_FALSE(frames[1].understood);
    EXPECT_TRUE(frames[2].understood);
    // Sent at a speed nobody listens at: logged as it was sent, never answered.
    EXPECT_EQ(frames[3].lineBaud, 1200u);
    EXPECT_FALSE(frames[3].understood);

    for (std::size_t i = 0; i < ControllerModel::kRequestLogCapacity + 5; ++i) {
        model.feed(readRequest(Command::LiveReadings));
    }
    const auto log = model.receivedRequests();
    EXPECT_EQ(log.size(), ControllerModel::kRequestLogCapacity);
    EXPECT_EQ(log.front().request.command, Command::LiveReadings);
    EXPECT_EQ(model.requestCount(Command::LiveReadings), ControllerModel::kRequestLogCapacity + 5);
}

} // namespace
} // namespace morvent
