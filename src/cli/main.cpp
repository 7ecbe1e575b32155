#include "ArgumentText.h"
#include "Commands.h"
#include "SignalUndo.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    // Taken as the bytes they are, before the application object may rearrange them.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(morvent::argumentText(argv[i]));
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("morvent-cli"));
    morvent::installSignalUndo();
    return static_cast<int>(morvent::runCommand(arguments, {}));
}
