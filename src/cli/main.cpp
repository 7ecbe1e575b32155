#include "Commands.h"
#include "SignalUndo.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    // An interrupted run puts the port's own settings back and lets other users open it.
    morvent::installSignalUndo();
    try {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("morvent-cli"));
        QStringList arguments = QCoreApplication::arguments();
        arguments.removeFirst();
        return static_cast<int>(morvent::runCommand(arguments, {}));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "morvent-cli: %s\n", error.what());
    } catch (...) {
        std::fputs("morvent-cli: an unknown error ended the run.\n", stderr);
    }
    return static_cast<int>(morvent::Outcome::Failure);
}
