#include "Commands.h"

#include "FieldStore.h"
#include "IniDocument.h"
#include "MessageBoxes.h"
#include "ParameterFile.h"
#include "ParameterTable.h"
#include "SimulatedController.h"
#include "Unit1.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace morvent {
namespace {

// One run of morvent-cli, in this process, with what it printed.
struct CliRun {
    Outcome outcome;
    std::string out;
    std::string err;
};

CliRun run(const QStringList& arguments) {
    char* outText = nullptr;
    char* errText = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    const Outcome outcome = runCommand(arguments, {out, err});
    std::fclose(out);
    std::fclose(err);
    CliRun result{outcome, std::string(outText, outSize), std::string(errText, errSize)};
    std::free(outText);
    std::free(errText);
    return result;
}

std::string fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

std::string keyOf(std::string_view control) {
    for (const ParameterRow& row : parameterRows()) {
        if (row.control == control) {
            return row.key;
        }
    }
    return {};
}

class Cli : public testing::Test {
protected:
    void SetUp() override { sim.start(); }
    QStringList with(const QStringList& arguments) const {
        return arguments + QStringList{"-p", QString::fromStdString(sim.devicePath())};
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    std::size_t writesOf(Command command) const {
        std::size_t count = 0;
        for (const ReceivedRequest& r : sim.receivedRequests()) {
            count +=
                r.request.kind == ControllerRequest::Kind::Write && r.request.command == command;
        }
        return count;
    }

    SimulatedController sim;
    QTemporaryDir folder;
};

TEST_F(Cli, InfoPrintsWhoTheControllerIs) {
    const CliRun result = run(with({"info"}));
    ASSERT_EQ(result.outcome, Outcome::Success) << result.err;
    EXPECT_EQ(result.out,
              "Manufacturer:KLMN\nModel:PQRS\nHarware Ver: V1.0\nFirmware Ver: V1.2.3.4\n"
              "Nominal Voltage: 48V\nMax.Current: 25A\n"
              "Firmware Ver:KLMN-PQRS FW1.2.3.4 48V25A\n");
    EXPECT_NE(result.err.find("Probing at 1200 baud"), std::string::npos);

    const CliRun json = run(with({"info", "--json"}));
    ASSERT_EQ(json.outcome, Outcome::Success);
    for (const char* part : {"\"manufacturer\": \"KLMN\"", "\"model\": \"PQRS\"",
                             "\"hardwareVersion\": \"1.0\"", "\"firmwareVersion\": \"1.2.3.4\"",
                             "\"nominalVoltage\": \"48V\"", "\"maxCurrent\": 25"}) {
        EXPECT_NE(json.out.find(part), std::string::npos) << part << "\n" << json.out;
    }
}

TEST_F(Cli, ReadWritesTheSameFileAsTheWindowsSaveAfterReadFlash) {
    // The window, connected to the same controller, reads everything and saves.
    class Quiet final : public MessageBoxes {
    public:
        void information(const QString&) override {}
        void plain(const QString&) override {}
        void generalError(const QString&) override {}
    } boxes;
    {
        TForm1::Options options;
        options.ports = [] { return std::vector<PortEntry>{}; };
        options.simulatedDevice = QString::fromStdString(sim.devicePath());
        options.backupsDirectory = path("backups");
        TForm1 form(boxes, options);
        form.show();
        form.ui().BitBtn1->click();
        // The firmware text comes last; a click before it would share its reply event.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return form.ui().Label9->text().contains("FW"); }, 10000));
        form.ui().BitBtn2->click();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return form.PendingRequest == NothingAwaited && form.ui().edit(96)->text() != "0";
            },
            10000));
        SaveParameterFile(form.fields(), path("window.el").toStdString());
    }
    const CliRun result = run(with({"read", "-o", path("cli.el")}));
    ASSERT_EQ(result.outcome, Outcome::Success) << result.err;
    EXPECT_EQ(fileText(path("cli.el")), fileText(path("window.el")));
}

TEST_F(Cli, WriteThenReadGivesBackTheFile) {
    ASSERT_EQ(run(with({"read", "-o", path("before.el")})).outcome, Outcome::Success);
    IniDocument document(fileText(path("before.el")));
    document.setValue("Basic", keyOf("Edit12"), "45");
    document.setValue("Torque", keyOf("Edit32"), "1234");
    QFile changed(path("changed.el"));
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly));
    changed.write(QByteArray::fromStdString(document.text()));
    changed.close();

    const CliRun write = run(with({"write", "-i", path("changed.el")}));
    ASSERT_EQ(write.outcome, Outcome::Success) << write.err << write.out;
    EXPECT_EQ(write.out, "Wrote " + path("changed.el").toStdString() + "\n");
    ASSERT_EQ(run(with({"read", "-o", path("after.el")})).outcome, Outcome::Success);
    EXPECT_EQ(fileText(path("after.el")), document.text());
}

