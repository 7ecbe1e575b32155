// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockCodec.h"
#include "Boxes.h"
#include "LineTiming.h"
#include "SimulatedWindow.h"
#include "TestTiming.h"
#include "TrafficDescription.h"
#include "TrafficLog.h"
#include "Wait.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace morvent::test {

// Names each row of a table-driven test after its `name`.
inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

// The real main window offscreen against the simulated controller, its backups and settings in
// a scratch folder; the ports beyond the simulated one, the opened web addresses and the files
// the window would ask for (to compare with, to load as a backup, to record to) are the test's.
// Both go by the test's line timing (lineTimingOfThisTest).
class Form1Test : public testing::Test {
public:
    Form1Test()
        : window(boxes, [this](TForm1::Options& o) {
              o.timing = timing;
              o.ports = [this] { return extraPorts; };
              o.openUrl = [this](const QUrl& url) { openedUrls.push_back(url); };
              o.chooseComparisonFile = o.chooseBackupFile = [this](const QString& folder) {
                  offeredFolders.push_back(folder);
                  return chosenFile;
              };
              o.chooseRecordingFile = [this] { return recordingFile; };
              o.askReportNote = [this] { return reportNote; };
              o.chooseReportFile = [this] { return reportFile; };
              o.fillReportSettings = [this](QDialog& d) { return fillSettings && fillSettings(d); };
              o.choosePrinter = [this](QPrinter& printer) {
                  printer.setOutputFileName(reportFile);
                  return true;
              };
              options = o;
          }) {
        // The controller answers the first rate probed, so a connect takes one probe; probing on
        // through the list is the probing table's to show.
        sim.withModel([this](ControllerModel& m) {
            m.setListenBaud(kProbeRates[0]);
            m.setToolTiming(timing);
        });
    }

    QString scratchFile(const QString& name) const { return window.scratch.filePath(name); }

    template <typename T = QWidget> T* find(const char* name) const {
        auto* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QString caption(const char* label) const { return find<QLabel>(label)->text(); }
    void setText(const char* control, const QString& text) {
        find<QLineEdit>(control)->setText(text);
    }
    QTabWidget* notebook() const { return form->ui().TabbedNotebook1; }
    static int enabledCount(const QList<QPushButton*>& buttons) {
        return static_cast<int>(std::count_if(buttons.begin(), buttons.end(),
                                              [](const QPushButton* b) { return b->isEnabled(); }));
    }

    void connectController() {
        ASSERT_TRUE(window.connect());
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
    void awaitReply() {
        ASSERT_TRUE(waitFor([this] { return form->PendingRequest() == NothingAwaited; }));
    }
    // Every text a reply can write, to show that one changed nothing.
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
    // How many lines of the traffic log show exactly these bytes, sent or received. A frame is
    // logged as the window sends it and a reply before the window acts on it, so once a reply is
    // logged, whatever its handling sent is logged too.
    qsizetype logged(const Bytes& bytes) const {
        const QRegularExpression line(
            QRegularExpression::escape(QString::fromStdString("  " + hexBytes(bytes))) + "$",
            QRegularExpression::MultilineOption);
        return form->trafficLog()->text().count(line);
    }
    // The payload the window would send for a block now, and the one the controller holds.
    Bytes shown(Block block) { return buildPayload(block, form->fields()); }
    Bytes image(Block block) const {
        return sim.withModel(
            [block](const ControllerModel& m) { return m.image(layout(block).command); });
    }
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

    const LineTiming timing = lineTimingOfThisTest();
    RecordedBoxes boxes;
    std::vector<PortEntry> extraPorts;
    std::vector<QUrl> openedUrls;
    QString chosenFile;
    std::vector<QString> offeredFolders;
    QString recordingFile;
    std::optional<QString> reportNote;
    QString reportFile;
    std::function<bool(QDialog&)> fillSettings;
    TForm1::Options options;
    SimulatedWindow window;
    SimulatedController& sim = window.sim;
    std::unique_ptr<TForm1>& form = window.form;
};

} // namespace morvent::test
