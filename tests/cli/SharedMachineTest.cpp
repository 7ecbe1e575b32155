// The command-line tool on a shared workshop PC and on many ports: what other users, a full
// output, two names for one thing and the bytes of names and controllers can do to a run.
#include "ArgumentText.h"
#include "Commands.h"
#include "ProbeRateMemory.h"
#include "SimulatedController.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace morvent {
namespace {

namespace fs = std::filesystem;

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

CliRun run(const QStringList& arguments, std::FILE* out = std::tmpfile()) {
    std::FILE* err = std::tmpfile();
    const Outcome outcome = runCommand(arguments, {out, err});
    return {outcome, drained(out), drained(err)};
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An environment variable set for one test, put back afterwards.
class Setting {
public:
    Setting(const char* name, const QByteArray& value) : m_name(name), m_before(qgetenv(name)) {
        qputenv(name, value);
    }
    ~Setting() { m_before.isNull() ? qunsetenv(m_name) : qputenv(m_name, m_before); }

private:
    const char* m_name;
    QByteArray m_before;
};

class SharedMachine : public testing::Test {
protected:
    ~SharedMachine() override { fs::remove_all(folder.path().toStdString()); }
    std::string path(const std::string& name) const {
        return folder.path().toStdString() + "/" + name;
    }
    QTemporaryDir folder;
};

// The probe-rate memory in a cache folder others can plant things in (or that root reaches
// through a user's HOME): only the user's own regular file is read or replaced, nothing is
// followed or waited on, at most a MiB is read, and runs saving at once keep all their rates.
TEST_F(SharedMachine, TheProbeRateMemoryIsOnlyEverTheUsersOwnRegularFile) {
    const std::string cache = path("cache");
    const std::string memory = cache + "/morvent/probe-rates";
    const Setting xdg("XDG_CACHE_HOME", QByteArray::fromStdString(cache));
    const Setting home("HOME", QByteArray::fromStdString(path("home")));
    const std::string kept = "root:x:0:0:root:/root:/bin/bash\n";
    const struct {
        const char* name;
        std::function<void()> plant;
        std::function<void()> check; // what was planted is as it was
        bool known = false;          // the rate kept for "ttyA" is read
    } cases[] = {
        {"a link to someone's file",
         [&] {
             std::ofstream(path("passwd")) << kept;
             fs::create_symlink(path("passwd"), memory);
         },
         [&] {
             EXPECT_TRUE(fs::is_symlink(memory));
             EXPECT_EQ(fileText(path("passwd")), kept);
         }},
        {"a link to a device",
         [&] {
             ASSERT_EQ(::mknod(path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
             fs::create_symlink(path("null"), memory);
         },
         [&] {
             EXPECT_TRUE(fs::is_symlink(memory));
             EXPECT_TRUE(fs::is_character_file(path("null")));
         }},
        {"another user's file",
         [&] {
             std::ofstream(memory) << "9600\tttyA\n";
             ASSERT_EQ(::chown(memory.c_str(), 65534, 65534), 0);
         },
         [&] {
             EXPECT_EQ(fileText(memory), "9600\tttyA\n");
             struct stat info {};
             ASSERT_EQ(::stat(memory.c_str(), &info), 0);
             EXPECT_EQ(info.st_uid, 65534u);
         }},
        {"a named pipe", [&] { ASSERT_EQ(::mkfifo(memory.c_str(), 0600), 0); },
         [&] { EXPECT_TRUE(fs::is_fifo(memory)); }},
        {"a rate beyond the first MiB",
         [&] {
             std::ofstream out(memory);
             out << "4800\tttyA\n" << std::string(1 << 20, '#') << "\n9600\tttyB\n";
         },
         [] {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(cache);
        fs::create_directories(cache + "/morvent");
        c.plant();
        // A named pipe nobody writes must not hold the run: the memory is read aside, and a
        // reading that hangs is freed by writing to the pipe, failing the case.
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
        c.check();
    }

    // Six runs that read the memory at once and save one after the other keep all six rates.
    fs::remove_all(cache);
    std::vector<ProbeRateMemory> runs(6);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        runs[i].remember("ttyUSB" + std::to_string(i), 9600);
    }
    for (const ProbeRateMemory& each : runs) {
        each.save();
    }
    const ProbeRateMemory after;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(after.rateOf("ttyUSB" + std::to_string(i)), 9600u) << i;
    }

    // A relative cache folder is no cache folder: the one in HOME is used.
    const Setting relative("XDG_CACHE_HOME", "cache");
    EXPECT_EQ(ProbeRateMemory().folder(), path("home") + "/.cache/morvent");
}

// Two ports that are one device, or whose files would be one file, are refused before any port
// is opened and before anything is written.
TEST_F(SharedMachine, PortsThatWouldShareADeviceOrAFileAreRefusedBeforeAnything) {
    SimulatedController first;
    SimulatedController second;
    first.start();
    second.start();
    fs::create_directory(path("x"));
    fs::create_symlink(first.devicePath(), path("x-y"));
    fs::create_symlink(second.devicePath(), path("x/y"));
    const QString collide = QString::fromStdString(path("col.el"));
    const QString csv = QString::fromStdString(path("live.csv"));
    const QString a = QString::fromStdString(path("x-y"));
    const QString b = QString::fromStdString(path("x/y"));
    const QString pts = QString::fromStdString(first.devicePath());
    const struct {
        QStringList arguments;
        QString says;
    } cases[] = {
        {{"read", "-p", a, "-p", b, "-o", collide}, "would both write to "},
        {{"watch", "--count", "1", "-p", a, "-p", b, "--csv", csv}, "would both write to "},
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
        EXPECT_TRUE(first.receivedRequests().empty());
        EXPECT_TRUE(second.receivedRequests().empty());
    }
}

// Output that does not get out (standard output on a full device) is a failure of the run: exit
// 1 and one message on stderr, whatever the command and however it prints.
TEST_F(SharedMachine, OutputThatCannotBeWrittenEndsTheRunWithExit1) {
    const QString file = QString::fromStdString(path("set.el"));
    for (const QStringList& arguments :
         {QStringList{"info", "--simulate"}, QStringList{"info", "--simulate", "--json"},
          QStringList{"read", "--simulate", "-o", file},
          QStringList{"watch", "--simulate", "--count", "1"}, QStringList{"--version"},
          QStringList{"info", "--help"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun result = run(arguments, std::fopen("/dev/full", "w"));
        EXPECT_EQ(result.outcome, Outcome::Failure);
        EXPECT_NE(result.err.find("Unable to write to the standard output: No space left on "
                                  "device."),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(QString::fromStdString(result.err).count("Unable to write"), 1) << result.err;
    }
}

// Bytes from outside the tool (a controller's texts, a file's or a port's name that is not
// UTF-8) neither steer the terminal nor forge lines: C1 controls, line breaks and tabs are shown
// as '?' in text; JSON output stays valid JSON.
TEST_F(SharedMachine, ForeignBytesNeitherSteerTheTerminalNorForgeLinesNorBreakJson) {
    SimulatedController sim;
    sim.start();
    sim.withModel([](ControllerModel& m) {
        m.setFirmwareText("FW\nModel:FAKE\t\x9B"
                          "2J");
    });
    const QStringList port{"-p", QString::fromStdString(sim.devicePath())};

    const CliRun info = run(QStringList{"info"} + port);
    ASSERT_EQ(info.outcome, Outcome::Success) << info.err;
    EXPECT_NE(info.out.find("Firmware Ver:FW?Model:FAKE??2J\n"), std::string::npos) << info.out;
    EXPECT_EQ(std::count(info.out.begin(), info.out.end(), '\n'), 7) << info.out;

    // A port's name with a CSI byte (0x9B) in it, which is not UTF-8.
    const std::string name = path("tty\x9B"
                                  "2J");
    const CliRun missing = run({"info", "-p", argumentText(name)});
    EXPECT_EQ(missing.outcome, Outcome::PortUnavailable);
    EXPECT_EQ(missing.err.find('\x9B'), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find(path("tty?2J")), std::string::npos) << missing.err;

    const CliRun json = run({"info", "--json", "-p", argumentText(name)});
    EXPECT_EQ(json.outcome, Outcome::PortUnavailable);
    QJsonParseError error{};
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json.out;
    EXPECT_EQ(json.out.find("\\ud"), std::string::npos) << json.out;
    EXPECT_TRUE(object["error"].toString().contains(QString::fromStdString(path("tty?2J"))))
        << json.out;
}

} // namespace
} // namespace morvent
