#include "Application.h"
#include "MessageBoxes.h"
#include "SimulatedController.h"
#include "Unit1.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>

using namespace morvent;

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
        std::printf("morvent %s\n", PROJECT_VERSION);
        return 0;
    }

    QtMessageBoxes boxes;
    Application app(argc, argv, boxes);
    QApplication::setApplicationName(QStringLiteral("morvent"));
    QApplication::setApplicationDisplayName(kApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    TForm1::Options options;
    std::unique_ptr<SimulatedController> simulator;
    if (parser.isSet(simulate)) {
        simulator = std::make_unique<SimulatedController>();
        simulator->start();
        options.simulatedDevice = QString::fromStdString(simulator->devicePath());
    }

    TForm1 form(boxes, options);
    form.show();
    return QApplication::exec();
}
