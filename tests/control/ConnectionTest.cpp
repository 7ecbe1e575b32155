// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Form1Fixture.h"
#include "Layout.h"

#include "AboutBox.h"
#include "ElidedLabel.h"
#include "GettingStarted.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "LoadWindow.h"
#include "PortComboBox.h"
#include "ReviewChanges.h"
#include "SaveWindow.h"
#include "StatusReporter.h"
#include "TrafficDescription.h"
#include "TrafficLog.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>

namespace morvent {
namespace {

using test::Form1Test;
using test::waitFor;

// A window first shown with its title bar off the screen, so unmovable, is brought onto it.
TEST(FirstShow, BringsAFrameShownOffTheScreenOntoIt) {
    test::RecordedBoxes boxes;
    QTemporaryDir scratch;
    TForm1::Options options;
    options.ports = [] { return std::vector<PortEntry>{}; };
    options.backupsDirectory = scratch.filePath(QStringLiteral("backups"));
    options.settingsFile = scratch.filePath(QStringLiteral("settings.ini"));
    TForm1 form(boxes, options);
    form.move(-200, -150);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(
        waitFor([&] { return form.screen()->availableGeometry().contains(form.frameGeometry()); }));
}

TEST_F(Form1Test, StartsDisconnectedWithNothingClippedAndSendsNothing) {
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_EQ(enabledCount(form->controllerButtons()), 0);
    EXPECT_FALSE(find<QAction>("CompareWithController1")->isEnabled());
    EXPECT_FALSE(form->Timer1->isActive() || form->Timer2->isActive());
    EXPECT_EQ(form->ConnectFlag() + form->PendingRequest() + form->MaxCurrent(), 0);
    EXPECT_FALSE(form->Comm1->isOpen());
    // Frames sent while the port is closed show "Error sending!" and change nothing.
    form->Comm1->setBaudRate(1200);
    form->SendReadCommand(0x52);
    form->SendConnectCommand();
    form->SendTorqueWrite();
    EXPECT_EQ(boxes.shown, std::vector<QString>(3, "plain: Error sending!"));
    EXPECT_EQ(form->Comm1->BaudRate(), 1200u);
    EXPECT_FALSE(form->Timer1->isActive());
    // Every page, with the status bar below, and each window it opens, at its own size: no
    // control is squeezed below the size its text needs or reaches past its page or window.
    form->Help1Click();
    form->Save1Click();
    form->Load1Click();
    std::vector<QWidget*> areas{form->Form3(), form->Form4(), form->Form5()};
    for (int page = 0; page < notebook()->count(); ++page) {
        areas.push_back(notebook()->widget(page));
    }
    // On a screen with room, one of 1366x768, and one of 1920x1080 at 150 % (1280x720): the
    // window is at its designed size only where it fits, with a maximise box only where it does
    // not (and resizable only there, as some window managers offer to maximise whatever can be
    // resized); its frame is brought onto the screen from above its top; the pages' fields scroll
    // between the tabs and the page's buttons, all in view, and the status bar.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const std::vector<std::vector<const char*>> pageButtons{
        {"UndoBasic", "BitBtn5", "BitBtn4"},
        {"UndoPedalAssist", "BitBtn6", "BitBtn7"},
        {"UndoThrottleHandle", "BitBtn8", "BitBtn9"},
        {"UndoTorque", "BitBtn14", "BitBtn15"}};
    for (const QRect screen :
         {QRect(0, 0, 1920, 1080), QRect(0, 0, 1366, 768), QRect(0, 0, 1280, 720)}) {
        form->move(screen.width() / 3, -40);
        form->fitToScreen(screen);
        EXPECT_EQ(form->size() == QSize(Form1Ui::kWidth, Form1Ui::kHeight), screen.height() > 768);
        EXPECT_EQ(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint),
                  screen.height() <= 768);
        EXPECT_EQ(form->minimumSize() == form->maximumSize(), screen.height() > 768);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        EXPECT_TRUE(screen.contains(form->frameGeometry()));
        for (QWidget* area : areas) {
            notebook()->setCurrentWidget(area);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(area->window()));
            test::settle();
            EXPECT_EQ(test::clippedWidgets(*area), std::vector<std::string>{})
                << area->objectName().toStdString();
            for (const char* name : notebook()->indexOf(area) < 0
                                        ? std::vector<const char*>{}
                                        : pageButtons[notebook()->indexOf(area)]) {
                EXPECT_EQ(button(name)->visibleRegion(), QRegion(button(name)->rect())) << name;
            }
        }
        EXPECT_TRUE(form->rect().contains(form->statusBar()->geometry()));
        EXPECT_FALSE(form->ui().Scroll->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(form->ui().Scroll->verticalScrollBar()->isVisible());
    }
    // Larger than designed, the pages and the right panel share the room, two parts to one.
    const int pages = form->ui().Panel1->width();
    const int panel = form->ui().Panel2->width();
    form->resize(form->size() + QSize(600, 100));
    test::settle();
    const int panelGain = form->ui().Panel2->width() - panel;
    EXPECT_GT(panelGain, 100);
    EXPECT_GT(form->ui().Panel1->width() - pages, 2 * panelGain);
}

