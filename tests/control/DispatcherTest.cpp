// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// The reply dispatcher with the rooms it hands its steps to, built without the main window: the
// pages' widgets offscreen, the line a pseudo-terminal whose far end the test reads, and the
// simulated controller's own answers, with no waits between.

#include "AwaitedWording.h"
#include "BlockRequests.h"
#include "ChangeMarks.h"
#include "ComparisonMarks.h"
#include "ControllerLine.h"
#include "ControllerModel.h"
#include "Form1Ui.h"
#include "LiveReadingsMonitor.h"
#include "MessageBoxes.h"
#include "ModelBinding.h"
#include "ParameterTable.h"
#include "PtyPeer.h"
#include "ReplyDispatcher.h"
#include "StatusNote.h"
#include "StatusReporter.h"
#include "TComm.h"
#include "TrafficLog.h"
#include "WindowFields.h"
#include "WindowLine.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>

namespace morvent {
namespace {

// Every box as a word of the test's log, in the order shown; what the event loop of a shown box
// may bring comes once.
class LoggedBoxes final : public MessageBoxes {
public:
    explicit LoggedBoxes(std::string& log) : m_log(log) {}
    void information(const QString& text) override {
        m_log += " box(" + text.toStdString() + ")";
        if (auto during = std::exchange(whileShown, {})) {
            during();
        }
    }
    void plain(const QString& text) override { information(text); }
    void generalError(const QString& text) override { information(text); }
    bool proceed(const QString&, const QString&) override { return true; }
    std::function<void()> whileShown;

private:
    std::string& m_log;
};

class DispatcherTest : public testing::Test {
protected:
    DispatcherTest() {
        useControllerLine(comm);
        comm.setCommName(peer.path());
        comm.OpenComm();
        const auto note = [this](const char* word) { return [this, word] { log += word; }; };
        QObject::connect(&dispatcher, &ReplyDispatcher::identityArrived, note(" identity"));
        QObject::connect(&dispatcher, &ReplyDispatcher::keepBackup, note(" backup"));
        QObject::connect(&dispatcher, &ReplyDispatcher::identified,
                         [this](const std::string& maker, const std::string& model) {
                             log += " identified " + maker + "/" + model;
                         });
        QObject::connect(&dispatcher, &ReplyDispatcher::blockReadIntoPages, [this](Block block) {
            log += " pages " + std::to_string(static_cast<int>(block));
        });
        // Connected, and the pages hold what the controller holds.
        take(readReply(Command::Identity, sim.identity()));
        converse();
        act([this] { requests.readFlash(); });
        converse();
    }

