// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LinuxSimulator.h"
#include "ProbeRateMemory.h"
#include "RateStore.h"

#include <windows.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace morvent::test;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// morvent-cli.exe as a Windows user runs it from a command prompt.
CliRun cli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(MORVENT_CLI), arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("did not end within a minute");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString shown(const CliRun& run) {
    return QStringLiteral("exit %1\nout: %2\nerr: %3").arg(run.exitCode).arg(run.out, run.err);
}

class WindowsCli : public testing::Test {
protected:
    void SetUp() override {
        if (const QString why = LinuxSimulator::unavailable(); !why.isEmpty()) {
            GTEST_SKIP() << why.toStdString();
        }
    }
    QTemporaryDir scratch;
};

TEST_F(WindowsCli, ReadsWritesAndComparesAControllerOnACOMPort) {
    LinuxSimulator sim;
    ASSERT_FALSE(sim.port().isEmpty()) << sim.error().toStdString();
    const QString port = sim.port();

    const CliRun info = cli({"info", "-p", port});
    EXPECT_EQ(info.exitCode, 0) << shown(info).toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("Manufacturer:KLMN")))
        << shown(info).toStdString();

    const QString read = scratch.filePath(QStringLiteral("bike.el"));
    const CliRun saved = cli({"read", "-p", port, "-o", read});
    ASSERT_EQ(saved.exitCode, 0) << shown(saved).toStdString();
    QFile file(read);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    EXPECT_TRUE(text.contains("[Basic]"));

    // A changed file written and read back: the controller holds it, and diff sees the change.
    const QString changed = scratch.filePath(QStringLiteral("changed.el"));
    QByteArray edited = text;
    edited.replace("\nLBP=42", "\nLBP=41");
    ASSERT_NE(edited, text) << "the saved file holds no LBP=42";
    QFile out(changed);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(edited);
    out.close();
    const CliRun written = cli({"write", "-p", port, "-i", changed});
    EXPECT_EQ(written.exitCode, 0) << shown(written).toStdString();
    const QString again = scratch.filePath(QStringLiteral("again.el"));
    EXPECT_EQ(cli({"read", "-p", port, "-o", again}).exitCode, 0);
    EXPECT_EQ(cli({"diff", changed, again}).exitCode, 0);
    const CliRun differs = cli({"diff", read, again});
    EXPECT_EQ(differs.exitCode, 1) << shown(differs).toStdString();
    EXPECT_TRUE(differs.out.contains(QStringLiteral("42 -> 41"))) << shown(differs).toStdString();
}

TEST_F(WindowsCli, EndsWithTheExitCodeOfWhatWentWrong) {
    LinuxSimulator silent({"--drop-all"});
    ASSERT_FALSE(silent.port().isEmpty()) << silent.error().toStdString();
    const struct {
        const char* what;
        QStringList arguments;
        int exitCode;
        const char* says;
    } rows[] = {
        {"no reply", {"info", "-p", silent.port(), "--timeout", "300"}, 4, ""},
        {"no such port", {"info", "-p", "COM249"}, 5, "COM249"},
        {"no command", {}, 2, "Usage"},
        {"a file that is not there", {"diff", "nothing-a.el", "nothing-b.el"}, 2, "nothing-a.el"},
    };
    for (const auto& row : rows) {
        const CliRun run = cli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.what << '\n' << shown(run).toStdString();
        EXPECT_TRUE((run.out + run.err).contains(QString::fromLatin1(row.says)))
            << row.what << '\n'
            << shown(run).toStdString();
    }
}

TEST_F(WindowsCli, TheBuiltInSimulatedControllerNeedsNoAdapter) {
    const CliRun run = cli({"info", "--simulate"});
    EXPECT_EQ(run.exitCode, 0) << shown(run).toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Model:PQRS"))) << shown(run).toStdString();

    // The readings recorded: the heading once, then one line each.
    const QString csv = scratch.filePath(QStringLiteral("readings.csv"));
    const CliRun watched =
        cli({"watch", "--simulate", "--interval", "20", "--count", "3", "--csv", csv});
    EXPECT_EQ(watched.exitCode, 0) << shown(watched).toStdString();
    QFile recorded(csv);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = recorded.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5) << shown(watched).toStdString();
    EXPECT_TRUE(lines[0].startsWith("time,") && !lines[1].startsWith("time,"));
}

// A rate learnt in one run is known to the next, from the user's own plain file only.
TEST(WindowsRateMemory, KeepsARateForTheNextRunInAFileOfItsOwn) {
    QStandardPaths::setTestModeEnabled(true);
    QDir folder(QString::fromStdString(morvent::ProbeRateMemory().folder()));
    folder.removeRecursively();
    morvent::ProbeRateMemory learnt;
    learnt.remember("COM7", 19200);
    learnt.save();
    EXPECT_EQ(morvent::ProbeRateMemory().rateOf("COM7"), 19200u);
    const std::wstring file =
        QDir::toNativeSeparators(folder.filePath(morvent::RateStore::kFileName)).toStdWString();
    ASSERT_TRUE(::CreateHardLinkW((file + L"2").c_str(), file.c_str(), nullptr));
    EXPECT_FALSE(morvent::ProbeRateMemory().rateOf("COM7")) << "read through a second link";
    folder.removeRecursively();
}

} // namespace