// Every window and button within reach of the keyboard (Enter in the Save and Load windows' name
// field with their other steps); Ctrl+Q last, as it ends the program.
TEST_F(Form1Test, TheKeyboardOpensClosesAndPresses) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const std::pair<QKeySequence::StandardKey, QWidget*> windows[] = {
        {QKeySequence::HelpContents, form->gettingStarted()},
        {QKeySequence::Save, form->Form4()},
        {QKeySequence::Open, form->Form5()}};
    for (const auto& [keys, shown] : windows) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keySequence(form.get(), keys);
        ASSERT_TRUE(shown->isVisible()) << shown->windowTitle().toStdString();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
        QTest::keyClick(shown, Qt::Key_Escape);
        EXPECT_FALSE(shown->isVisible()) << shown->windowTitle().toStdString();
    }
    form->ui().PlotButton->setFocus();
    QTest::keyClick(form->ui().PlotButton, Qt::Key_Return);
    LiveReadingsWindow& plot = form->liveReadings().window();
    EXPECT_TRUE(plot.isVisible());
    // The plot, the traffic log and Getting Started leave the menus, the tabs and the status bar
    // in view, the plot the button that stops Continuous Get too.
    const auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint()), w->size()); };
    find<QAction>("Help1")->trigger();
    form->Form3()->GettingStartedButton->click();
    form->trafficLog()->toggleViewAction()->trigger();
    using Widgets = std::initializer_list<const QWidget*>;
    for (const QWidget* shown : Widgets{&plot, form->trafficLog(), form->gettingStarted()}) {
        ASSERT_TRUE(shown->isVisible());
        for (const QWidget* kept : Widgets{form->menuBar(), notebook()->tabBar(), form->statusBar(),
                                           shown == &plot ? button("BitBtn13") : nullptr}) {
            EXPECT_FALSE(kept && shown->frameGeometry().intersects(global(kept)))
                << shown->objectName().toStdString() << " over "
                << kept->objectName().toStdString();
        }
    }
    form->trafficLog()->close();
    form->gettingStarted()->close();
    form->Form3()->close();
    plot.activateWindow();
    // Esc closes the plot and the review of changes, as the other windows.
    for (QWidget* shown : std::initializer_list<QWidget*>{&plot, &form->review()}) {
        if (shown != &plot) {
            QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
        }
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
        QTest::keyClick(shown, Qt::Key_Escape);
        EXPECT_FALSE(shown->isVisible()) << shown->objectName().toStdString();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

// What runs, what a tab click cut short, whose identity is shown, which pages hold no values from
// this controller, and a lost line: all in the status bar and on the tabs, no box.
TEST_F(Form1Test, TheStatusBarAndTabsShowWhatATechnicianMustNotMiss) {
    StatusReporter& status = *form->status();
    // A text too long for its place ends in "…", whole in its tooltip; the window keeps its width.
    const QString story =
        QStringLiteral("Read Flash: Basic, 1 of 5: ended by a tab click ").repeated(6);
    status.setActivity(story);
    test::settle();
    EXPECT_LE(form->minimumSizeHint().width(), Form1Ui::kWidth);
    EXPECT_EQ(find<QLabel>("Activity")->toolTip(), story);
    EXPECT_TRUE(find<ElidedLabel>("Activity")->shownText().endsWith(QChar(0x2026)));
    status.clearActivity();
    const auto unreadTabs = [this] {
        int unread = 0;
        for (int page = 0; page < notebook()->count(); ++page) {
            const QString tip = notebook()->tabToolTip(page);
            unread += tip.startsWith("Not read or loaded since") && tip.endsWith("writing it.");
        }
        return unread;
    };
    const auto identityCurrent = [this] { return find<QLabel>("Label6")->isEnabled(); };
    connectController();
    EXPECT_EQ(unreadTabs(), 4);
    EXPECT_FALSE(notebook()->tabIcon(0).isNull());
    EXPECT_EQ(notebook()->tabText(0), "Basic");
    button("BitBtn5")->click();
    awaitReply();
    EXPECT_EQ(unreadTabs(), 3);
    EXPECT_TRUE(notebook()->tabIcon(0).isNull());

    const Bytes pedalReply = readReply(Command::PedalAssist, image(Block::PedalAssist));
    const qsizetype pedalReplies = logged(pedalReply);
    button("BitBtn2")->click();
    EXPECT_TRUE(status.awaitingText().startsWith("Read Flash: Basic, 1 of 5, "));
    ASSERT_TRUE(waitFor(
        [&] { return status.awaitingText().startsWith("Read Flash: Pedal Assist, 2 of 5, "); }));
    QTest::mouseClick(notebook()->tabBar(), Qt::LeftButton, {},
                      notebook()->tabBar()->tabRect(0).center());
    EXPECT_EQ(status.activityText(),
              "Read Flash: Pedal Assist, 2 of 5: ended by a tab click, its reply not taken");
    ASSERT_TRUE(waitFor([&] { return logged(pedalReply) > pedalReplies; }));
    EXPECT_EQ(unreadTabs(), 3);

    button("BitBtn13")->click();
    EXPECT_EQ(status.activityText(), "Continuous Get running: press Continuous Get again to stop");
    button("BitBtn13")->click();
    EXPECT_EQ(status.activityText(), "");
    button("BitBtn11")->click();
    EXPECT_FALSE(identityCurrent());
    connectController();
    EXPECT_TRUE(identityCurrent());
    EXPECT_EQ(unreadTabs(), 4);
    // An accepted write tells what the controller holds as much as a read does. (The new
    // controller's voltage class emptied the low-battery choice.)
    find<QComboBox>("ComboBox3")->setCurrentIndex(0);
    button("BitBtn4")->click();
    awaitReply();
    EXPECT_EQ(unreadTabs(), 3);
    chosenFile = scratchFile("pages.el");
    QFile file(chosenFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[Torque]\n") > 0);
    file.close();
    find<QAction>("LoadBackup1")->trigger();
    EXPECT_EQ(unreadTabs(), 0);
    sim.hangUp();
    ASSERT_TRUE(waitFor([&] { return status.connectionAlarm(); }));
    EXPECT_FALSE(identityCurrent());
}

// Other cases are the messages of the connection and the number rule, checked with them.
TEST(GeneralErrorDisplay, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    const std::pair<QString, QString> texts[] = {{"Already ends.", "Already ends."},
                                                 {"Ends in a dash -", "Ends in a dash -"},
                                                 {"", ""},
                                                 {"Ends in a slash/", "Ends in a slash/."},
                                                 {"Ends in a letter", "Ends in a letter."},
                                                 {"Ends in a blank ", "Ends in a blank "},
                                                 {"Ends in 0", "Ends in 0."}};
    for (const auto& [text, shown] : texts) {
        EXPECT_EQ(withFullStop(text), shown) << text.toStdString();
    }
}

std::vector<unsigned> connectRates(const SimulatedController& sim) {
    std::vector<unsigned> rates;
    for (const ReceivedRequest& r : sim.receivedRequests()) {
        if (r.request.kind == ControllerRequest::Kind::Connect) {
            rates.push_back(r.lineBaud);
        }
    }
    return rates;
}

struct ProbeCase {
    const char* name;
    unsigned listenBaud;
    unsigned unanswered; // connect requests the controller lets pass first
    bool loweredChecksum;
    bool firmwareTextCorrupted; // shown all the same (connect awaits it), after its message
    std::vector<unsigned> rates;
};

class Probing : public Form1Test, public testing::WithParamInterface<ProbeCase> {};

TEST_P(Probing, FindsTheControllersRateFromTheStartOfTheListAndShowsWhoItIs) {
    const ProbeCase& c = GetParam();
    sim.withModel([&](ControllerModel& m) {
        m.setListenBaud(c.listenBaud);
        m.dropNextReplies(c.unanswered);
        m.setIdentityChecksumLowered(c.loweredChecksum);
        m.setChecksumCorrupted(Command::FirmwareText, c.firmwareTextCorrupted);
    });
    find<QComboBox>("ComboBox2")->setCurrentIndex(3); // the list's own choice does not matter
    ASSERT_TRUE(window.connect());
    EXPECT_EQ(boxes.shown, c.firmwareTextCorrupted
                               ? std::vector<QString>{"info: Read The Software Version Error"}
                               : std::vector<QString>{});
    EXPECT_EQ(connectRates(sim), c.rates);
    EXPECT_EQ(caption("Label6"), "Manufacturer:KLMN");
    EXPECT_TRUE(find<QLabel>("Label6")->isEnabled()); // the identity is this connection's
    EXPECT_EQ(form->MaxCurrent(), 25);
    EXPECT_EQ(requests(Command::FirmwareText), 1u);
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), "9600");
    EXPECT_EQ(enabledCount(form->controllerButtons()), form->controllerButtons().size());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->ConnectFlag(), 1);
    EXPECT_EQ(form->status()->connectionState(), "Connected: KLMN PQRS");
}