    // What went out since the last look, as requests ("read 3": 0x53, Pedal Assist's), each
    // handed to the simulated controller, whose answers wait their turn.
    std::string sent() {
        const Bytes marker{0xEE, 0xEE, 0xEE};
        EXPECT_TRUE(comm.SendData(marker.data(), 3));
        Bytes out;
        while (out.size() < 3 || !std::equal(marker.begin(), marker.end(), out.end() - 3)) {
            const Bytes more = peer.read(1);
            if (more.empty()) {
                ADD_FAILURE() << "the line stopped";
                return " lost";
            }
            out.insert(out.end(), more.begin(), more.end());
        }
        out.resize(out.size() - 3);
        for (const ControllerReply& reply : sim.feed(out)) {
            answers.push_back(reply.bytes);
        }
        std::string words;
        for (std::size_t at = 0; at + 1 < out.size();) {
            const bool read = out[at] == kRequestLead;
            words += (read ? " read " : " write ") + std::to_string(out[at + 1] - 0x50);
            at += read ? 2 : 4 + out[at + 2];
        }
        return words;
    }
    // Every control a reply may fill.
    QMap<const QWidget*, QString> shown() const {
        QMap<const QWidget*, QString> all;
        for (const auto* edit : ui.TabbedNotebook1->findChildren<QLineEdit*>()) {
            all[edit] = edit->text();
        }
        for (const auto* combo : ui.TabbedNotebook1->findChildren<QComboBox*>()) {
            all[combo] = combo->currentText();
        }
        for (const QLabel* label : {ui.Label6, ui.Label7, ui.Label8, ui.Label9, ui.Label11}) {
            all[label] = label->text();
        }
        return all;
    }
    // An action or a reply, and what followed: boxes and signals, the requests sent, whether any
    // control changed, and PendingRequest.
    std::string act(const std::function<void()>& action) {
        log.clear();
        const auto before = shown();
        const std::size_t plotted = liveReadings.history().points().size();
        action();
        std::string line = log + sent() + (shown() != before ? " filled" : "");
        line += liveReadings.history().points().size() > plotted ? " plotted" : "";
        line += " =" + std::to_string(cycle.PendingRequest());
        return line.substr(1);
    }
    std::string take(const Bytes& reply, std::size_t length = SIZE_MAX) {
        return act([&] {
            dispatcher.dispatch(reply.data(),
                                static_cast<std::uint16_t>(std::min(length, reply.size())));
        });
    }
    // The controller's answers taken in turn until nothing more goes out.
    std::string converse() {
        std::string all;
        while (!answers.empty()) {
            const Bytes reply = answers.front();
            answers.pop_front();
            all += (all.empty() ? "" : " | ") + take(reply);
        }
        return all;
    }
    // The controller's answer to a read of `command`, not handed to the rooms.
    Bytes answer(Command command) { return sim.feed(readRequest(command)).at(0).bytes; }

    std::string log;
    ControllerModel sim;
    std::deque<Bytes> answers;
    // The window's controls, made before the rooms that find them, the lists filled as the window
    // fills them when first shown.
    struct Window {
        Window() {
            ui.setupUi(&window);
            Form1Ui::fillCombo(ui.ComboBox4, Form1Ui::wheelSizeItems());
            Form1Ui::fillCombo(ui.ComboBox5, Form1Ui::speedMeterItems());
        }
        QMainWindow window;
        Form1Ui ui;
    } form;
    QMainWindow& window = form.window;
    Form1Ui& ui = form.ui;
    ParameterModel model;
    WindowFields fields{model, window};
    ModelBinding binding{window, model};
    StatusReporter status{window.statusBar()};
    StatusNote comparisonNote{QStringLiteral("ComparisonNote"), window.statusBar()};
    ComparisonMarks comparison{window, *ui.TabbedNotebook1, comparisonNote, *ui.ClearComparison1,
                               model};
    ChangeMarks changes{window, *window.statusBar(), model, comparison};
    LoggedBoxes boxes{log};
    LiveReadingsMonitor liveReadings{boxes, [] { return QString(); }};
    test::PtyPeer peer;
    TComm comm;
    QTimer probeTimer;
    TrafficLog trafficLog;
    AwaitedWording wording{status};
    WindowLine line{comm, probeTimer, trafficLog, wording, boxes, LineTiming{}};
    RequestCycle cycle;
    BlockRequests requests{cycle, line, fields, model, boxes, status, *ui.TabbedNotebook1, window};
    ReplyDispatcher dispatcher{cycle, requests, line, fields, model, status, changes, liveReadings};
};

// A Basic read reply that differs from what the pages show, and an accepted acknowledgement, each
// under every request the window awaits; and the live readings, which only the request for them
// may end. A read reply is taken as an acknowledgement's flawed one while a write is awaited, and
// the other way round; the pages are filled only while they are what is read into, by a reply of
// any block while a single read is awaited, as the window always took them.
TEST_F(DispatcherTest, EachReplyIsTakenOnlyAsWhatIsAwaited) {
    const std::string lc = fields.text("Edit1");
    Bytes basic = sim.image(Command::Basic);
    --basic[parameter("Edit1")->index];
    const Bytes replies[] = {readReply(Command::Basic, basic),
                             writeAcknowledgement(Command::Basic, kBasicLength),
                             answer(Command::LiveReadings)};
    const std::pair<const char*, std::function<void()>> starts[] = {
        {"nothing", [] {}},
        {"read Basic", [&] { requests.read(Block::Basic); }},
        {"read Torque", [&] { requests.read(Block::Torque); }},
        {"Get", [&] { requests.get(); }},
        {"write Basic", [&] { requests.write(Block::Basic); }},
        {"Read Flash", [&] { requests.readFlash(); }},
        {"Write Flash", [&] { requests.writeFlash(); }},
        {"Compare", [&] { requests.compareWithController(); }},
    };
    const char* const expected[][3] = {
        {"=0", "=0", "=0"},
        {"pages 0 filled =0", "box(Read The Basic Info CheckSum Error) =1", "=1"},
        {"pages 0 filled =0", "box(Read The Basic Info CheckSum Error) =1", "=1"},
        {"pages 0 filled =0", "box(Read The Basic Info CheckSum Error) =1", "filled plotted =0"},
        {"box(Write The Basic Info CheckSum Error) =2", "box(Basic Set successfully.) =0", "=2"},
        {"pages 0 read 3 filled =3", "box(Read The Basic Info CheckSum Error) =3", "=3"},
        {"box(Write The Basic Info CheckSum Error) =4", "write 3 =4", "=4"},
        {"read 3 =5", "box(Read The Basic Info CheckSum Error) =5", "=5"},
    };
    int row = 0;
    for (const auto& [name, start] : starts) {
        for (int column = 0; column < 3; ++column) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(column));
            fields.setText("Edit1", lc);
            act(start);
            answers.clear();
            EXPECT_EQ(take(replies[column]), expected[row][column]);
            requests.endByTabClick();
            sent();
        }
        ++row;
    }
}

