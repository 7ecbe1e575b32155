// Renders the real main window against the simulated controller, connected and after a Read
// Flash, one PNG per page, for a person to look at:   form_shots /tmp/shots
#include "MessageBoxes.h"
#include "SimulatedController.h"
#include "Unit1.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

using namespace morvent;

namespace {
class PrintedBoxes final : public MessageBoxes {
public:
    void information(const QString& text) override { std::printf("info: %s\n", qPrintable(text)); }
    void plain(const QString& text) override { std::printf("plain: %s\n", qPrintable(text)); }
    void generalError(const QString& text) override {
        std::printf("error: %s\n", qPrintable(withFullStop(text)));
    }
};
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);

    SimulatedController sim;
    sim.start();
    PrintedBoxes boxes;
    TForm1::Options options;
    options.ports = [] { return std::vector<PortEntry>{}; };
    options.simulatedDevice = QString::fromStdString(sim.devicePath());
    TForm1 form(boxes, options);
    form.show();
    form.grab().save(folder + "/main-start.png");

    form.ui().BitBtn1->click();
    if (!QTest::qWaitFor([&] { return form.ui().BitBtn2->isEnabled(); }, 10000)) {
        std::printf("the simulated controller did not answer\n");
        return 1;
    }
    QTest::qWait(300);
    form.PendingRequest = FlashReadChain;
    form.SendReadCommand(0x52);
    QTest::qWait(1500);

    const char* names[] = {"basic", "pedal-assist", "throttle-handle", "torque"};
    for (int page = 0; page < 4; ++page) {
        form.ui().TabbedNotebook1->setCurrentIndex(page);
        QTest::qWait(50);
        form.grab().save(folder + "/main-" + names[page] + ".png");
    }
    std::printf("saved to %s\n", qPrintable(folder));
    return 0;
}