const ProbeCase kProbes[] = {
    {"At9600", 9600, 0, false, false, {1200, 9600}},
    {"ThroughTheWholeList", 115200, 0, false, false, {1200, 9600, 19200, 38400, 115200}},
    // The first request at 1200 goes unanswered while the line still switches.
    {"AroundAgain", 1200, 1, false, false, {1200, 9600, 19200, 38400, 115200, 1200}},
    {"LoweredIdentityChecksum", 9600, 0, true, false, {1200, 9600}},
    {"FirmwareTextChecksumWrong", 9600, 0, false, true, {1200, 9600}},
};

// With the line's own waits: the probing listen and the pauses around the connect request.
INSTANTIATE_TEST_SUITE_P(RealTiming, Probing, testing::ValuesIn(kProbes), test::rowName);

// Connect while connected probes again and keeps the old identity until the new one arrives;
// Close stops probing at once.
using RealTimingForm1 = Form1Test;

TEST_F(RealTimingForm1, ConnectProbesAgainAndCloseStopsProbingAtOnce) {
    connectController();
    sim.withModel([](ControllerModel& m) {
        Bytes identity = m.identity();
        identity[0] = 'A'; // manufacturer "ALMN"
        m.setIdentity(identity);
    });
    button("BitBtn1")->click();
    EXPECT_EQ(caption("Label6"), "Manufacturer:KLMN");
    ASSERT_TRUE(waitFor([this] { return caption("Label6") == "Manufacturer:ALMN"; }));
    EXPECT_EQ(connectRates(sim), (std::vector<unsigned>{1200, 1200}));
    EXPECT_TRUE(waitFor([this] { return requests(Command::FirmwareText) == 2; }));

    sim.withModel([](ControllerModel& m) { m.setDropAllReplies(true); });
    button("BitBtn1")->click();
    ASSERT_TRUE(waitFor([this] { return connectRates(sim).size() >= 4; })); // and on to 9600
    // That the timer and the port stop at once is checked with the other ways out of a probe.
    button("BitBtn11")->click();
    EXPECT_EQ(form->ConnectFlag(), 0);
    EXPECT_EQ(enabledCount(form->controllerButtons()), 0);
    EXPECT_EQ(form->status()->connectionState(), "Disconnected");
    EXPECT_FALSE(find<QLabel>("Label6")->isEnabled()); // greyed: another time's identity
}

