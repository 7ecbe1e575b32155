// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Renders the main window as a screen shows it, against the simulated controller: each page as
// the window opens on this screen (and scrolled to its foot), the status bar in each state a
// technician must not miss, the tabs of pages not read since connecting, and the plot beside the
// window. Run it on a real or virtual display, at the screen size and scale to be looked at:
//   xvfb-run -s '-screen 0 1366x768x24' screen_shots /tmp/shots
#include "Boxes.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "PictureFolder.h"
#include "SimulatedWindow.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

using namespace morvent;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = morvent::tools::pictureFolder(argc, argv, "/tmp/shots");
    if (folder.isEmpty()) {
        return 1;
    }
    test::ProgramBoxes boxes;
    test::SimulatedWindow window(boxes);
    TForm1& form = *window.form;
    Form1Ui& ui = form.ui();
    (void)QTest::qWaitForWindowExposed(&form);
    QTest::qWait(500);
    const auto screen = [&](const QString& name) {
        QTest::qWait(150);
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + name + ".png");
    };
    const auto status = [&](const QString& name) {
        QTest::qWait(150);
        form.statusBar()->grab().save(folder + "/status-" + name + ".png");
    };
    std::printf("screen %dx%d, window %dx%d\n", QGuiApplication::primaryScreen()->size().width(),
                QGuiApplication::primaryScreen()->size().height(), form.width(), form.height());

    status("disconnected");
    if (!window.connect()) {
        return 1;
    }
    status("connected");
    screen("unread-tabs");
    ui.TabbedNotebook1->tabBar()->grab().save(folder + "/tabs-unread.png");
    const char* pages[] = {"basic", "pedal-assist", "throttle-handle", "torque"};
    for (int page = 0; page < 4; ++page) {
        ui.TabbedNotebook1->setCurrentIndex(page);
        // The page's fields scroll above its buttons; on a smaller screen still, the window.
        QScrollBar* fields =
            ui.TabbedNotebook1->currentWidget()->findChild<QScrollArea*>()->verticalScrollBar();
        for (QScrollBar* bar : {fields, ui.Scroll->verticalScrollBar()}) {
            bar->setValue(0);
        }
        screen(QStringLiteral("page-%1").arg(pages[page]));
        if (fields->maximum() > 0 || ui.Scroll->verticalScrollBar()->maximum() > 0) {
            for (QScrollBar* bar : {fields, ui.Scroll->verticalScrollBar()}) {
                bar->setValue(bar->maximum());
            }
            screen(QStringLiteral("page-%1-scrolled").arg(pages[page]));
        }
    }
    ui.File1->popup(form.mapToGlobal(QPoint(10, 30)));
    QTest::qWait(200);
    ui.File1->grab().save(folder + "/menu-file.png");
    ui.File1->hide();
    ui.BitBtn5->click();
    QTest::qWait(600);
    ui.TabbedNotebook1->tabBar()->grab().save(folder + "/tabs-basic-read.png");

    ui.BitBtn2->click();
    (void)QTest::qWaitFor([&] { return form.PendingRequest() == FlashReadChain; }, 2000);
    QTest::qWait(250);
    status("read-flash-step");
    ui.TabbedNotebook1->setCurrentIndex(1);
    emit ui.TabbedNotebook1->tabBarClicked(1);
    status("chain-ended-by-tab");
    QTest::qWait(500);

    ui.TabbedNotebook1->setCurrentIndex(3);
    ui.BitBtn13->click();
    QTest::qWait(1200);
    status("continuous-get");
    ui.PlotButton->click();
    QTest::qWait(800);
    screen("plot-beside");
    ui.BitBtn13->click();
    form.liveReadings().window().hide();

    ui.BitBtn11->click();
    status("closed");
    form.grab().save(folder + "/window-closed-greyed.png");
    (void)window.connect();
    window.sim.hangUp();
    QTest::qWait(500);
    status("connection-lost");
    form.grab().save(folder + "/window-connection-lost.png");
    std::printf("saved to %s\n", qPrintable(folder));
    return 0;
}
