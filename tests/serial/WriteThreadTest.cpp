#include "CommRecorder.h"
#include "PtyPeer.h"
#include "TComm.h"

#include <gtest/gtest.h>

#include <chrono>

namespace morvent {
namespace {

using test::CommRecorder;
using test::PtyPeer;
using test::waitFor;

class WriteThread : public testing::Test {
protected:
    void SetUp() override {
        comm.setCommName(peer.path());
        comm.OpenComm();
    }
    bool send(const std::vector<std::uint8_t>& bytes) {
        return comm.SendData(bytes.data(), static_cast<std::uint16_t>(bytes.size()));
    }

    PtyPeer peer;
    TComm comm;
    CommRecorder events{comm};
};

TEST_F(WriteThread, AnnouncesTheEmptyQueueOnceAtTheStart) {
    ASSERT_TRUE(waitFor([&] { return events.emptyQueues == 1; }));
    test::settle(100);
    EXPECT_EQ(events.emptyQueues, 1);
}

TEST_F(WriteThread, QueuedBuffersGoOutWholeAndInOrderThenOneEmptyNotice) {
    ASSERT_TRUE(waitFor([&] { return events.emptyQueues == 1; }));
    // With the line full the writer is held on the first buffer while the rest queue behind it.
    const std::size_t filler = peer.fillLine();
    const auto a = test::pattern(5000, 1);
    const auto b = test::pattern(2, 2);
    const auto c = test::pattern(65535, 3);
    ASSERT_TRUE(send(a));
    ASSERT_TRUE(send(b));
    ASSERT_TRUE(send(c));
    test::settle(50);
    EXPECT_EQ(events.emptyQueues, 1);

    std::vector<std::uint8_t> expected(filler, 0xAA);
    for (const auto* part : {&a, &b, &c}) {
        expected.insert(expected.end(), part->begin(), part->end());
    }
    EXPECT_EQ(peer.read(expected.size(), 10000), expected);
    ASSERT_TRUE(waitFor([&] { return events.emptyQueues == 2; }));
    test::settle(100);
    EXPECT_EQ(events.emptyQueues, 2);
    EXPECT_EQ(events.hangups, 0);
}

TEST_F(WriteThread, ClosingAbandonsAPendingWriteAndDropsTheQueue) {
    const std::size_t filler = peer.fillLine();
    const auto stuck = test::pattern(60000, 4);
    ASSERT_TRUE(send(stuck));
    ASSERT_TRUE(send(stuck));
    test::settle(50);

    const auto before = std::chrono::steady_clock::now();
    comm.CloseComm();
    // Only a hang would take this long; the close itself waits on no timer.
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
    EXPECT_LT(peer.read(filler + 2 * stuck.size(), 300).size(), filler + 2 * stuck.size());
    test::settle(50);
    EXPECT_EQ(events.hangups, 0);

    // The next session writes normally.
    comm.OpenComm();
    ASSERT_TRUE(send({0x11, 0x56}));
    EXPECT_EQ(peer.read(2), (std::vector<std::uint8_t>{0x11, 0x56}));
}

TEST_F(WriteThread, WritingToAVanishedDeviceIsAHangup) {
    peer.hangUp();
    ASSERT_TRUE(waitFor([&] { return events.hangups > 0; }));
    const int before = events.hangups;
    // The writer either reports the failed write or has already ended and refuses the buffer;
    // it never swallows it silently.
    if (send({0x11, 0x52})) {
        ASSERT_TRUE(waitFor([&] { return events.hangups > before; }));
    }
    comm.CloseComm();
}

} // namespace
} // namespace morvent