struct OpenCase {
    const char* name;
    const char* port; // nullptr: the controller's, held open by another component
    const char* shown;
    const char* help;
};

class ConnectFailure : public Form1Test, public testing::WithParamInterface<OpenCase> {};

TEST_P(ConnectFailure, ShowsTheOpenErrorWithItsCauseAndStaysDisconnected) {
    const OpenCase& c = GetParam();
    TComm holder;
    if (c.port) {
        find<QComboBox>("ComboBox1")->setEditText(c.port);
    } else {
        holder.setCommName(sim.devicePath());
        holder.OpenComm();
    }
    button("BitBtn1")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    // The message of old first, as the general error display shows it, then the cause and fix.
    EXPECT_TRUE(boxes.shown[0].startsWith(QString("error: ") + c.shown + "\n\n"));
    EXPECT_TRUE(boxes.shown[0].contains(c.help)) << boxes.shown[0].toStdString();
    EXPECT_EQ(form->ConnectFlag(), 0);
    EXPECT_FALSE(form->Comm1->isOpen() || form->Timer1->isActive());
    EXPECT_FALSE(button("BitBtn11")->isEnabled());
}

const OpenCase kOpens[] = {
    {"Missing", "/dev/morvent-no-such-port", "Error opening serial port.",
     "No such device: /dev/morvent-no-such-port. The adapter is unplugged"},
    {"InUse", nullptr, "Error opening serial port.", "in use"},
    {"NotASerialPort", "/dev/null", "File handle is not a comm handle ",
     "/dev/null is not a serial port"},
};

