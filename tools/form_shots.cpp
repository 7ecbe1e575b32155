// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Renders the real main window against the simulated controller, connected and after a Read
// Flash, one PNG per page, for a person to look at:   form_shots /tmp/shots
#include "Boxes.h"
#include "Offscreen.h"
#include "PictureFolder.h"
#include "SimulatedWindow.h"
#include "TrafficLog.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <cstdio>

using namespace morvent;
using morvent::test::ProgramBoxes;
using morvent::test::SimulatedWindow;

int main(int argc, char** argv) {
    morvent::test::drawOffscreenUnlessAsked();
    QApplication app(argc, argv);
    const QString folder = morvent::tools::pictureFolder(argc, argv, "/tmp/shots");
    if (folder.isEmpty()) {
        return 1;
    }

    ProgramBoxes boxes(true);
    SimulatedWindow window(boxes);
    SimulatedController& sim = window.sim;
    TForm1& form = *window.form;
    form.grab().save(folder + "/main-start.png");

    auto statusShot = [&](const char* name) {
        form.statusBar()->grab().save(folder + "/status-" + name + ".png");
    };
    statusShot("disconnected");
    form.trafficLog()->show();

    form.ui().BitBtn1->click();
    statusShot("probing");
    if (!QTest::qWaitFor([&] { return form.ui().BitBtn2->isEnabled(); }, 10000)) {
        std::printf("the simulated controller did not answer\n");
        return 1;
    }
    QTest::qWait(300);
    statusShot("connected");
    form.ui().BitBtn2->click();
    statusShot("read-flash");
    QTest::qWait(1500);
    form.trafficLog()->grab().save(folder + "/traffic-log.png");
    sim.withModel([](ControllerModel& m) { m.dropNextReplies(1); });
    form.ui().BitBtn5->click();
    QTest::qWait(1700);
    statusShot("no-reply");

    const char* names[] = {"basic", "pedal-assist", "throttle-handle", "torque"};
    for (int page = 0; page < 4; ++page) {
        form.ui().TabbedNotebook1->setCurrentIndex(page);
        QTest::qWait(50);
        form.grab().save(folder + "/main-" + names[page] + ".png");
    }
    // A field's help as pointing at it shows it, and the File menu with its comparisons after
    // the page and the controller were compared.
    QToolTip::showText(form.ui().edit(23)->mapToGlobal(QPoint(10, 10)),
                       form.ui().edit(23)->toolTip(), form.ui().edit(23));
    QTest::qWait(100);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) {
            top->grab().save(folder + "/tooltip-start-current.png");
        }
    }
    QToolTip::hideText();
    form.ui().TabbedNotebook1->setCurrentIndex(1);
    form.ui().edit(23)->setText("55");
    emit form.ui().File1->aboutToShow();
    form.ui().CompareWithController1->trigger();
    QTest::qWait(1500);
    form.grab().save(folder + "/main-compared-with-controller.png");
    form.ui().File1->popup(form.mapToGlobal(QPoint(10, 30)));
    QTest::qWait(100);
    form.ui().File1->grab().save(folder + "/menu-file.png");
    form.ui().File1->hide();

    sim.hangUp();
    QTest::qWait(300);
    statusShot("connection-lost");
    form.grab().save(folder + "/main-connection-lost.png");
    std::printf("saved to %s\n", qPrintable(folder));
    return 0;
}