TEST_F(Cli, ARefusedFieldStopsTheWriteWithItsMessage) {
    ASSERT_EQ(run(with({"read", "-o", path("set.el")})).outcome, Outcome::Success);
    sim.withModel([](ControllerModel& m) { m.refuseByte(Command::PedalAssist, 3); });
    const CliRun result = run(with({"write", "-i", path("set.el")}));
    EXPECT_EQ(result.outcome, Outcome::FieldRefused);
    EXPECT_NE(result.err.find("The Start Current setting error,Please reset. (Edit23)"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(writesOf(Command::Basic), 1u);
    EXPECT_EQ(writesOf(Command::PedalAssist), 1u);
    EXPECT_EQ(writesOf(Command::ThrottleHandle), 0u);
    EXPECT_EQ(writesOf(Command::Torque), 0u);
}

TEST_F(Cli, AFileFailingTheChecksIsRefusedBeforeAnythingIsWritten) {
    ASSERT_EQ(run(with({"read", "-o", path("set.el")})).outcome, Outcome::Success);
    struct Case {
        const char* section;
        const char* control;
        const char* value;
        const char* message;
    };
    for (const Case c :
         {Case{"Basic", "Edit22", "37", "The SpdMeter Signal is out of range,Please input again."},
          Case{"Basic", "Edit1", "26", "The Limited Current is out of range,Please input again."},
          Case{"Torque", "Edit44", "300", "The StartKgS0 is out of range,Please input again."}}) {
        IniDocument document(fileText(path("set.el")));
        document.setValue(c.section, keyOf(c.control), c.value);
        QFile bad(path("bad.el"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bad.write(QByteArray::fromStdString(document.text()));
        bad.close();
        const CliRun result = run(with({"write", "-i", path("bad.el")}));
        EXPECT_EQ(result.outcome, Outcome::InvalidInput) << c.control;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(writesOf(Command::Basic), 0u);

    const CliRun missing = run(with({"write", "-i", path("missing.el")}));
    EXPECT_EQ(missing.outcome, Outcome::InvalidInput);
    EXPECT_NE(missing.err.find("Unable to read " + path("missing.el").toStdString()),
              std::string::npos);
}

TEST_F(Cli, ASilentControllerEndsWithTheNoReplyCodeAfterTheTimeout) {
    sim.withModel([](ControllerModel& m) { m.setRepliesDropped(Command::Basic, true); });
    const auto start = std::chrono::steady_clock::now();
    const CliRun result = run(with({"read", "-o", path("x.el"), "--timeout", "300"}));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.outcome, Outcome::NoReply);
    EXPECT_NE(result.err.find("No reply from the controller to the Basic read request within "
                              "300 ms."),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(QFile::exists(path("x.el")));
    // Probing and the firmware text take well under two seconds; the read waits 300 ms.
    EXPECT_LT(took, std::chrono::seconds(5));

    sim.withModel([](ControllerModel& m) { m.setDropAllReplies(true); });
    EXPECT_EQ(run(with({"info"})).outcome, Outcome::NoReply);
}

TEST_F(Cli, AReplyWithoutItsPayloadEndsWithTheNoReplyCode) {
    for (const auto& [code, arguments] :
         {std::pair{Command::Identity, QStringList{"info", "--json"}},
          std::pair{Command::Basic, QStringList{"read", "-o", path("x.el")}}}) {
        sim.withModel([code](ControllerModel& m) { m.setRepliesEmptied(code, true); });
        const CliRun result = run(with(arguments));
        EXPECT_EQ(result.outcome, Outcome::NoReply) << result.err;
        EXPECT_EQ(result.out, "");
        sim.withModel([code](ControllerModel& m) { m.setRepliesEmptied(code, false); });
    }
}

TEST_F(Cli, WatchPrintsAndRecordsOneLinePerReading) {
    const CliRun result =
        run(with({"watch", "--count", "3", "--interval", "100", "--csv", path("live.csv")}));
    ASSERT_EQ(result.outcome, Outcome::Success) << result.err;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 3);
    EXPECT_NE(result.out.find("SpeedSignalACC="), std::string::npos);
    const std::string csv = fileText(path("live.csv"));
    EXPECT_EQ(csv.rfind("time,SpeedSignalACC,SpeedSigLevel,LevelHTime(ms),LevelLTime(ms),"
                        "TqVoltate(mV)\n",
                        0),
              0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
}

TEST(CliArguments, AreCheckedBeforeAnyPortIsTouched) {
    struct Case {
        QStringList arguments;
        Outcome outcome;
    };
    for (const Case& c :
         {Case{{}, Outcome::InvalidInput}, Case{{"frobnicate"}, Outcome::InvalidInput},
          Case{{"info"}, Outcome::InvalidInput},
          Case{{"read", "--simulate"}, Outcome::InvalidInput},
          Case{{"write", "--simulate"}, Outcome::InvalidInput},
          Case{{"info", "--simulate", "--timeout", "soon"}, Outcome::InvalidInput},
          Case{{"watch", "--simulate", "--count", "-1"}, Outcome::InvalidInput},
          Case{{"info", "--bogus"}, Outcome::InvalidInput}, Case{{"--help"}, Outcome::Success},
          Case{{"write", "--help"}, Outcome::Success}, Case{{"--version"}, Outcome::Success},
          Case{{"ports"}, Outcome::Success}}) {
        EXPECT_EQ(run(c.arguments).outcome, c.outcome) << c.arguments.join(' ').toStdString();
    }
    const CliRun missingPort = run({"info", "-p", "/dev/morvent-no-such-port"});
    EXPECT_EQ(missingPort.outcome, Outcome::PortUnavailable);
    EXPECT_NE(missingPort.err.find("No such device"), std::string::npos) << missingPort.err;
}

TEST(CliSimulate, RunsAgainstTheBuiltInController) {
    const CliRun result = run({"info", "--simulate"});
    EXPECT_EQ(result.outcome, Outcome::Success) << result.err;
    EXPECT_NE(result.out.find("Model:PQRS"), std::string::npos);
}

} // namespace
} // namespace morvent
