// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Commands.h"
#include "SignalUndo.h"
#include "StandardStreams.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

int main(int argc, char* argv[]) {
    // An interrupted run (SIGINT, SIGTERM, SIGHUP; Ctrl+C, Ctrl+Break, a closed console) puts
    // the port's own settings back, lets other users open it, and removes a half-written
    // parameter file.
    morvent::installSignalUndo();
    morvent::prepareStandardStreams();
    try {
        // Taken as the bytes they are, before the application object may rearrange them.
        const QStringList arguments = morvent::commandArguments(argc, argv);
        // A report lays out text, which needs fonts and so a GUI application; it draws on no
        // screen. The other commands stay without one.
        const bool report = argc > 1 && std::strcmp(argv[1], "report") == 0;
        if (report) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        const std::unique_ptr<QCoreApplication> app =
            report ? std::make_unique<QGuiApplication>(argc, argv)
                   : std::make_unique<QCoreApplication>(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("morvent-cli"));
        return static_cast<int>(morvent::runCommand(arguments, {}));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "morvent-cli: %s\n", error.what());
    } catch (...) {
        std::fputs("morvent-cli: an unknown error ended the run.\n", stderr);
    }
    return static_cast<int>(morvent::Outcome::Failure);
}
