// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Boxes.h"
#include "LinuxSimulator.h"
#include "StatusReporter.h"
#include "Unit1.h"
#include "Wait.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace morvent;
using namespace morvent::test;

namespace {

// The window as a technician on Windows meets it: the adapter is a COM port in the Port list, the
// Win32 serial component drives it, and behind it is a controller (the simulator, which answers
// the first rate probed).
class WindowsWindow : public testing::Test {
protected:
    void SetUp() override {
        if (const QString why = LinuxSimulator::unavailable(); !why.isEmpty()) {
            GTEST_SKIP() << why.toStdString();
        }
        sim = std::make_unique<LinuxSimulator>(QStringList{"--listen-baud", "1200"});
        ASSERT_FALSE(sim->port().isEmpty()) << sim->error().toStdString();
        TForm1::Options options;
        const QString port = sim->port();
        options.ports = [port] { return std::vector<PortEntry>{{port, port, QString()}}; };
        options.backupsDirectory = scratch.filePath(QStringLiteral("backups"));
        options.settingsFile = scratch.filePath(QStringLiteral("settings.ini"));
        form = std::make_unique<TForm1>(boxes, options);
        form->show();
    }
    void TearDown() override { form.reset(); }

    QPushButton* button(const char* name) {
        return form->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // Clicks and waits for the information box that ends what the click started.
    QString answerTo(const char* name) {
        boxes.shown.clear();
        button(name)->click();
        waitFor([&] { return !boxes.shown.empty(); });
        return boxes.shown.empty() ? QString() : boxes.shown.back();
    }

    RecordedBoxes boxes;
    QTemporaryDir scratch;
    std::unique_ptr<LinuxSimulator> sim;
    std::unique_ptr<TForm1> form;
};

TEST_F(WindowsWindow, ConnectsReadsWritesAndAsksBeforeLosingWhatWasTyped) {
    button("BitBtn1")->click();
    // Connected once the firmware text asked for after the identity is in, too.
    ASSERT_TRUE(waitFor([&] {
        return button("BitBtn2")->isEnabled() && form->status()->awaitingText().isEmpty();
    })) << "no identity from "
        << sim->port().toStdString();
    EXPECT_TRUE(form->findChild<QLabel*>(QStringLiteral("Label9"))->isEnabled());

    EXPECT_EQ(answerTo("BitBtn2"), QStringLiteral("info: Read Flash successfully."));
    auto* limitedCurrent = form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    ASSERT_NE(limitedCurrent, nullptr);
    const QString held = limitedCurrent->text();
    const QString typed = QString::number(held.toInt() - 1);
    limitedCurrent->setText(typed);
    EXPECT_EQ(answerTo("BitBtn4"), QStringLiteral("info: Basic Set successfully."));
    limitedCurrent->setText(held);
    button("BitBtn5")->click();
    EXPECT_TRUE(waitFor([&] { return limitedCurrent->text() == typed; }))
        << "the controller keeps what was written";

    // A value typed and not written: closing asks, and "Stay" keeps the window and the value.
    limitedCurrent->setText(held);
    boxes.shown.clear();
    boxes.goAhead = false;
    form->close();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].startsWith(QStringLiteral("question: 1 change not written")))
        << boxes.shown[0].toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(limitedCurrent->text(), held);
}

} // namespace
