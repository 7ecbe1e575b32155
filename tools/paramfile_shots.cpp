// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LoadWindow.h"
#include "Offscreen.h"
#include "PictureFolder.h"
#include "SaveWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>

#include <cstdio>

namespace {

// The directory tree reads directories in the background; a moment lets it show them.
void settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 500) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

bool shoot(QWidget& window, const QString& path) {
    window.show();
    settle();
    const bool ok = window.grab().save(path);
    std::printf("%s\n", qPrintable(path));
    return ok;
}

} // namespace

// Saves the Save and Load windows, in a directory holding a few parameter files, as PNG files
// in the folder given (default /tmp/shots-paramfile), for checking the layouts by eye.
int main(int argc, char** argv) {
    morvent::test::drawOffscreenUnlessAsked();
    QApplication app(argc, argv);
    const QString folder = morvent::tools::pictureFolder(argc, argv, "/tmp/shots-paramfile");
    QTemporaryDir sample;
    if (folder.isEmpty() || !sample.isValid()) {
        return 1;
    }
    const QDir root(sample.path());
    for (const char* sub : {"archive", "customers", "workshop"}) {
        root.mkpath(QLatin1String(sub));
    }
    for (const char* file : {"city-36V.el", "mountain-48V.el", "trekking-48V.el", "readme.txt",
                             "customers/lindqvist.el"}) {
        QFile f(root.filePath(QLatin1String(file)));
        f.open(QIODevice::WriteOnly);
    }

    bool ok = true;
    morvent::TForm4 save;
    save.setDirectory(root.path());
    save.Edit1->setText(QStringLiteral("trekking-48V.el"));
    ok = shoot(save, folder + QStringLiteral("/form4-save.png")) && ok;

    morvent::TForm5 load;
    load.setDirectory(root.filePath(QStringLiteral("customers")));
    load.Edit1->setText(QStringLiteral("lindqvist.el"));
    ok = shoot(load, folder + QStringLiteral("/form5-load.png")) && ok;
    return ok ? 0 : 1;
}
