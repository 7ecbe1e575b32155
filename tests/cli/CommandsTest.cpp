#include "Commands.h"

#include "ArgumentText.h"
#include "ComparisonMarks.h"
#include "FieldStore.h"
#include "IniDocument.h"
#include "LoadWindow.h"
#include "MessageBoxes.h"
#include "ParameterFile.h"
#include "ParameterTable.h"
#include "Boxes.h"
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
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>

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
    // Names are bytes: neither the file's nor the port's need be UTF-8.
    const std::string changed = path("changed").toStdString() + "\xFF.el";
    std::ofstream(changed, std::ios::binary) << document.text();
    const std::string port = path("tty").toStdString() + "\xFE";
    std::filesystem::create_symlink(sim.devicePath(), port);

    const CliRun write = run({"write", "-i", argumentText(changed), "-p", argumentText(port)});
    ASSERT_EQ(write.outcome, Outcome::Success) << write.err << write.out;
    EXPECT_EQ(write.out, "Wrote " + changed + "\n");
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

// Each bad file through the window's Load and through write: the window refuses what is no
// parameter file and marks the fields a file did not give; write sends nothing of either.
TEST_F(Cli, ABadFileIsRefusedOrMarkedByTheWindowAndNeverWritten) {
    ASSERT_EQ(run(with({"read", "-o", path("set.el")})).outcome, Outcome::Success);
    const std::string good = fileText(path("set.el"));
    const auto changed = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), text.find('\n', text.find(from)) + 1 - text.find(from), to);
        return text;
    };
    std::string utf16 = "\xFF\xFE";
    for (const char c : good) {
        utf16 += {c, '\0'};
    }
    struct Case {
        const char* name;
        std::optional<std::string> text; // none: the file is set up below
        std::string message;             // in write's errors; the window's box when it refuses
        bool refused;                    // by the window; else it loads and marks fields
        QString note = {};               // then says so
        int marked = 0;
        const char* firstMarked = nullptr;
    };
    const std::string bad = path("bad.el").toStdString();
    const std::vector<Case> cases{
        {"not a parameter file", "hello world\n",
         bad + " is not a parameter file: it has none of the sections [Basic], [Pedal Assist], "
               "[Throttle Handle] and [Torque]",
         true},
        {"UTF-16", utf16, bad + " is not a parameter file: it is UTF-16", true},
        {"1 GiB, sparse", {}, "Unable to read " + bad + ". At more than 1 MiB it is not", true},
        {"missing", {}, "Unable to read " + bad, true},
        {"a directory", {}, "Unable to read " + bad, true},
        {"value not a number", changed("SS0=", "SS0=garbage\r\n"),
         "SS0=garbage on line 59 is not a whole number", false,
         "1 field was not in bad.el: set to 0", 1, "Edit44"},
        {"key missing", changed("LC=", ""), "LC is missing from [Basic] on line 1", false,
         "1 field was not in bad.el: set to 0", 1, "Edit1"},
        {"section missing", good.substr(0, good.find("[Torque]")), "[Torque] is missing", false,
         "60 fields were not in bad.el: set to 0", 60, "Edit32"},
        {"choice outside its list", changed("WD=", "WD=99\r\n"),
         "WD=99 on line 24 is no item of its list", false},
        {"speed meter signal out of range", changed("SMS=", "SMS=37\r\n"),
         "The SpdMeter Signal is out of range,Please input again.", false},
        {"limited current out of range", changed("LC=", "LC=26\r\n"),
         "The Limited Current is out of range,Please input again.", false},
        {"torque start out of range", changed("SS0=", "SS0=300\r\n"),
         "The StartKgS0 is out of range,Please input again.", false},
    };
    test::RecordedBoxes boxes;
    TForm1::Options options;
    options.ports = [] { return std::vector<PortEntry>{}; };
    options.backupsDirectory = path("backups");
    TForm1 form(boxes, options);
    TForm5& load = *form.Form5();
    load.setDirectory(folder.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(bad);
        if (c.text) {
            std::ofstream(bad, std::ios::binary) << *c.text;
        } else if (c.name == std::string("1 GiB, sparse")) {
            std::ofstream(bad, std::ios::binary).close();
            std::filesystem::resize_file(bad, std::uintmax_t{1} << 30);
        } else if (c.name == std::string("a directory")) {
            std::filesystem::create_directory(bad);
        }
        const std::size_t requestsBefore = sim.receivedRequests().size();
        const CliRun result = run(with({"write", "-i", path("bad.el")}));
        EXPECT_EQ(result.outcome, Outcome::InvalidInput);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        for (const Block block : kAllBlocks) {
            EXPECT_EQ(writesOf(layout(block).command), 0u);
        }
        // A file is checked before the first frame; the controller is needed for the ranges.
        const bool rangeCheck = c.message.ends_with("Please input again.");
        EXPECT_EQ(sim.receivedRequests().size() == requestsBefore, !rangeCheck);

        form.ui().edit(1)->setText("5");
        form.ui().edit(44)->setText("6");
        boxes.shown.clear();
        load.show();
        load.Edit1->setText("bad.el");
        load.BitBtn1->click();
        EXPECT_EQ(load.isVisible(), c.refused);
        if (c.refused) {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_TRUE(boxes.shown[0].startsWith(QString::fromStdString("error: " + c.message)))
                << boxes.shown[0].toStdString();
            EXPECT_EQ(form.ui().edit(1)->text() + form.ui().edit(44)->text(), "56");
            continue;
        }
        EXPECT_TRUE(boxes.shown.empty());
        const QStringList marked = form.comparison().markedControls();
        EXPECT_EQ(form.findChild<QLabel*>("ComparisonNote")->text(), c.note);
        ASSERT_EQ(marked.size(), c.marked);
        if (c.firstMarked) {
            EXPECT_EQ(marked[0], c.firstMarked);
        }
    }
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
        // Nothing of the identity: under --json only the refusal.
        EXPECT_EQ(result.out.find("manufacturer"), std::string::npos) << result.out;
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

    // A file that takes nothing, and a pipe nobody reads: refused before connecting.
    ASSERT_EQ(::mkfifo(path("fifo").toStdString().c_str(), 0600), 0);
    for (const QString& target : {QStringLiteral("/dev/full"), path("fifo")}) {
        const CliRun failed = run(with({"watch", "--count", "1", "--csv", target}));
        EXPECT_EQ(failed.outcome, Outcome::InvalidInput);
        EXPECT_EQ(
            failed.err.rfind("morvent-cli watch: Unable to write to " + target.toStdString(), 0),
            0u)
            << failed.err;
    }
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
