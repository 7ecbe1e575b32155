#include "RequestParser.h"

#include "BlockRules.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

Bytes joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST(SimRequestParser, TellsTheKindsOfRequestApart) {
    const Bytes throttle = factoryImage(Command::ThrottleHandle);
    struct Case {
        Bytes frame;
        ControllerRequest::Kind kind;
        Command command;
        Bytes payload;
    };
    const Case cases[] = {
        {readRequest(Command::FirmwareText),
         ControllerRequest::Kind::Read,
         Command::FirmwareText,
         {}},
        {readRequest(Command::Basic), ControllerRequest::Kind::Read, Command::Basic, {}},
        {readRequest(Command::LiveReadings),
         ControllerRequest::Kind::Read,
         Command::LiveReadings,
         {}},
        {connectRequest(), ControllerRequest::Kind::Connect, Command::Identity, {}},
        {writeFrame(Command::ThrottleHandle, throttle), ControllerRequest::Kind::Write,
         Command::ThrottleHandle, throttle},
        {writeFrame(Command::Torque, Bytes(kTorqueLength, 0)), ControllerRequest::Kind::Write,
         Command::Torque, Bytes(kTorqueLength, 0)},
    };
    for (const Case& c : cases) {
        RequestParser parser;
        const auto requests = parser.feed(c.frame);
        ASSERT_EQ(requests.size(), 1u) << testing::PrintToString(c.frame);
        EXPECT_EQ(requests[0].kind, c.kind);
        EXPECT_EQ(requests[0].command, c.command);
        EXPECT_EQ(requests[0].payload, c.payload);
        EXPECT_EQ(requests[0].raw, c.frame);
        EXPECT_EQ(parser.pendingBytes(), 0u);
    }
}

TEST(SimRequestParser, SkipsWhatIsNoFrameAndFindsTheNextOne) {
    Bytes badChecksum = writeFrame(Command::ThrottleHandle, factoryImage(Command::ThrottleHandle));
    badChecksum.back() ^= 0x01;
    Bytes wrongLength = writeFrame(Command::Basic, Bytes(kBasicLength - 1, 0x20));
    struct Case {
        const char* what;
        Bytes noise;
    };
    const Case cases[] = {
        {"stray bytes", {0x00, 0xFF, 0x52, 0x25}},
        {"lead without code", {0x11}},
        {"two leads", {0x11, 0x11}},
        {"read of an unknown code", {0x11, 0x57}},
        {"reply-like bytes", writeAcknowledgement(Command::Basic, 0x18)},
        {"write lead alone", {0x16}},
        {"write of a read-only code", {0x16, 0x56, 0x09}},
        {"half a connect request", {0x11, 0x51, 0x25}},
        {"connect request with a wrong rate", {0x11, 0x51, 0x4B, 0x00, 0x9C}},
        {"write frame with a bad checksum", badChecksum},
        {"write frame with the wrong length", wrongLength},
    };
    for (const Case& c : cases) {
        RequestParser parser;
        const auto requests = parser.feed(joined({c.noise, readRequest(Command::Basic)}));
        ASSERT_EQ(requests.size(), 1u) << c.what;
        EXPECT_EQ(requests[0].raw, readRequest(Command::Basic)) << c.what;
        EXPECT_EQ(parser.discardedBytes(), c.noise.size()) << c.what;
    }
}

TEST(SimRequestParser, ChunkBoundariesDoNotMatter) {
    const Bytes stream = joined({
        {0x42},
        connectRequest(),
        readRequest(Command::FirmwareText),
        writeFrame(Command::Basic, factoryImage(Command::Basic)),
        {0x16, 0x53},
        readRequest(Command::Torque),
        writeFrame(Command::Torque, factoryImage(Command::Torque)),
        readRequest(Command::LiveReadings),
    });
    RequestParser whole;
    const auto expected = whole.feed(stream);
    ASSERT_EQ(expected.size(), 6u);

    for (std::size_t chunk = 1; chunk < stream.size(); ++chunk) {
        RequestParser parser;
        std::vector<ControllerRequest> requests;
        for (std::size_t at = 0; at < stream.size(); at += chunk) {
            const auto part = std::span(stream).subspan(at, std::min(chunk, stream.size() - at));
            for (ControllerRequest& request : parser.feed(part)) {
                requests.push_back(std::move(request));
            }
        }
        EXPECT_EQ(requests, expected) << "chunks of " << chunk;
    }
}

} // namespace
} // namespace morvent
