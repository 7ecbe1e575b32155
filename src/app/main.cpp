#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("morvent"));
    QApplication::setApplicationDisplayName(QStringLiteral("Controller System"));

    QMainWindow window;
    window.setObjectName(QStringLiteral("Form1"));
    window.setWindowTitle(QStringLiteral("Controller System"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
