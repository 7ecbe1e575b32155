#pragma once

#include "BlockCodec.h"
#include "MessageBoxes.h"
#include "Boxes.h"
#include "SimulatedController.h"
#include "Unit1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace morvent::test {

// The real main window, offscreen, with the simulated controller as its only port.
class Form1Test : public testing::Test {
protected:
    void SetUp() override {
        sim.start();
        TForm1::Options options;
        options.ports = [this] { return extraPorts; };
        options.simulatedDevice = QString::fromStdString(sim.devicePath());
        options.openUrl = [this](const QUrl& url) { openedUrls.push_back(url); };
        form = std::make_unique<TForm1>(boxes, options);
        form->show();
    }
    void TearDown() override {
        form.reset();
        sim.stop();
    }

    template <typename T = QWidget> T* find(const char* name) const {
        auto* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QString caption(const char* label) const { return find<QLabel>(label)->text(); }

    bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000) {
        return QTest::qWaitFor(done, timeoutMs);
    }
    void connectController() {
        button("BitBtn1")->click();
        ASSERT_TRUE(waitFor([this] { return button("BitBtn2")->isEnabled(); }));
        ASSERT_TRUE(waitFor([this] {
            return caption("Label9").startsWith("Firmware Ver:") &&
                   !caption("Label9").startsWith("Firmware Ver: V");
        }));
        boxes.shown.clear();
    }
    // Runs Read Flash to its end and forgets the box that ends it.
    void readFlash() {
        boxes.shown.clear();
        button("BitBtn2")->click();
        ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
        ASSERT_EQ(boxes.shown, std::vector<QString>{"info: Read Flash successfully."});
        boxes.shown.clear();
    }
    // Every text the codecs can write, to show that a reply changed nothing.
    std::vector<QString> snapshot() const {
        std::vector<QString> all;
        for (int n = 1; n <= 96; ++n) {
            all.push_back(form->ui().edit(n)->text());
        }
        for (int n = 3; n <= 13; ++n) {
            const auto* combo = find<QComboBox>(("ComboBox" + std::to_string(n)).c_str());
            all.push_back(combo->currentText() + "#" + QString::number(combo->currentIndex()));
        }
        for (int n = 6; n <= 11; ++n) {
            all.push_back(caption(("Label" + std::to_string(n)).c_str()));
        }
        return all;
    }
    // The payload the window would send for a block now.
    Bytes shown(Block block) { return buildPayload(block, form->fields()); }
    std::size_t requests(Command command) const { return sim.requestCount(command); }
    // The payloads of the block's write frames the controller received, oldest first.
    std::vector<Bytes> writes(Command block) const {
        std::vector<Bytes> payloads;
        for (const ReceivedRequest& r : sim.receivedRequests()) {
            if (r.request.kind == ControllerRequest::Kind::Write && r.request.command == block) {
                payloads.push_back(r.request.payload);
            }
        }
        return payloads;
    }

    SimulatedController sim;
    RecordedBoxes boxes;
    std::vector<PortEntry> extraPorts;
    std::vector<QUrl> openedUrls;
    std::unique_ptr<TForm1> form;
};

} // namespace morvent::test