INSTANTIATE_TEST_SUITE_P(Ports, ConnectFailure, testing::ValuesIn(kOpens), test::rowName);

// The simulated controller comes first, then the system's ports as they are each time the list
// opens, each with its description; the last port that worked is chosen at the next start, and
// the plot opens where it was left.
TEST_F(Form1Test, ThePortListIsReadAfreshEachTimeItOpensAndKeepsTheLastPortThatWorkedAndThePlace) {
    auto* ports = find<PortComboBox>("ComboBox1");
    ASSERT_EQ(ports->count(), 1);
    EXPECT_TRUE(ports->itemData(0, Qt::ToolTipRole).toString().contains(sim.devicePath().c_str()));
    SimulatedController second;
    second.start();
    extraPorts = {{"ttyA", "/dev/morvent-none", ""},
                  {"ttyB", QString::fromStdString(second.devicePath()), "USB serial adapter"}};
    ports->showPopup();
    ports->hidePopup();
    ASSERT_EQ(ports->count(), 3);
    EXPECT_EQ(ports->itemText(2), "ttyB");
    EXPECT_EQ(ports->itemData(2, Qt::ToolTipRole).toString(), "USB serial adapter");
    EXPECT_EQ(ports->currentText(), "Simulated controller"); // the choice stays

    ports->setCurrentIndex(2);
    button("BitBtn1")->click();
    ASSERT_TRUE(waitFor([this] { return button("BitBtn2")->isEnabled(); }));
    form->showPlot();
    const QPoint left = form->liveReadings().window().pos() + QPoint(40, 30);
    form->liveReadings().window().move(left);
    const QPoint place(5, 7); // within the 800 px offscreen screen
    form->move(place);
    form->close();
    form.reset(); // and a new one with the same options, as at the next start of the program
    form = std::make_unique<TForm1>(boxes, options);
    form->show();
    EXPECT_EQ(form->pos(), place);
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentText(), "ttyB");
    form->showPlot();
    EXPECT_EQ(form->liveReadings().window().pos(), left);
}

// The traffic log shows every frame sent and received, saves what it shows, and keeps its
// last 10 000 lines.
TEST_F(Form1Test, TheTrafficLogShowsTheBytesOfAReadAndSavesThem) {
    TrafficLog* log = form->trafficLog();
    ASSERT_TRUE(find<QMenu>("View1")->actions().contains(log->toggleViewAction()));
    log->toggleViewAction()->trigger();
    EXPECT_TRUE(log->isVisible());
    connectController();
    button("BitBtn5")->click();
    awaitReply();
    for (const Bytes& frame : {Bytes{0x11, 0x51, 0x25, 0x80, 0xF6}, Bytes{0x11, 0x52},
                               readReply(Command::Basic, image(Block::Basic))}) {
        EXPECT_TRUE(log->text().contains(QString::fromStdString("  " + hexBytes(frame))));
    }
    const QString path = scratchFile("traffic.txt");
    ASSERT_TRUE(log->saveTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), log->text() + "\n");

    for (int i = 0; i < TrafficLog::kMaxLines; ++i) {
        log->addSent(Bytes{0x11, 0x56}, QStringLiteral("request %1").arg(i));
    }
    EXPECT_EQ(log->lineCount(), TrafficLog::kMaxLines);
    EXPECT_TRUE(log->text().section('\n', 0, 0).endsWith("request 0  11 56"));
    EXPECT_FALSE(log->text().contains("11 52"));
}

} // namespace
} // namespace morvent
