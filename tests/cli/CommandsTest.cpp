// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Commands.h"

#include "ArgumentText.h"
#include "BackupKeeper.h"
#include "Boxes.h"
#include "Children.h"
#include "ComparisonMarks.h"
#include "ControllerModel.h"
#include "FieldStore.h"
#include "FileSystem.h"
#include "IniDocument.h"
#include "LineTiming.h"
#include "LoadWindow.h"
#include "ParameterFile.h"
#include "ParameterTable.h"
#include "PdfText.h"
#include "ProbeRateMemory.h"
#include "ReplacedFiles.h"
#include "Report.h"
#include "ShownParameters.h"
#include "SimulatedController.h"
#include "SimulatedWindow.h"
#include "TestTiming.h"
#include "Wait.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace morvent {
namespace {

// One run of morvent-cli, in this process, with what it printed.
struct CliRun {
    Outcome outcome;
    std::string out;
    std::string err;
};

std::string drained(std::FILE* stream) {
    std::string text(static_cast<std::size_t>(std::max(0L, std::ftell(stream))), '\0');
    std::rewind(stream);
    text.resize(std::fread(text.data(), 1, text.size(), stream));
    std::fclose(stream);
    return text;
}

// Its results go to `out` (a temporary file unless given); the line goes by the test's timing.
CliRun run(const QStringList& arguments, std::FILE* out = std::tmpfile()) {
    std::FILE* err = std::tmpfile();
    const Outcome outcome = runCommand(arguments, {out, err, {}, test::lineTimingOfThisTest()});
    return {outcome, drained(out), drained(err)};
}

std::string fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// What a run sent after its last connect request, a request each: R or W and the code, in hex.
std::string sentAfterConnect(const SimulatedController& sim) {
    std::string sent;
    for (const ReceivedRequest& r : sim.receivedRequests()) {
        const bool write = r.request.kind == ControllerRequest::Kind::Write;
        sent = r.request.kind == ControllerRequest::Kind::Connect
                   ? ""
                   : sent + (write ? "W" : "R") +
                         QByteArray(1, char(code(r.request.command))).toHex().toStdString() + " ";
    }
    return sent;
}

QStringList on(const SimulatedController& sim) {
    return {"-p", QString::fromStdString(sim.devicePath())};
}

std::size_t writesTo(const SimulatedController& sim) {
    std::size_t count = 0;
    for (const ReceivedRequest& r : sim.receivedRequests()) {
        count += r.request.kind == ControllerRequest::Kind::Write;
    }
    return count;
}

// An environment variable set for one test, put back afterwards.
struct Setting {
    Setting(const char* n, const QByteArray& value) : name(n), before(qgetenv(n)) {
        qputenv(n, value);
    }
    ~Setting() { before.isNull() ? qunsetenv(name) : qputenv(name, before); }
    const char* name;
    QByteArray before;
};

class Cli : public testing::Test {
protected:
    // What a save replaces goes to the backups in the test's own folder, not the user's.
    Cli() { qputenv("XDG_DATA_HOME", folder.filePath("data").toLocal8Bit()); }
    // QDir cannot remove names that are not UTF-8.
    ~Cli() override { std::filesystem::remove_all(folder.path().toStdString()); }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QTemporaryDir folder;
};

// How each command ends, checked before the port where it can be: the exit code, the words that
// say why, and how many blocks reached the controller.
TEST_F(Cli, EveryCommandEndsWithTheExitCodeOfHowItWent) {
    {
        SimulatedController sim;
        sim.start();
        ASSERT_EQ(run(QStringList{"read", "-o", path("set.el")} + on(sim)).outcome,
                  Outcome::Success);
    }
    // A value that is no number and an index naming no item of its list.
    {
        QString text = QString::fromStdString(fileText(path("set.el")));
        text.replace(QRegularExpression("\\nSMM=\\d+"), "\nSMM=77");
        text.replace(QRegularExpression("\\nSC=\\d+"), "\nSC=abc");
        QFile bad(path("bad.el"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write(text.toUtf8());
    }
    const QString csv = path("live.csv");
    const QString fifo = path("fifo");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    std::filesystem::create_symlink("gone/r.pdf", path("dangling.pdf").toStdString());
    std::filesystem::create_symlink(path("set.el").toStdString(), path("set.pdf").toStdString());
    std::filesystem::create_symlink("/dev/null", path("null.html").toStdString());
    std::filesystem::create_directory(path("dir.pdf").toStdString());
    // Given a fault, a command runs against a simulated controller with it.
    using Fault = std::function<void(ControllerModel&)>;
    using enum Command;
    const Fault none;
    const Fault healthy = [](ControllerModel&) {};
    const Fault silent = [](ControllerModel& m) { m.setDropAllReplies(true); };
    const Fault noBasic = [](ControllerModel& m) { m.setRepliesDropped(Basic, true); };
    const Fault emptyBasic = [](ControllerModel& m) { m.setRepliesEmptied(Basic, true); };
    const Fault emptyIdentity = [](ControllerModel& m) { m.setRepliesEmptied(Identity, true); };
    const Fault refusing = [](ControllerModel& m) { m.refuseByte(PedalAssist, 3); };
    const Fault foreign = [](ControllerModel& m) { m.setIdentityCode(Basic); };
    // A reply that stops short is not taken for whole, however long the tool waits for the rest.
    const Fault splitBasic = [](ControllerModel& m) { m.setSplit(Basic, 10); };
    using enum Outcome;
    const struct {
        QStringList arguments;
        Fault fault;
        Outcome outcome;
        QString says;
        std::size_t writes = 0;
    } cases[] = {
        {{}, none, InvalidInput, "Usage: morvent-cli COMMAND"},
        {{"frobnicate"}, none, InvalidInput, "unknown command 'frobnicate'"},
        {{"info"}, none, InvalidInput, "Name the port with -p PORT"},
        {{"read", "--simulate"}, none, InvalidInput, "with -o FILE.el"},
        {{"write", "--simulate"}, none, InvalidInput, "with -i FILE.el"},
        {{"info", "--simulate", "--timeout", "soon"}, none, InvalidInput, "--timeout"},
        {{"watch", "--simulate", "--count", "-1"}, none, InvalidInput, "--count"},
        {{"watch", "--simulate", "--count", "1", "--interval", "0"}, none, InvalidInput, "--count"},
        {{"watch", "--simulate", "--count", "x", "--csv", "/dev/full"}, none, InvalidInput, "--co"},
        {{"info", "-p", ""}, none, InvalidInput, "Name the port with -p PORT"},
        {{"info", "--bogus"}, none, InvalidInput, "bogus"},
        {{"info", "--simulate", "extra"}, none, InvalidInput, "unexpected 'extra'"},
        {{"--help"}, none, Success, "Exit codes: 0 "},
        {{"write", "--help"}, none, Success, "--no-verify"},
        {{"--version"}, none, Success, "morvent-cli "},
        {{"info", "--simulate"}, none, Success, "Model:"},
        {{"watch", "--count", "3", "--interval", "150", "--csv", csv}, healthy, Success, "mV\n"},
        {{"info", "-p", "/dev/morvent-no-such-port"}, none, PortUnavailable, "No such device"},
        {QStringList{"info", "-p", "/dev/null"}, none, PortUnavailable,
         "File handle is not a comm handle. /dev/null is not a serial port"},
        // A CSV file that takes nothing (a full disk, an error of the system), refused at the
        // first reading, and a pipe nobody reads, refused before connecting.
        {QStringList{"watch", "--csv", "/dev/full"}, healthy, Failure,
         "Unable to write to /dev/full: No space left on device"},
        {{"watch", "--csv", fifo}, healthy, InvalidInput, "Unable to write to " + fifo},
        {{"read", "-o", path("x.el"), "--timeout", "300"}, noBasic, NoReply, "within 300 ms."},
        {{"info"}, silent, NoReply, "No controller answered"},
        {{"info"}, foreign, NoReply, "No controller answered"},
        // A reply without its payload is no identity, not an identity of zeros.
        {{"info", "--json"}, emptyIdentity, NoReply, "\"exitCode\":4"},
        {{"info"}, emptyIdentity, NoReply, "identity reply: wrong length"},
        {{"read", "-o", path("x.el")}, emptyBasic, NoReply, "Unexpected reply to the Basic read"},
        {{"read", "-o", path("x.el")}, splitBasic, NoReply, "Unexpected reply to the Basic read"},
        {QStringList{"info", "-p", "all", "-p", "/dev/morvent-no-such-port"}, none, PortUnavailable,
         "/dev/morvent-no-such-port: morvent-cli info: Error opening serial port. No such device"},
        // A report that cannot be written is refused before the controller is read.
        {{"report"}, healthy, InvalidInput, "Name the report to write with -o FILE.pdf"},
        {{"report", "-o", path("r.el")}, healthy, InvalidInput, "name the report FILE.pdf or"},
        {QStringList{"report", "-o", path("dangling.pdf")}, healthy, InvalidInput,
         "link to gone/r.pdf, which"},
        // A target that is no file to replace is named for what it is, before anything is read.
        {{"read", "-o", path("dir.pdf")}, healthy, InvalidInput, "dir.pdf: it is a folder."},
        {{"read", "-o", fifo}, healthy, InvalidInput, fifo + ": it is a FIFO."},
        {{"watch", "--csv", path("dir.pdf")}, healthy, InvalidInput, "pdf: it is a folder."},
        {{"report", "-o", path("null.html")}, healthy, InvalidInput, "html: it is a device."},
        {{"report", "-o", path("dir.pdf")}, healthy, InvalidInput, "dir.pdf: it is a folder."},
        {{"report", "-o", path("set.pdf")}, healthy, InvalidInput, "pdf: it is a parameter file"},
        {QStringList{"write", "-i", path("bad.el")}, healthy, InvalidInput,
         "Basic page, field Speed Meter Model (key SMM): SMM=77 on line 25 is no item of its list"},
        {QStringList{"write", "-i", path("bad.el")}, healthy, InvalidInput,
         "Throttle Handle page, field Start Current(%) (key SC): SC=abc on line 45 is not a whole "
         "number"},
        // The write stops at the refused block.
        {QStringList{"write", "-i", path("set.el")}, refusing, FieldRefused,
         "Pedal Assist page, field Start Current(%) (key SC): The Start Current setting "
         "error,Please reset. (Edit23)",
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        SimulatedController sim;
        QStringList arguments = c.arguments;
        if (c.fault) {
            sim.start();
            sim.withModel([&c](ControllerModel& m) {
                m.setToolTiming(test::lineTimingOfThisTest());
                c.fault(m);
            });
            arguments += on(sim);
        }
        const CliRun result = run(arguments);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_TRUE(QString::fromStdString(result.out + result.err).contains(c.says))
            << result.out << result.err;
        EXPECT_EQ(writesTo(sim), c.writes);
        EXPECT_TRUE((c.arguments.value(0) != "report" && c.outcome != InvalidInput) ||
                    sim.receivedRequests().empty());
        EXPECT_FALSE(QFile::exists(path("x.el")));
    }
    EXPECT_TRUE(fileText(path("set.el")).starts_with("[Basic]"));
    // A header and a line for each reading, the readings at their interval however quick.
    const QStringList lines = QString::fromStdString(fileText(csv)).split('\n');
    ASSERT_EQ(lines.size(), 5) << fileText(csv);
    const auto time = [&](int i) {
        return QDateTime::fromString(lines[i].section(',', 0, 0), Qt::ISODateWithMs);
    };
    // Each line is stamped when its reply is whole, so two intervals of 150 ms can show short by
    // as much as two replies' latencies differ; a watch that did not wait shows two exchanges.
    EXPECT_GE(time(1).msecsTo(time(3)), 200) << fileText(csv);
    // The system's ports, one a line: each a device there is, its description after a tab.
    const CliRun ports = run({"ports"});
    EXPECT_EQ(ports.outcome, Outcome::Success);
    EXPECT_EQ(ports.err, "");
    for (const QString& line : QString::fromStdString(ports.out).split('\n', Qt::SkipEmptyParts)) {
        EXPECT_TRUE(QFile::exists("/dev/" + line.section('\t', 0, 0))) << line.toStdString();
    }
}

// A run that ends before its first result leaves the file it names as it was; one that saves
// over a file keeps what the file held in the backups' replaced/ folder and says where.
TEST_F(Cli, NoRunLosesAFileItNames) {
    const std::string before = "time,old reading\n";
    const QString csv = path("kept.csv"), el = path("kept.el"), none = path("none/new.csv");
    const QString kept = folder.filePath("data/morvent/backups/replaced/kept.el-");
    using enum Outcome;
    // Without a port named, a controller that never answers.
    const std::tuple<QStringList, Outcome, QString> cases[] = {
        {{"watch", "--csv", csv, "-p", "/dev/morvent-no-such-port"}, PortUnavailable, "device"},
        {{"watch", "--csv", csv, "--timeout", "200"}, NoReply, "No controller answered"},
        {{"watch", "--csv", none, "--simulate"}, InvalidInput, none + ": No such file"},
        {{"read", "-o", el, "--simulate"}, Success, "What it held is kept in " + kept},
    };
    for (const auto& [arguments, outcome, says] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        std::ofstream(csv.toStdString()) << before;
        std::ofstream(el.toStdString()) << before;
        SimulatedController sim;
        if (!arguments.contains("-p") && !arguments.contains("--simulate")) {
            sim.start();
            sim.withModel([](ControllerModel& m) { m.setDropAllReplies(true); });
        }
        const CliRun result = run(arguments + (sim.devicePath().empty() ? QStringList() : on(sim)));
        EXPECT_EQ(result.outcome, outcome);
        EXPECT_TRUE(QString::fromStdString(result.out + result.err).contains(says)) << result.err;
        EXPECT_EQ(fileText(csv), before);
        EXPECT_EQ(fileText(el) != before, outcome == Success);
    }
    const QDir replaced(QFileInfo(kept).path());
    const QDir copies(replaced.filePath(replaced.entryList({"kept.el-*"}, QDir::Dirs).value(0)));
    EXPECT_EQ(fileText(copies.filePath(copies.entryList({"*.el"}, QDir::Files).value(0))), before);

    // Another run saves the file while this one reads the controller (and waits for the save's
    // lock): the file keeps the other run's values, this run's go beside them, and its exit code
    // and lines say so.
    SimulatedController slow;
    slow.start();
    const std::string copiesFolder =
        ReplacedFiles(QFileInfo(kept).path().toStdString()).folderFor(el.toStdString());
    std::filesystem::create_directories(copiesFolder);
    auto other = std::make_unique<FileLock>(copiesFolder + "/" + ReplacedFiles::kLockName);
    auto reading = std::async(std::launch::async, [&] {
        { QEventLoop dispatcher; } // the port's notifier needs the thread's event dispatcher
        return run(QStringList{"read", "-o", el} + on(slow));
    });
    ASSERT_TRUE(test::waitFor([&] {
        return slow.withModel(
            [](const ControllerModel& m) { return m.requestCount(Command::Basic); });
    }));
    const std::string theirs = "[Basic]\r\nLC=7\r\n";
    std::ofstream(el.toStdString(), std::ios::binary) << theirs;
    other.reset();
    const CliRun late = reading.get();
    EXPECT_EQ(late.outcome, Outcome::KeptAside) << late.err;
    EXPECT_EQ(fileText(el), theirs);
    const std::string aside = "This run's values are kept in ";
    const std::size_t at = late.out.find(aside) + aside.size();
    ASSERT_GE(at, aside.size()) << late.out;
    EXPECT_NE(fileText(QString::fromStdString(late.out.substr(at, late.out.find('\n', at) - at)))
                  .find("SS0="),
              std::string::npos)
        << late.out;
}

// Sixteen controllers at once, each listening at its own rate and telling its own firmware text,
// one of them silent: each port's result is its own controller's, the silent one fails alone and
// its exit code ends the run. Run again, each port is probed first at the rate that answered.
// With the line's own waits, as the tests of the shared machine below and the report's.
using RealTimingCli = Cli;

TEST_F(RealTimingCli, ManyControllersAtOnceEachGetItsOwnSession) {
    // The rates are kept in the cache folder: this test's own.
    const Setting cacheHere("XDG_CACHE_HOME", folder.path().toLocal8Bit());
    constexpr int kCount = 16;
    std::vector<std::unique_ptr<SimulatedController>> sims;
    QStringList arguments{"info", "--json"};
    for (int i = 0; i < kCount; ++i) {
        auto& sim = *sims.emplace_back(std::make_unique<SimulatedController>());
        sim.start();
        sim.withModel([i](ControllerModel& m) {
            m.setListenBaud(kListenRates[static_cast<std::size_t>(i) % kListenRates.size()]);
            m.setFirmwareText("bike " + std::to_string(i));
            m.setDropAllReplies(i == kCount - 1);
        });
        arguments += on(sim);
    }
    for (const bool again : {false, true}) {
        SCOPED_TRACE(again ? "rates known" : "rates probed");
        const CliRun result = run(arguments);
        EXPECT_EQ(result.outcome, Outcome::NoReply);
        EXPECT_NE(result.err.find("15 of 16 controllers succeeded."), std::string::npos);
        const QStringList lines =
            QString::fromStdString(result.out).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), kCount) << result.out;
        for (int i = 0; i < kCount; ++i) {
            const std::string port = sims[static_cast<std::size_t>(i)]->devicePath();
            const auto rate = sims[static_cast<std::size_t>(i)]->withModel(
                [](const ControllerModel& m) { return m.listenBaud(); });
            QJsonObject object;
            for (const QString& line : lines) {
                const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
                object = o["port"].toString().toStdString() == port ? o : object;
            }
            if (i == kCount - 1) {
                EXPECT_EQ(object["exitCode"].toInt(), int(Outcome::NoReply)) << port;
                continue;
            }
            EXPECT_EQ(object["firmwareText"].toString().toStdString(), "bike " + std::to_string(i));
            const std::string firstProbe = port + ": Probing at ";
            const std::size_t from = result.err.find(firstProbe) + firstProbe.size();
            EXPECT_EQ(result.err.substr(from, result.err.find(' ', from) - from),
                      std::to_string(again ? rate : kProbeRates[0]))
                << port;
        }
    }
}

// A run over several ports that a signal ends says how many controllers it served, and ends as
// the signal ends a program.
TEST_F(RealTimingCli, ASignalEndingARunOverManyPortsLeavesItsSummary) {
    SimulatedController quick;
    SimulatedController stalled;
    quick.start();
    stalled.start();
    // Connected, and waiting for a reply that never comes: however slowly the quick one is
    // read, this one has not finished when the signal comes (one that never answers would give
    // up probing after a round of the rates).
    stalled.withModel([](ControllerModel& m) { m.setRepliesDropped(Command::Basic, true); });
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(::strsignal(signal));
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", path("data"));
        environment.insert("XDG_CACHE_HOME", path("cache"));
        cli.setProcessEnvironment(environment);
        test::resetSignalsOnStart(cli);
        cli.start(MORVENT_CLI_EXECUTABLE,
                  QStringList{"read", "-o", path("s.el"), "--timeout", "600000"} + on(quick) +
                      on(stalled));
        const std::size_t asked = stalled.requestCount(Command::Basic);
        QByteArray out;
        // The quick one's values saved, the stalled one connected and waiting.
        ASSERT_TRUE(test::waitFor([&] {
            out += cli.readAllStandardOutput();
            return out.contains("Saved") && stalled.requestCount(Command::Basic) > asked;
        })) << out.toStdString();
        ::kill(static_cast<pid_t>(cli.processId()), signal);
        ASSERT_TRUE(cli.waitForFinished(10000));
        EXPECT_EQ(cli.exitStatus(), QProcess::CrashExit);
        const QByteArray err = cli.readAllStandardError();
        EXPECT_TRUE(
            err.contains("Ended by a signal: 1 of 2 controllers succeeded; 1 had not finished.\n"))
            << err.toStdString();
    }
}

// A watch of so many readings ends with the last of them, not an interval later.
TEST_F(Cli, AWatchEndsWithItsLastReading) {
    QProcess cli;
    test::resetSignalsOnStart(cli);
    cli.start(MORVENT_CLI_EXECUTABLE,
              {"watch", "--simulate", "--count", "1", "--interval", "600000"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_TRUE(cli.exitCode() == 0 && cli.readAllStandardOutput().count("mV") == 1);
}

// The window, connected to the same controller, shows and saves what info and read give.
TEST_F(Cli, InfoReadAndWriteAgreeWithTheWindowAndTheController) {
    test::RecordedBoxes boxes;
    test::SimulatedWindow window(boxes);
    ASSERT_TRUE(window.connect());
    TForm1& form = *window.form;
    form.ui().BitBtn2->click();
    ASSERT_TRUE(test::waitFor([&] {
        return form.PendingRequest() == NothingAwaited && form.ui().edit(96)->text() != "0";
    }));
    SaveParameterFile(form.fields(), path("window.el").toStdString(),
                      form.backups().replacedFiles());
    QStringList shown;
    for (const QLabel* label : {form.ui().Label6, form.ui().Label7, form.ui().Label8,
                                form.ui().Label10, form.ui().Label11, form.ui().Label9}) {
        shown << label->text();
    }
    // The window lets go of the port.
    window.form.reset();

    const CliRun read = run(QStringList{"read", "-o", path("cli.el")} + on(window.sim));
    ASSERT_EQ(read.outcome, Outcome::Success) << read.err;
    EXPECT_EQ(fileText(path("cli.el")), fileText(path("window.el")));
    // The four blocks, not the live readings that end the window's Read Flash.
    EXPECT_EQ(sentAfterConnect(window.sim), "R50 R52 R53 R54 R55 ");

    // The identity's version line, which the firmware text replaces in the window, aside.
    const CliRun info = run(QStringList{"info"} + on(window.sim));
    ASSERT_EQ(info.outcome, Outcome::Success) << info.err;
    QStringList lines = QString::fromStdString(info.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    lines.removeAt(3);
    EXPECT_EQ(lines, shown);
    // The same facts as JSON.
    const CliRun json = run(QStringList{"info", "--json"} + on(window.sim));
    ASSERT_EQ(json.outcome, Outcome::Success) << json.err;
    const QJsonObject identity =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    ASSERT_FALSE(identity.isEmpty()) << json.out;
    for (const QJsonValue value : identity) {
        EXPECT_TRUE(QString::fromStdString(info.out).contains(value.toVariant().toString()))
            << value.toVariant().toString().toStdString();
    }

    // What write sends, read gives back; neither the file's name nor the port's need be UTF-8,
    // and a name that is (one whose character takes two UTF-16 units) is kept as typed.
    IniDocument document(fileText(path("cli.el")));
    for (const char* control : {"Edit12", "Edit32"}) {
        const Parameter& definition = *parameter(control);
        document.setValue(definition.section(), definition.key, "45");
    }
    const std::string changed = path("changed").toStdString() + "\x80\xFF.el";
    std::ofstream(changed, std::ios::binary) << document.text();
    const std::string port = path("tty").toStdString() + "\xFE";
    std::filesystem::create_symlink(window.sim.devicePath(), port);
    const CliRun write = run({"write", "-i", argumentText(changed), "-p", argumentText(port)});
    ASSERT_EQ(write.outcome, Outcome::Success) << write.err << write.out;
    EXPECT_EQ(write.out, "Wrote " + path("changed").toStdString() + "?\xFF.el\n"); // C1 as '?'
    EXPECT_EQ(sentAfterConnect(window.sim), "R50 W52 W53 W54 W55 R52 R53 R54 R55 ");
    EXPECT_TRUE(write.err.ends_with(
        "Writing the Basic block\nWriting the Pedal Assist block\nWriting the Throttle Handle "
        "block\nWriting the Torque block\nReading the Basic block\nReading the Pedal Assist "
        "block\nReading the Throttle Handle block\nReading the Torque block\n"))
        << write.err;
    ASSERT_EQ(run(QStringList{"read", "-o", path("after\U0001F480.el")} + on(window.sim)).outcome,
              Outcome::Success);
    EXPECT_EQ(fileText(path("after\U0001F480.el")), document.text());
}

// Each bad file through the window's Load and through write: the window refuses what is no
// parameter file and marks the fields a file did not give; write sends nothing of either.
TEST_F(Cli, ABadFileIsRefusedOrMarkedByTheWindowAndNeverWritten) {
    test::RecordedBoxes boxes;
    test::SimulatedWindow window(boxes);
    ASSERT_EQ(run(QStringList{"read", "-o", path("set.el")} + on(window.sim)).outcome,
              Outcome::Success);
    const std::string good = fileText(path("set.el"));
    const std::string bad = path("bad.el").toStdString();
    using Make = std::function<void()>;
    const auto text = [&bad](const std::string& content) -> Make {
        return [&bad, content] { std::ofstream(bad, std::ios::binary) << content; };
    };
    const auto changed = [&](const std::string& from, const std::string& to) {
        std::string content = good;
        const std::size_t at = content.find(from);
        return text(content.replace(at, content.find('\n', at) + 1 - at, to));
    };
    std::string utf16 = "\xFF\xFE";
    for (const char c : good) {
        utf16 += {c, '\0'};
    }
    const struct {
        const char* name;
        Make make;
        std::string message; // in write's errors; the window's box when it refuses
        QString note = {};   // null: the window refuses the file; else what it says it marked
        int marked = 0;
        const char* firstMarked = nullptr;
    } cases[] = {
        {"not a parameter file", text("hello world\n"),
         bad + " is not a parameter file: it has none of the sections [Basic], [Pedal Assist], "
               "[Throttle Handle] and [Torque]"},
        {"UTF-16", text(utf16), bad + " is not a parameter file: it is UTF-16"},
        {"1 GiB, sparse",
         [&] {
             text("")();
             std::filesystem::resize_file(bad, 1ULL << 30);
         },
         "Unable to read " + bad + ". At more than 1 MiB it is not"},
        {"missing", [] {}, "Unable to read " + bad},
        {"a directory", [&bad] { std::filesystem::create_directory(bad); },
         "Unable to read " + bad},
        {"value not a number", changed("SS0=", "SS0=garbage\r\n"),
         "SS0=garbage on line 59 is not a whole number", "1 field was not in bad.el: set to 0", 1,
         "Edit44"},
        {"key missing", changed("LC=", ""), "LC is missing from [Basic] on line 1",
         "1 field was not in bad.el: set to 0", 1, "Edit1"},
        {"section missing", text(good.substr(0, good.find("[Torque]"))), "[Torque] is missing",
         "60 fields were not in bad.el: set to 0", 60, "Edit32"},
        // Each missing place is named, not only the first.
        {"a key and a section missing",
         [&] {
             std::string content = good.substr(0, good.find("[Torque]"));
             const std::size_t at = content.find("LC=");
             text(content.erase(at, content.find('\n', at) + 1 - at))();
         },
         "LC is missing from [Basic] on line 1\n  [Torque] is missing",
         "61 fields were not in bad.el: set to 0", 61, "Edit1"},
        {"choice outside its list", changed("WD=", "WD=-1\r\n"),
         "Basic page, field Wheel Diameler(Inch) (key WD): WD=-1 on line 24 is no item of its "
         "list (0 to 15)",
         "", 0},
        {"limited current out of range", changed("LC=", "LC=26\r\n"),
         "Basic page, field Limited Current(A) (key LC): The Limited Current is out of "
         "range,Please input again.",
         "", 0},
        {"torque start out of range", changed("SS0=", "SS0=300\r\n"),
         "The StartKgS0 is out of range,Please input again.", "", 0},
    };
    TForm1& form = *window.form;
    TForm5& load = *form.Form5();
    load.setDirectory(folder.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(bad);
        c.make();
        const std::size_t requestsBefore = window.sim.receivedRequests().size();
        const CliRun result = run(QStringList{"write", "-i", path("bad.el")} + on(window.sim));
        EXPECT_EQ(result.outcome, Outcome::InvalidInput);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(writesTo(window.sim), 0u);
        // A file is checked before the first frame; the controller is needed for the ranges.
        const bool rangeCheck = c.message.ends_with("Please input again.");
        EXPECT_EQ(window.sim.receivedRequests().size() == requestsBefore, !rangeCheck);

        const bool refused = c.note.isNull();
        form.ui().edit(1)->setText("5");
        boxes.shown.clear();
        load.show();
        load.Edit1->setText("bad.el");
        load.BitBtn1->click();
        EXPECT_EQ(load.isVisible(), refused);
        if (refused) {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_TRUE(boxes.shown[0].startsWith(QString::fromStdString("error: " + c.message)))
                << boxes.shown[0].toStdString();
            EXPECT_EQ(form.ui().edit(1)->text(), "5");
            continue;
        }
        EXPECT_TRUE(boxes.shown.empty());
        const QStringList marked = form.comparison().markedControls();
        EXPECT_EQ(form.findChild<QLabel*>("ComparisonNote")->text(), c.note);
        EXPECT_EQ(marked.size(), c.marked);
        EXPECT_EQ(marked.value(0), QString(c.firstMarked));
    }
}

namespace fs = std::filesystem;

// The tool on a shared workshop PC: names as raw bytes in this test's folder.
class RealTimingSharedMachine : public Cli {
protected:
    std::string at(const std::string& name) const {
        return folder.path().toStdString() + "/" + name;
    }
};

// The probe-rate memory in a cache folder others can plant things in (or that root reaches
// through a user's HOME): only the user's own regular file is read or replaced, nothing is
// followed or waited on, at most a MiB and 256 ports are read or kept, the folder is made only to
// save, and runs saving at once keep all their rates.
TEST_F(RealTimingSharedMachine, TheProbeRateMemoryIsOnlyEverTheUsersOwnRegularFile) {
    const std::string cache = at("cache");
    const std::string memory = cache + "/morvent/probe-rates";
    const Setting xdg("XDG_CACHE_HOME", QByteArray::fromStdString(cache));
    const Setting home("HOME", QByteArray::fromStdString(at("home")));
    // What is planted there, and what it leads to, as a later look finds them.
    const auto planted = [&] {
        struct stat there {};
        ::lstat(memory.c_str(), &there);
        return std::tuple(there.st_mode, there.st_uid, fileText(path("target")),
                          fs::status(at("target")).type());
    };
    const struct {
        const char* name;
        std::function<void()> plant;
        bool known = false; // the rate kept for "ttyA" is read
    } cases[] = {
        {"a link to someone's file",
         [&] {
             std::ofstream(at("target")) << "root:x:0:0:root:/root:/bin/bash\n";
             fs::create_symlink(at("target"), memory);
         }},
        {"a link to a device",
         [&] {
             ASSERT_EQ(::mknod(at("target").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
             fs::create_symlink(at("target"), memory);
         }},
        {"another user's file",
         [&] {
             std::ofstream(memory) << "9600\tttyA\n";
             ASSERT_EQ(::chown(memory.c_str(), 65534, 65534), 0);
         }},
        {"a named pipe", [&] { ASSERT_EQ(::mkfifo(memory.c_str(), 0600), 0); }},
        {"a rate beyond the first MiB",
         [&] {
             std::ofstream(memory) << "4800\tttyA\n"
                                   << std::string((1 << 20) - 20, '#') << "\n9600\tttyBB\n";
         },
         true},
        {"more ports than are kept",
         [&] {
             std::ofstream out(memory);
             for (int i = 100; i < 355; ++i) {
                 out << "9600\tp" << i << "\n";
             }
             out << "4800\tttyA\n9600\tttyB\n";
         },
         true},
        {"a last line without its end", [&] { std::ofstream(memory) << "4800\tttyA"; }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(cache);
        fs::remove(at("target"));
        fs::create_directories(cache + "/morvent");
        c.plant();
        const auto before = planted();
        // A named pipe nobody writes must not hold the run: a reading that hangs is freed by
        // writing to the pipe, failing the case.
        auto reading = std::async(std::launch::async, [] { return ProbeRateMemory(); });
        if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "reading the memory hung";
            std::ofstream(memory) << "\n";
        }
        ProbeRateMemory rates = reading.get();
        EXPECT_EQ(rates.rateOf("ttyA").has_value(), c.known);
        EXPECT_FALSE(rates.rateOf("ttyB").has_value());
        rates.remember("ttyC", 19200);
        rates.save();
        EXPECT_EQ(ProbeRateMemory().rateOf("ttyC").has_value(), c.known);
        if (!c.known) {
            EXPECT_EQ(planted(), before);
        }
    }

    // Six runs that read the memory at once and save one after the other keep all six rates.
    fs::remove_all(cache);
    std::vector<ProbeRateMemory> runs(6);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        runs[i].remember("ttyUSB" + std::to_string(i), 9600);
        runs[i].save();
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(ProbeRateMemory().rateOf("ttyUSB" + std::to_string(i)), 9600u) << i;
    }
    // A disk that takes no more of the file leaves the rates it held.
    const pid_t full = test::forkAsFromAShell({SIGXFSZ});
    if (full == 0) {
        const rlimit limit{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        runs[1].remember("ttyF", 4800);
        runs[1].save();
        ::_exit(0);
    }
    EXPECT_EQ(test::endOfChild(full), 0);
    EXPECT_EQ(ProbeRateMemory().rateOf("ttyUSB5"), 9600u);
    // One that finds another run saving waits for it, then saves.
    const int other = ::open((cache + "/morvent/probe-rates.lock").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    runs[0].remember("ttyW", 4800);
    auto saving = std::async(std::launch::async, [&runs] { runs[0].save(); });
    EXPECT_EQ(saving.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    ::close(other);
    saving.get();
    EXPECT_EQ(ProbeRateMemory().rateOf("ttyW"), 4800u);
    // A relative cache folder is no cache folder: the one in HOME is used.
    const Setting relative("XDG_CACHE_HOME", "cache");
    EXPECT_EQ(ProbeRateMemory().folder(), at("home") + "/.cache/morvent");
    EXPECT_FALSE(fs::exists(at("home"))) << "made by a run that saved nothing";
}

// Two ports that are one device, or whose files would be one file, are refused before any port
// is opened and before anything is written.
TEST_F(RealTimingSharedMachine, PortsThatWouldShareADeviceOrAFileAreRefusedBeforeAnything) {
    SimulatedController first;
    SimulatedController second;
    first.start();
    second.start();
    fs::create_directory(at("x"));
    fs::create_symlink(first.devicePath(), at("x-y"));
    fs::create_symlink(second.devicePath(), at("x/y"));
    const QString a = path("x-y");
    const QString b = path("x/y");
    const QString pts = QString::fromStdString(first.devicePath());
    const struct {
        QStringList arguments;
        QString says;
    } cases[] = {
        {{"read", "-p", a, "-p", b, "-o", path("col.el")}, "would both write to "},
        {{"watch", "--count", "1", "-p", a, "-p", b, "--csv", path("a.csv")}, "would both write"},
        {{"info", "-p", pts, "-p", pts.mid(5)}, "are one device"},
        {{"info", "-p", a, "-p", pts}, "are one device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.outcome, Outcome::InvalidInput);
        EXPECT_NE(result.err.find(c.says.toStdString()), std::string::npos) << result.err;
        for (const auto& entry : fs::directory_iterator(folder.path().toStdString())) {
            EXPECT_FALSE(entry.is_regular_file()) << entry.path();
        }
        EXPECT_TRUE(first.receivedRequests().empty() && second.receivedRequests().empty());
    }
}

// Output that does not get out (standard output on a full device) is a failure of the run: exit
// 1 and one message on stderr, whatever the command and however it prints.
TEST_F(RealTimingSharedMachine, OutputThatCannotBeWrittenEndsTheRunWithExit1) {
    const QString file = path("set.el");
    for (const QStringList& arguments :
         {QStringList{"info", "--simulate"}, QStringList{"info", "--simulate", "--json"},
          QStringList{"read", "--simulate", "-o", file},
          QStringList{"watch", "--simulate", "--count", "1"}, QStringList{"--version"},
          QStringList{"info", "--help"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun result = run(arguments, std::fopen("/dev/full", "w"));
        EXPECT_EQ(result.outcome, Outcome::Failure);
        EXPECT_EQ(QString::fromStdString(result.err)
                      .count("Unable to write to the standard output: No space left on device."),
                  1)
            << result.err;
    }
}

// Bytes from outside the tool (a controller's texts, a file's or a port's name that is not
// UTF-8) neither steer the terminal nor forge lines: C1 controls, line breaks and tabs are shown
// as '?' in text; JSON output stays valid JSON.
TEST_F(RealTimingSharedMachine, ForeignBytesNeitherSteerTheTerminalNorForgeLinesNorBreakJson) {
    SimulatedController sim;
    sim.start();
    sim.withModel([](ControllerModel& m) { m.setFirmwareText("FW\nModel:FAKE\t\x9B[2J\x1b\x07"); });
    const CliRun info = run(QStringList{"info"} + on(sim));
    ASSERT_EQ(info.outcome, Outcome::Success) << info.err;
    EXPECT_NE(info.out.find("Firmware Ver:FW?Model:FAKE??[2J??\n"), std::string::npos) << info.out;
    EXPECT_EQ(std::count(info.out.begin(), info.out.end(), '\n'), 7) << info.out;

    // A port's name with a CSI byte (0x9B) in it, which is not UTF-8.
    const std::string name = at("tty\x9B[2J");
    const CliRun missing = run({"info", "-p", argumentText(name)});
    EXPECT_EQ(missing.outcome, Outcome::PortUnavailable);
    EXPECT_EQ(missing.err.find('\x9B'), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find(at("tty?[2J")), std::string::npos) << missing.err;

    const CliRun json = run({"info", "--json", "-p", argumentText(name)});
    EXPECT_EQ(json.outcome, Outcome::PortUnavailable);
    QJsonParseError error{};
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json.out;
    EXPECT_EQ(json.out.find("\\ud"), std::string::npos) << json.out;
    EXPECT_TRUE(object["error"].toString().contains(QString::fromStdString(at("tty?[2J"))))
        << json.out;

    // A name with a line break or a tab keeps its result on one line, its label too.
    const CliRun saved = run({"read", "--simulate", "-o", path("a\nb\tc.el")});
    EXPECT_EQ(saved.out, "Saved " + at("a\\nb\\tc.el") + "\n");
    const CliRun two = run({"info", "-p", path("no\nA"), "-p", path("no\tB")});
    EXPECT_NE(two.err.find(at("no\\nA: morvent-cli info:")), std::string::npos) << two.err;
    EXPECT_NE(two.err.find(at("no\\tB: morvent-cli info:")), std::string::npos) << two.err;
}

// The report of the simulated controller, as PDF and HTML: every value of the four pages on the
// line of its label (grids as the page lays them out), the identity and the note, on at most
// two A4 pages of real text.
TEST_F(RealTimingCli, TheReportOfTheSimulatorHoldsEveryLabelAndValue) {
    SimulatedController sim;
    sim.start();
    // The values the pages show after a read, through the file read writes.
    ASSERT_EQ(run(QStringList{"read", "-o", path("set.el")} + on(sim)).outcome, Outcome::Success);
    FieldStore pages;
    fillParameterCombos(pages);
    LoadParameterFile(pages, path("set.el").toStdString());
    // A line that holds the label, then the values; a page's first starts after a form feed.
    std::map<std::string, QString> lines;
    for (const ReportRow& p : reportOf(pages, nullptr, "").rows) {
        QString& line = lines[p.page + p.label];
        if (line.isEmpty()) {
            line = "^\\f? ?" + QRegularExpression::escape(QString::fromStdString(p.label));
        }
        for (const std::string& value : {p.value, p.section.empty() ? p.unit : ""}) {
            line += value.empty()
                        ? ""
                        : "\\s+" + QRegularExpression::escape(QString::fromStdString(value));
        }
    }
    // The shop's details, as the window's Report Settings keep them.
    std::ofstream(path("shop.ini").toStdString())
        << "[report]\nshopName=Shop One\nshopAddress=Main St 1, Town\ntechnician=K. Huber\n";
    for (const char* name : {"r.pdf", "r.html"}) {
        SCOPED_TRACE(name);
        const CliRun result =
            run(QStringList{"report", "-o", path(name), "--note", "Bike 7 <J>\x1b[2J\x07\tok",
                            "--shop", path("shop.ini")} +
                on(sim));
        ASSERT_EQ(result.outcome, Outcome::Success) << result.err;
        EXPECT_EQ(result.out, "Saved the report " + path(name).toStdString() + "\n");
        QTextDocument html;
        html.setHtml(QString::fromStdString(fileText(path(name))));
        const QString text = QString(name).endsWith(".pdf") ? test::pdfText(path(name))
                                                            : html.toPlainText().replace('\t', ' ');
        EXPECT_LE(text.count('\f'), 2) << "pages";
        // The shop heads every page, each page says which of how many it is.
        if (QString(name).endsWith(".pdf")) {
            EXPECT_EQ(text.count("Shop One\nMain St 1, Town"), text.count('\f'));
            EXPECT_EQ(text.count(QRegularExpression("Page \\d of 2")), 2) << text.toStdString();
        }
        for (const char* shown :
             {"Manufacturer:KLMN", "Model:PQRS", "Harware Ver: V1.0", "Firmware Ver: V1.2.3.4",
              "Nominal Voltage: 48V", "Max.Current: 25A", "Bike or customer: Bike 7 <J>?[2J? ok",
              "Date: ", "Technician: K. Huber"}) {
            EXPECT_TRUE(text.contains(shown)) << shown;
        }
        for (const auto& [label, line] : lines) {
            EXPECT_TRUE(
                text.contains(QRegularExpression(line, QRegularExpression::MultilineOption)))
                << label;
        }
    }
}

// A report says values as a customer reads them: a unit once, none on a choice without one, a
// scale worked out, the work mode as its ratio, and the delta voltages by ascending band.
TEST(Report, PutsValuesAndUnitsAsACustomerReadsThem) {
    FieldStore pages;
    fillParameterCombos(pages);
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"ComboBox3", "42", "Low Battery Protect(V)", "42", ""},
        {"Edit1", "25", "Limited Current(A)", "25", ""},
        {"ComboBox8", "25Km/H", "Speed Limited", "25", "km/h"},
        {"ComboBox13", "By Display's Command", "Speed Limited", "By Display's Command", ""},
        {"ComboBox4", "700C", "Wheel Diameler(inch)", "700C", ""},
        {"ComboBox10", "35", "Work Mode (pedal/wheel speed ratio)", "3.5", ""},
        {"Edit25", "30", "Time of stop", "300", "ms"},
        {"Edit28", "12", "Start Voltage", "1200", "mV"},
        {"Edit24", "4", "Startup Dgree(Signal No.)", "4", "signals"}};
    for (const auto& [control, value, label, shown, unit] : cases) {
        pages.setText(control, value);
    }
    const std::vector<ReportRow> rows = reportOf(pages, nullptr, "").rows;
    for (const auto& [control, value, label, shown, unit] : cases) {
        const auto row =
            std::find_if(rows.begin(), rows.end(),
                         [wanted = control](const ReportRow& r) { return r.control == wanted; });
        ASSERT_NE(row, rows.end());
        EXPECT_EQ(std::tie(row->label, row->value, row->unit),
                  std::tuple(std::string(label), std::string(shown), std::string(unit)));
    }
    QStringList deltas;
    for (const ReportRow& row : rows) {
        deltas << (row.label.starts_with("Delta") ? QString::fromStdString(row.label) : "");
    }
    EXPECT_TRUE(deltas.join(' ').simplified().startsWith(
        "Delta Voltage: 0 - 5 kg Delta Voltage: 5 - 10 kg Delta Voltage: 10 - 15 kg"));
}

// diff lists what two files would load differently, page by page, and ends as diff does.
TEST_F(Cli, DiffListsEveryParameterTheFilesGiveDifferentlyAndEndsAsDiffDoes) {
    const std::pair<const char*, std::string> files[] = {
        {"a.el", "[Basic]\nLC=25\nWD=3\n[Throttle Handle]\nSC=20\n[Torque]\nSS20=4\n"},
        {"b.el", "[Basic]\nLC=0x19\nWD=4\n[Throttle Handle]\nSC=x\n[Torque]\nSS20=5\n"},
        {"c.el", "[Basic]\nLC=25\nWD=3\n[Torque]\nSS20=4\n"},
        {"utf16.el", std::string("\xFF\xFE[\0B\0]\0", 8)}};
    for (const auto& [name, text] : files) {
        std::ofstream(path(name).toStdString()) << text;
    }
    const std::tuple<QStringList, Outcome, std::string> cases[] = {
        {{path("a.el"), path("a.el")}, Outcome::Success, ""},
        // 25 and 0x19 load alike; a list by its item; a grid cell by its row and column.
        {{path("a.el"), path("b.el")},
         Outcome::Failure,
         "Basic: Wheel Diameler(Inch): 19 -> 20 (inch)\n"
         "Throttle Handle: Start Current(%): 20 -> x (not a whole number) (%)\n"
         "Torque: Spd20 Start(Kg): 4 -> 5 (Kg)\n"},
        {{path("a.el"), path("c.el"), "--json"},
         Outcome::Failure,
         R"j({"a":"20","b":"(missing)","key":"SC","label":"Start Current(%)",)j"
         R"j("page":"Throttle Handle","unit":"%"})j"
         "\n"},
        {{path("a.el"), path("utf16.el")}, Outcome::InvalidInput, ""},
        {{path("a.el")}, Outcome::InvalidInput, ""},
    };
    for (const auto& [arguments, outcome, out] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun result = run(QStringList{"diff"} + arguments);
        EXPECT_EQ(result.outcome, outcome) << result.err;
        EXPECT_EQ(result.out, out);
        EXPECT_EQ(result.err.empty(), outcome != Outcome::InvalidInput) << result.err;
    }
    EXPECT_NE(run({"diff", path("a.el"), path("utf16.el")}).err.find("UTF-16"), std::string::npos);
    // Differences that cannot be written out are trouble, not "some differ".
    for (const QStringList& json : {QStringList(), QStringList{"--json"}}) {
        const CliRun full = run(QStringList{"diff", path("a.el"), path("b.el")} + json,
                                std::fopen("/dev/full", "w"));
        EXPECT_EQ(full.outcome, Outcome::InvalidInput);
        EXPECT_EQ(QString::fromStdString(full.err).count('\n'), 1) << full.err;
        EXPECT_NE(full.err.find("standard output: No space left on device."), std::string::npos);
    }
}

} // namespace
} // namespace morvent