// Each chain from its start to its end or its stop, the controller answering whatever went out:
// each answer leads to the next block's request, and only the last ends the chain.
TEST_F(DispatcherTest, EachChainRunsToItsEndOrStops) {
    const auto run = [this](const std::function<void()>& start) {
        const std::string started = act(start);
        return started + " | " + converse();
    };
    EXPECT_EQ(run([&] { requests.readFlash(); }),
              "read 2 =3 | pages 0 read 3 =3 | pages 1 read 4 =3 | pages 2 read 5 =3 | pages 3 "
              "read 6 =3 | backup box(Read Flash successfully.) filled plotted =0");
    EXPECT_EQ(
        run([&] { requests.writeFlash(); }),
        "write 2 =4 | write 3 =4 | write 4 =4 | write 5 =4 | box(Write Flash successfully.) =0");
    // Compare With Controller reads into a copy and counts the pages' differences from it.
    fields.setText("Edit1", "7");
    EXPECT_EQ(run([&] { requests.compareWithController(); }),
              "read 2 =5 | read 3 =5 | read 4 =5 | read 5 =5 | =0");
    EXPECT_EQ(status.activityText().toStdString(), "Compare With Controller: 1 change not written");
    // A block the controller refuses stops Write Flash at it, still awaited, its field shown.
    sim.refuseByte(Command::PedalAssist, 0);
    EXPECT_EQ(run([&] { requests.writeFlash(); }),
              "write 2 =4 | write 3 =4 | box(The Pedal Type setting error,Please reset.) =4");
    EXPECT_EQ(ui.TabbedNotebook1->currentIndex(), 1);
    sim.clearRefusals();
    // A value typed while the chain runs is checked as its block's frame is built.
    EXPECT_EQ(act([&] { requests.writeFlash(); }), "write 2 =4");
    fields.setText("Edit32", "99999");
    EXPECT_EQ(
        converse(),
        "write 3 =4 | write 4 =4 | box(The BaseV Voltage is out of range,Please input again.) =0");
}

