// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "AboutBox.h"
#include "Form1Ui.h"
#include "Offscreen.h"
#include "PictureFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>

#include <cstdio>

namespace {

// A caption that changes its height is laid out level by level, one posted request each.
void settle() {
    for (int i = 0; i < 8; ++i) {
        QApplication::processEvents();
    }
}

} // namespace

// Saves the main window with each page in front, and the About box, as PNG files in the folder
// given (default /tmp/shots), for checking the layouts by eye.
int main(int argc, char** argv) {
    morvent::test::drawOffscreenUnlessAsked();
    QApplication app(argc, argv);
    const QString folder = morvent::tools::pictureFolder(argc, argv, "/tmp/shots");
    if (folder.isEmpty()) {
        return 1;
    }

    QMainWindow window;
    morvent::Form1Ui ui;
    ui.setupUi(&window);
    // As the window looks once shown, with the lists it fills then.
    ui.ComboBox4->addItems(morvent::Form1Ui::wheelSizeItems());
    ui.ComboBox4->setCurrentIndex(-1);
    ui.ComboBox5->addItems(morvent::Form1Ui::speedMeterItems());
    ui.ComboBox5->setCurrentIndex(-1);
    window.show();

    bool ok = true;
    const char* const names[] = {"basic", "pedal-assist", "throttle-handle", "torque"};
    for (int page = 0; page < 4; ++page) {
        ui.TabbedNotebook1->setCurrentIndex(page);
        settle();
        const QString path =
            folder + QStringLiteral("/form1-%1.png").arg(QLatin1String(names[page]));
        ok = window.grab().save(path) && ok;
        std::printf("%s\n", qPrintable(path));
    }

    // The identity group as a controller fills it, with a firmware text longer than the panel.
    ui.Label6->setText(QStringLiteral("Manufacturer:KLMN"));
    ui.Label7->setText(QStringLiteral("Model:PQRS"));
    ui.Label8->setText(QStringLiteral("Harware Ver: V1.0"));
    ui.Label9->setText(QStringLiteral("Firmware Ver:FW-2.31 build 0042 for 36V/48V hub motors"));
    ui.Label10->setText(QStringLiteral("Nominal Voltage: 48V"));
    ui.Label11->setText(QStringLiteral("Max.Current: 25A"));
    ui.TabbedNotebook1->setCurrentIndex(morvent::Form1Ui::BasicPage);
    settle();
    const QString identityPath = folder + QStringLiteral("/form1-identity.png");
    ok = window.grab().save(identityPath) && ok;
    std::printf("%s\n", qPrintable(identityPath));

    morvent::TForm3 about;
    about.show();
    settle();
    const QString aboutPath = folder + QStringLiteral("/form3-about.png");
    ok = about.grab().save(aboutPath) && ok;
    std::printf("%s\n", qPrintable(aboutPath));
    return ok ? 0 : 1;
}
