#include "Commands.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("morvent-cli"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return static_cast<int>(morvent::runCommand(arguments, {}));
}
