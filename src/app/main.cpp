// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Application.h"
#include "MessageBoxes.h"
#include "ProjectInfo.h"
#include "SimulatedController.h"
#include "Translations.h"
#include "Unit1.h"
#include "WindowEnding.h"
#include "WindowPlacement.h"

#include <QCommandLineParser>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

using namespace morvent;

namespace {

QtMessageHandler g_defaultHandler = nullptr;
QStringList g_heldBack;

// While the window system is reached, what Qt says is held back: when none can be reached (no
// display, or one that does not answer) one line says what to do instead of Qt's abort, and
// otherwise what was held back is said after all.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        g_heldBack.append(qFormatLogMessage(type, context, message));
        return;
    }
    if (message.contains(QLatin1String("platform plugin"))) {
        std::fputs("morvent: no display to show the window on (DISPLAY or WAYLAND_DISPLAY is "
                   "unset or cannot be reached); use morvent-cli instead, or set "
                   "QT_QPA_PLATFORM=offscreen to run without one\n",
                   stderr);
        std::_Exit(2);
    }
    g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    // The command line is read before the application object exists, so that --help and
    // --version answer on a terminal without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configuration and diagnostics for electric-bicycle motor controllers."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Run a simulated controller in this process and list it first in the "
                       "Port list, for trying the tool without a controller."));
    parser.addOptions({help, version, simulate});
    // The options Qt itself takes from a window program's command line (-platform offscreen,
    // -style fusion, -reverse...): known here too, so that the program starts with them rather
    // than refuse them. Single-dash words are whole options, as Qt spells its own.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* withValue :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "style", "stylesheet",
          "session", "qwindowgeometry", "qwindowicon", "qwindowtitle", "display", "geometry"}) {
        QCommandLineOption qtOption(QString::fromLatin1(withValue), QString(), QStringLiteral("x"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* flag : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtOption(QString::fromLatin1(flag));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "morvent: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QStringLiteral("morvent"))),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("morvent %s\n%s", PROJECT_VERSION, kLicenceNotice);
        return 0;
    }

    QtMessageBoxes boxes;
    g_defaultHandler = qInstallMessageHandler(startupMessages);
    Application app(argc, argv, boxes);
    qInstallMessageHandler(g_defaultHandler);
    for (const QString& line : std::as_const(g_heldBack)) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    // No display name: the window system would add it to every window's title. The boxes that
    // carry the application's title set it themselves.
    QApplication::setApplicationName(QStringLiteral("morvent"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QApplication::setWindowIcon(applicationIcon());
    // The language chosen in View > Language, else the system's; a choice counts from the next
    // start, as every caption is made when the window is.
    useLanguage(QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName())
                    .value(QLatin1String(kLanguageSetting.data(), kLanguageSetting.size()))
                    .toString());

    TForm1::Options options;
    std::unique_ptr<SimulatedController> simulator;
    if (parser.isSet(simulate)) {
        simulator = std::make_unique<SimulatedController>();
        simulator->start();
        options.simulatedDevice = QString::fromStdString(simulator->devicePath());
    }

    TForm1 form(boxes, options);
    // SIGTERM or SIGHUP (a logout, kill), and on Windows the end of the session (a logout, a
    // shutdown), end the program as closing the window does, so the port is not left in raw mode
    // and held, and what was typed is kept.
    const WindowEnding ending(form);
    form.show();
    return QApplication::exec();
}
