// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Renders what the tool keeps for the user, against the simulated controller, for a person to
// look at:   keeping_shots /tmp/shots
// - plot-pedal-push.png: the live plot while a rider presses the pedals, Continuous Get running;
// - compare-<page>.png and compare-status.png: the main window compared with a file in which
//   several values differ.
#include "BackupKeeper.h"
#include "Boxes.h"
#include "ComparisonMarks.h"
#include "IniDocument.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "Offscreen.h"
#include "ParameterFile.h"
#include "PictureFolder.h"
#include "SimulatedWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace morvent;

using morvent::test::ProgramBoxes;
using morvent::test::SimulatedWindow;

namespace {

bool writeText(const QString& path, const std::string& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
}
} // namespace

int main(int argc, char** argv) {
    morvent::test::drawOffscreenUnlessAsked();
    QApplication app(argc, argv);
    const QString folder = morvent::tools::pictureFolder(argc, argv, "/tmp/shots");
    if (folder.isEmpty()) {
        return 1;
    }
    // Seconds of pedalling to show; the plot holds the last minute.
    const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 30;
    QTemporaryDir scratch;
    const QString shopFile = scratch.filePath(QStringLiteral("shop-default.el"));

    ProgramBoxes boxes(true);
    SimulatedWindow window(boxes, [&](TForm1::Options& options) {
        options.chooseComparisonFile = [&](const QString&) { return shopFile; };
        options.chooseRecordingFile = [&] { return scratch.filePath(QStringLiteral("pedal.csv")); };
    });
    SimulatedController& sim = window.sim;
    TForm1& form = *window.form;
    if (!window.connect()) {
        return 1;
    }
    form.ui().BitBtn2->click();
    if (!QTest::qWaitFor([&] { return boxes.informationCount > 0; }, 10000)) {
        std::printf("Read Flash did not finish\n");
        return 1;
    }

    // The plot: the window opened from the Torque page, a push of the pedals during Continuous
    // Get, the shot taken as the push fades.
    form.ui().TabbedNotebook1->setCurrentIndex(Form1Ui::TorquePage);
    form.ui().PlotButton->click();
    LiveReadingsWindow& plot = form.liveReadings().window();
    plot.RecordButton->click();
    form.ui().BitBtn13->click();
    QTest::qWait(3000);
    sim.withModel([&](ControllerModel& m) {
        m.startPedalPush(
            PedalPush{std::chrono::seconds(seconds - 6), 1700, std::chrono::milliseconds(1400)});
    });
    QTest::qWait(seconds * 1000);
    plot.grab().save(folder + "/plot-pedal-push.png");
    plot.PauseButton->click();
    QTest::qWait(1200);
    plot.grab().save(folder + "/plot-paused.png");
    form.ui().BitBtn13->click();
    form.grab().save(folder + "/main-torque.png");

    // The comparison: the shop's file holds other values in several fields of every page,
    // lists included, one of them with nothing selected.
    SaveParameterFile(form.fields(), QFile::encodeName(shopFile).toStdString(),
                      form.backups().replacedFiles());
    QFile saved(shopFile);
    if (!saved.open(QIODevice::ReadOnly)) {
        std::printf("cannot read %s\n", qPrintable(shopFile));
        return 1;
    }
    IniDocument shop(saved.readAll().toStdString());
    saved.close();
    shop.setValue("Basic", "LC", "20");
    shop.setValue("Basic", "ALC3", "55");
    shop.setValue("Basic", "ALBP7", "80");
    shop.setValue("Basic", "WD", "13");
    shop.setValue("Basic", "SMM", "-1");
    shop.setValue("Pedal Assist", "SC", "40");
    shop.setValue("Pedal Assist", "SL", "3");
    shop.setValue(
        "Throttle Handle", "MODE",
        std::to_string((form.ui().ComboBox11->currentIndex() + 1) % form.ui().ComboBox11->count()));
    shop.setValue("Torque", "BV", "800");
    shop.setValue("Torque", "SS40", "6");
    shop.setValue("Torque", "MAS60", "95");
    shop.setValue("Torque", "MAS80", "95");
    if (!writeText(shopFile, shop.text())) {
        std::printf("cannot write %s\n", qPrintable(shopFile));
        return 1;
    }
    form.ui().File1->grab().save(folder + "/menu-file.png");
    form.ui().CompareWithFile1->trigger();
    QTest::qWait(100);
    std::printf("marked: %s\n", qPrintable(form.comparison().markedControls().join(' ')));
    const char* names[] = {"basic", "pedal-assist", "throttle-handle", "torque"};
    for (int page = 0; page < 4; ++page) {
        form.ui().TabbedNotebook1->setCurrentIndex(page);
        QTest::qWait(50);
        form.grab().save(folder + "/compare-" + names[page] + ".png");
    }
    form.statusBar()->grab().save(folder + "/compare-status.png");

    // An edit clears its field's mark and the count follows.
    form.ui().TabbedNotebook1->setCurrentIndex(Form1Ui::BasicPage);
    form.ui().edit(1)->setText(QStringLiteral("20"));
    QTest::qWait(50);
    form.grab().save(folder + "/compare-after-edit.png");
    std::printf("saved to %s\n", qPrintable(folder));
    return 0;
}
