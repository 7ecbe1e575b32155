#include "Form1Fixture.h"

#include "ConnectionHelp.h"
#include "PortComboBox.h"
#include "StatusReporter.h"
#include "TrafficDescription.h"
#include "TrafficLog.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

namespace morvent {
namespace {

using test::Form1Test;

// --- Why a port would not open ---

TEST(ConnectionHelp, AMissingDeviceIsUnpluggedOrMisnamed) {
    TComm comm;
    comm.setCommName("/dev/ttyUSB-morvent-missing");
    try {
        comm.OpenComm();
        FAIL() << "opened a missing device";
    } catch (const ECommsError& e) {
        EXPECT_EQ(std::string(e.what()), "Error opening serial port");
        const QString help = openFailureHelp(comm.CommName(), e.systemError());
        EXPECT_TRUE(help.contains("No such device: /dev/ttyUSB-morvent-missing"))
            << help.toStdString();
        EXPECT_TRUE(help.contains("unplugged")) << help.toStdString();
    }
}

// --- The Port list ---

TEST_F(Form1Test, ThePortListIsReadAfreshEachTimeItOpens) {
    SimulatedController later;
    later.start();
    auto* ports = find<PortComboBox>("ComboBox1");
    EXPECT_EQ(ports->findText("ttyLATER"), -1);

    extraPorts = {
        {"ttyLATER", QString::fromStdString(later.devicePath()), "USB adapter, plugged in later"}};
    ports->showPopup();
    ports->hidePopup();
    const int index = ports->findText("ttyLATER");
    ASSERT_GE(index, 0);
    EXPECT_EQ(ports->itemData(index, Qt::ToolTipRole).toString(), "USB adapter, plugged in later");
    EXPECT_EQ(ports->currentText(), "Simulated controller"); // the choice stays

    extraPorts.clear();
    ports->showPopup();
    ports->hidePopup();
    EXPECT_EQ(ports->findText("ttyLATER"), -1);
}

TEST_F(Form1Test, TheLastPortThatWorkedIsSelectedAtTheNextStart) {
    QTemporaryDir settings;
    SimulatedController second;
    second.start();
    extraPorts = {{"ttyA", "/dev/morvent-none", ""},
                  {"ttyB", QString::fromStdString(second.devicePath()), ""}};
    auto makeForm = [&] {
        TForm1::Options options;
        options.ports = [this] { return extraPorts; };
        options.simulatedDevice = QString::fromStdString(sim.devicePath());
        options.settingsFile = settings.filePath("morvent.ini");
        auto made = std::make_unique<TForm1>(boxes, options);
        made->show();
        return made;
    };
    form = makeForm();
    auto* ports = find<QComboBox>("ComboBox1");
    EXPECT_EQ(ports->currentText(), "Simulated controller");
    ports->setCurrentIndex(ports->findText("ttyB"));
    button("BitBtn1")->click();
    ASSERT_TRUE(waitFor([this] { return button("BitBtn2")->isEnabled(); }));

    form = makeForm();
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentText(), "ttyB");
}

// --- The status bar ---

TEST_F(Form1Test, TheStatusBarFollowsTheConnection) {
    StatusReporter* status = form->status();
    EXPECT_EQ(status->connectionState(), "Disconnected");
    button("BitBtn1")->click();
    EXPECT_EQ(status->connectionState(), "Probing at 1200 baud");
    ASSERT_TRUE(waitFor([&] { return status->connectionState() == "Probing at 9600 baud"; }));
    ASSERT_TRUE(waitFor([&] { return status->connectionState() == "Connected: KLMN PQRS"; }));

    sim.hangUp();
    ASSERT_TRUE(waitFor([&] { return status->connectionState().startsWith("Connection lost"); }));
    EXPECT_TRUE(form->trafficLog()->text().contains("hang-up"));

    button("BitBtn11")->click();
    EXPECT_EQ(status->connectionState(), "Disconnected");
}

TEST_F(Form1Test, ADroppedReplyIsReportedAndTheNextRequestStillWorks) {
    connectController();
    StatusReporter* status = form->status();
    sim.withModel([](ControllerModel& m) { m.dropNextReplies(1); });

    button("BitBtn5")->click();
    EXPECT_TRUE(status->awaitingText().startsWith("Waiting for the Basic block, "))
        << status->awaitingText().toStdString();
    ASSERT_TRUE(waitFor([&] {
        return status->awaitingText().startsWith(
            "No reply from the controller (Waiting for the Basic block, ");
    }));
    // Reporting it changes nothing of what is awaited.
    EXPECT_EQ(form->PendingRequest, SingleRead);
    EXPECT_TRUE(boxes.shown.empty());

    form->ui().edit(1)->setText("3");
    button("BitBtn5")->click();
    ASSERT_TRUE(waitFor([this] { return form->PendingRequest == NothingAwaited; }));
    EXPECT_EQ(form->ui().edit(1)->text(), "25");
    EXPECT_EQ(status->awaitingText(), "");
}

TEST_F(Form1Test, TheStatusBarNamesTheStepOfAChain) {
    connectController();
    button("BitBtn2")->click(); // values Write Flash accepts
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    sim.withModel([](ControllerModel& m) { m.setDropAllReplies(true); });
    button("BitBtn3")->click();
    EXPECT_TRUE(form->status()->awaitingText().startsWith("Write Flash: the Basic block"));
    button("BitBtn2")->click();
    EXPECT_TRUE(form->status()->awaitingText().startsWith("Read Flash: the Basic block"));
}

// --- The traffic log ---

TEST_F(Form1Test, TheTrafficLogShowsTheBytesOfARead) {
    TrafficLog* log = form->trafficLog();
    EXPECT_FALSE(log->isVisible());
    QAction* toggle = log->toggleViewAction();
    EXPECT_EQ(toggle->text(), "Traffic Log");
    auto* view = form->findChild<QMenu*>("View1");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->actions().contains(toggle));
    toggle->trigger();
    EXPECT_TRUE(log->isVisible());

    connectController();
    const Bytes reply =
        readReply(Command::Basic,
                  sim.withModel([](const ControllerModel& m) { return m.image(Command::Basic); }));
    button("BitBtn5")->click();
    ASSERT_TRUE(waitFor([this] { return form->PendingRequest == NothingAwaited; }));

    const QString text = log->text();
    EXPECT_TRUE(text.contains("sent      Basic read request  11 52\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("received  Basic reply  " + QString::fromStdString(hexBytes(reply))))
        << text.toStdString();
    EXPECT_TRUE(text.contains("sent      connect request  11 51 25 80 F6"));
    EXPECT_TRUE(text.contains("received  identity reply  51 10 4B 4C 4D 4E"));

    QTemporaryDir folder;
    const QString path = folder.filePath("traffic.txt");
    ASSERT_TRUE(log->saveTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), text + "\n");
}

TEST(TrafficLogMemory, KeepsOnlyTheLastTenThousandLines) {
    TrafficLog log;
    const Bytes frame{0x11, 0x56};
    for (int i = 0; i < TrafficLog::kMaxLines + 250; ++i) {
        log.addSent(frame, QStringLiteral("request %1").arg(i));
    }
    EXPECT_EQ(log.lineCount(), TrafficLog::kMaxLines);
    EXPECT_TRUE(
        log.text().endsWith(QStringLiteral("request %1  11 56").arg(TrafficLog::kMaxLines + 249)));
    EXPECT_FALSE(log.text().contains(QStringLiteral("request 249  ")));
}

} // namespace
} // namespace morvent