// Each block's acknowledgement of a write of its own: accepted, its first byte refused, or a
// status that means nothing. The blocks differ; those are the controller's own ways.
TEST_F(DispatcherTest, EachBlockTakesItsAcknowledgementItsOwnWay) {
    const char* const expected[][3] = {
        {"box(Basic Set successfully.) =0", "box(The Limit Volt setting error,Please reset.) =0",
         "=0"},
        {"box(Pedal Assist Set successfully.) =0",
         "box(The Pedal Type setting error,Please reset.) =0", "=0"},
        {"box(Throttle Handle Set successfully.) =0",
         "box(The Start Voltage setting error,Please reset.) =2", "=2"},
        {"box(Torque Set successfully.) =0",
         "box(The BaseVH Voltage setting error,Please reset.) =2", "=2"},
    };
    for (const Block block : kAllBlocks) {
        const auto accepted = static_cast<std::uint8_t>(layout(block).length);
        const std::uint8_t statuses[] = {accepted, 0, static_cast<std::uint8_t>(accepted + 1)};
        for (int column = 0; column < 3; ++column) {
            SCOPED_TRACE(std::string(layout(block).title) + " " + std::to_string(column));
            const int page = ui.TabbedNotebook1->currentIndex();
            act([&] { requests.write(block); });
            answers.clear();
            const Bytes ack = writeAcknowledgement(layout(block).command, statuses[column]);
            EXPECT_EQ(take(ack), expected[static_cast<int>(block)][column]);
            // A refused field is shown on its page.
            EXPECT_EQ(ui.TabbedNotebook1->currentIndex(), column == 1 ? layout(block).page : page);
            requests.endByTabClick();
        }
    }
}

// The identity ends probing whatever it holds; the firmware text is shown only as the answer to
// its request, also with a wrong checksum, even when another reply comes while its box is shown.
// One event is one reply: a chunk longer than any reply is taken as its first bytes, and a reply
// shorter than its code's is refused with nothing read past what arrived.
TEST_F(DispatcherTest, EachEventIsOneReplyWhateverCameBefore) {
    Bytes identity = readReply(Command::Identity, sim.identity());
    ++identity.back();
    EXPECT_EQ(take(identity), "identity box(Read The Controller Info CheckSum Error) =0");
    EXPECT_EQ(status.connectionState(), "Probing stopped: identity checksum error");
    Bytes other = sim.identity();
    other[0] = 'X';
    EXPECT_EQ(take(readReply(Command::Identity, other)),
              "identity identified XLMN/PQRS read 0 filled =0");
    Bytes text = answer(Command::FirmwareText);
    ++text.back();
    boxes.whileShown = [&] {
        const Bytes readings = answer(Command::LiveReadings);
        dispatcher.dispatch(readings.data(), static_cast<std::uint16_t>(readings.size()));
    };
    EXPECT_EQ(take(text), "box(Read The Software Version Error) filled =0");
    EXPECT_EQ(ui.Label9->text().toStdString(), "Firmware Ver:" + sim.firmwareText());
    EXPECT_EQ(take(answer(Command::FirmwareText)), "=0");

    // Readings whose checksum is 0, as the zeros after a cut one would be.
    Bytes readings(kLiveReadingsLength, 0);
    readings[0] = static_cast<std::uint8_t>(-(code(Command::LiveReadings) + kLiveReadingsLength));
    const Bytes zeroSum = readReply(Command::LiveReadings, readings);
    act([&] { requests.get(); });
    EXPECT_EQ(take(zeroSum, zeroSum.size() - 1), "box(Read The Tq Info CheckSum Error) =1");
    fields.setText("Edit1", "7");
    act([&] { requests.read(Block::Basic); });
    Bytes chunk = answer(Command::Basic);
    chunk.resize(400, 0x52);
    EXPECT_EQ(take(chunk), "pages 0 filled =0");
}

} // namespace
} // namespace morvent
