// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BlockCodec.h"
#include "ControllerModel.h"
#include "ControllerSession.h"
#include "FieldStore.h"
#include "ParameterTable.h"
#include "SimulatedController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvent {
namespace {

// The pages of a run without a window: replies are read into a store, messages written down.
class StoreHands : public RequestCycle::Hands {
public:
    explicit StoreHands(const ControllerSession& session) : m_session(session) {
        fillParameterCombos(store);
    }
    FieldStore store;
    std::string done;

    bool send(const Bytes&, const Awaited&) override { return false; }
    std::optional<ChainRefusal> prepareWrite(Block, bool) override { return std::nullopt; }
    WriteFrame writeFrame(Block block) override { return {buildWriteFrame(block, store), {}}; }
    void carryOut(const Step& step) override {
        if (step.kind == Step::Kind::ReadIntoPages) {
            applyReadReply(step.block, m_session.lastReply(), store);
            done += std::string(layout(step.block).title) + ", ";
        } else if (step.kind == Step::Kind::Message) {
            done += step.text;
        } else if (step.kind == Step::Kind::LearnWritten) {
            done += "learnt, ";
        }
    }

private:
    const ControllerSession& m_session;
};

// The command-line tool runs the window's chains through the same cycle: Read Flash reads the
// four blocks and the live readings in turn, Write Flash writes them back, each reply taken as
// soon as it is whole.
TEST(SessionCycle, ReadFlashAndWriteFlashRunThroughTheCycle) {
    SimulatedController sim;
    sim.start();
    ControllerSession session(sim.devicePath(), std::chrono::milliseconds(2000));
    session.connect();
    RequestCycle cycle;
    StoreHands pages(session);
    session.run(cycle, cycle.startReadFlash(), pages);
    EXPECT_EQ(pages.done, "Basic, Pedal Assist, Throttle Handle, Torque, Read Flash successfully.");
    EXPECT_EQ(cycle.PendingRequest(), NothingAwaited);
    const auto images = [&] {
        return sim.withModel([](const ControllerModel& m) {
            std::vector<Bytes> all;
            for (const Block block : kAllBlocks) {
                all.push_back(m.image(layout(block).command));
            }
            return all;
        });
    };
    const std::vector<Bytes> read = images();
    pages.done.clear();
    session.run(cycle, cycle.startWriteFlash(), pages);
    EXPECT_EQ(pages.done, "learnt, learnt, learnt, learnt, Write Flash successfully.");
    EXPECT_EQ(cycle.PendingRequest(), NothingAwaited);
    // What was read is what was written back.
    EXPECT_EQ(images(), read);
}

} // namespace
} // namespace morvent
