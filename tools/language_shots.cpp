// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Renders the main window in one language after a Read Flash against the simulated controller:
// each page, the File and View menus, the Review Changes window with a change, and the plot.
// Chinese needs a CJK font (scripts/install-deps test installs one). Run it on a real or virtual
// display to see the window as a screen shows it:
//   xvfb-run -s '-screen 0 1280x720x24' language_shots /tmp/shots-de de
#include "Boxes.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "PictureFolder.h"
#include "SimulatedWindow.h"
#include "Translations.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

using namespace morvent;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = morvent::tools::pictureFolder(argc, argv, "/tmp/shots");
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (folder.isEmpty()) {
        return 1;
    }
    std::printf("catalogue in force: %s\n", qPrintable(useLanguage(language)));
    test::ProgramBoxes boxes;
    test::SimulatedWindow window(boxes);
    TForm1& form = *window.form;
    Form1Ui& ui = form.ui();
    (void)QTest::qWaitForWindowExposed(&form);
    if (!window.connect()) {
        return 1;
    }
    ui.BitBtn2->click();
    (void)QTest::qWaitFor([&] { return form.PendingRequest() == NothingAwaited; }, 8000);
    ui.edit(23)->setText(QStringLiteral("42"));
    const auto shot = [&](QWidget& widget, const QString& name) {
        QTest::qWait(200);
        widget.grab().save(folder + "/" + name + ".png");
    };
    const char* pages[] = {"basic", "pedal-assist", "throttle-handle", "torque"};
    for (int page = 0; page < 4; ++page) {
        ui.TabbedNotebook1->setCurrentIndex(page);
        shot(form, QStringLiteral("page-%1").arg(pages[page]));
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            folder + QStringLiteral("/screen-%1.png").arg(pages[page]));
    }
    for (QMenu* menu : {ui.File1, form.findChild<QMenu*>(QStringLiteral("View1"))}) {
        menu->popup(form.mapToGlobal(QPoint(10, 30)));
        shot(*menu, menu->objectName());
        menu->hide();
    }
    ui.ReviewChanges1->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("ReviewChanges")) {
            shot(*top, QStringLiteral("review-changes"));
        }
    }
    ui.PlotButton->click();
    ui.BitBtn12->click();
    shot(form.liveReadings().window(), QStringLiteral("plot"));
    std::printf("saved to %s\n", qPrintable(folder));
    return 0;
}
