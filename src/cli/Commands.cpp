// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Commands.h"

#include "ArgumentText.h"
#include "BlockCodec.h"
#include "CsvFile.h"
#include "DiffCommand.h"
#include "FieldStore.h"
#include "FileIo.h"
#include "IdentityReply.h"
#include "Latin1.h"
#include "LiveReadingsReply.h"
#include "NumberConversion.h"
#include "ParameterFile.h"
#include "ParameterModel.h"
#include "ParameterTable.h"
#include "PortList.h"
#include "PortsApart.h"
#include "ProbeRateMemory.h"
#include "ProjectInfo.h"
#include "Report.h"
#include "SessionSlots.h"
#include "ShopDetails.h"
#include "ShownText.h"
#include "SignalUndo.h"
#include "SimulatedController.h"
#include "StandardStreams.h"
#include "StatusTable.h"
#include "SystemNames.h"
#include "WriteChecks.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace morvent {

namespace {

// "Exit codes: 0 success; 1 ...; 5 ....", for the help texts.
QString exitCodes() {
    QStringList codes;
    for (const auto& [outcome, meaning] : kOutcomeMeanings) {
        codes << QString::number(static_cast<int>(outcome)) + ' ' +
                     QString::fromUtf8(meaning.data(), static_cast<qsizetype>(meaning.size()));
    }
    return QStringLiteral("Exit codes: ") + codes.join(QStringLiteral("; ")) + '.';
}

constexpr int kDefaultTimeoutMs = 1000;
constexpr int kDefaultIntervalMs = 500;

QCommandLineOption withDefault(const QString& name, const QString& help, const QString& value,
                               int byDefault) {
    return {name, help.arg(byDefault), value, QString::number(byDefault)};
}

struct Common {
    QCommandLineOption port{{"p", "port"}, portOptionHelp(), "PORT"};
    QCommandLineOption simulate{"simulate",
                                "Use the built-in simulated controller instead of a port."};
    QCommandLineOption timeout = withDefault(
        "timeout", "How long to wait for each reply (default %1).", "MS", kDefaultTimeoutMs);
    QCommandLineOption json{"json", "Print the result as JSON."};
    QCommandLineOption help{{"h", "help"}, "Show this help."};
};

// Whole lines, also while several ports' sessions print at once; what comes from outside the
// tool is shown as terminalText says. False when the line did not get out whole (a full disk, a
// reader gone), with errno saying why.
bool print(std::FILE* to, const QString& text) {
    const std::string bytes = localBytes(terminalText(text));
    int error = 0;
    bool written = false;
    {
        const StreamLock lock(to);
        errno = 0;
        written = std::fputs(bytes.c_str(), to) >= 0 && std::fputc('\n', to) != EOF &&
                  std::fflush(to) == 0 && !std::ferror(to);
        error = streamWriteError(errno);
        std::clearerr(to);
    }
    errno = error;
    return written;
}

// Results that do not reach the standard output are lost, however well the run went: the run
// ends with exit 1 and says so on stderr, never in the output that failed.
class OutputError : public SessionError {
public:
    explicit OutputError(int error)
        : SessionError(Outcome::Failure, std::string("Unable to write to the standard output: ") +
                                             std::strerror(error) + ".") {}
};

void printResult(std::FILE* to, const QString& text) {
    if (!print(to, text)) {
        throw OutputError(errno);
    }
}

// A line of one port's session: with several ports, each of its lines starts with the port's
// name.
void say(const CommandStreams& io, std::FILE* to, const QString& text) {
    const QString label = io.port.isEmpty() ? QString() : shownName(io.port) + QStringLiteral(": ");
    const QString line = label + QString(text).replace('\n', '\n' + label);
    if (to == io.out) {
        printResult(to, line);
    } else {
        print(to, line);
    }
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString jsonText(const QJsonObject& object,
                 QJsonDocument::JsonFormat format = QJsonDocument::Compact) {
    return QString::fromUtf8(QJsonDocument(object).toJson(format)).trimmed();
}

// A name as JSON text, which has no room for bytes that are not UTF-8.
QString jsonName(const QString& path) {
    return jsonSafe(path);
}

// One port's result as JSON: with several ports, one object a line for each, naming its port.
void sayJson(const CommandStreams& io, QJsonObject object,
             QJsonDocument::JsonFormat format = QJsonDocument::Compact) {
    if (!io.port.isEmpty()) {
        object.insert(QStringLiteral("port"), jsonName(io.port));
        format = QJsonDocument::Compact;
    }
    printResult(io.out, jsonText(jsonSafe(object), format));
}

// A running session: the simulated controller when asked for, and the identity once connected.
class Connection {
public:
    // An empty device means the simulated controller.
    Connection(const std::string& device, std::chrono::milliseconds timeout,
               std::optional<std::uint32_t> firstRate, const CommandStreams& io)
        : m_io(io) {
        std::string path = device;
        if (path.empty()) {
            m_simulator = std::make_unique<SimulatedController>();
            m_simulator->start();
            path = m_simulator->devicePath();
        }
        m_session =
            std::make_unique<ControllerSession>(TComm::devicePath(path), timeout, io.timing);
        identity = m_session->connect(
            [this](std::uint32_t baud) {
                say(m_io, m_io.err, QStringLiteral("Probing at %1 baud").arg(baud));
            },
            firstRate);
        firmwareText = m_session->read(Command::FirmwareText);
    }

    ControllerSession& session() { return *m_session; }
    SimulatedController* simulator() { return m_simulator.get(); }

    Bytes identity;
    Bytes firmwareText;

private:
    const CommandStreams& m_io;
    std::unique_ptr<SimulatedController> m_simulator;
    std::unique_ptr<ControllerSession> m_session;
};

QJsonObject identityJson(const Bytes& identity, const Bytes& firmware) {
    const std::span<const std::uint8_t> reply(identity);
    const std::string hardware =
        latin1ToUtf8(reply.subspan(10, 1)) + "." + latin1ToUtf8(reply.subspan(11, 1));
    // Four characters shown with points between them, as the window shows them.
    std::string version;
    for (std::size_t i = 12; i < 16; ++i) {
        version += (version.empty() ? "" : ".") + latin1ToUtf8(reply.subspan(i, 1));
    }
    const std::string firmwareCaption = firmwareTextCaption(firmware);
    return QJsonObject{
        {"manufacturer", QString::fromStdString(latin1ToUtf8(reply.subspan(2, 4)))},
        {"model", QString::fromStdString(latin1ToUtf8(reply.subspan(6, 4)))},
        {"hardwareVersion", QString::fromStdString(hardware)},
        {"firmwareVersion", QString::fromStdString(version)},
        {"nominalVoltage", text(nominalVoltageCaption(reply[16])).section(' ', 2)},
        {"maxCurrent", reply[17]},
        {"firmwareText",
         QString::fromStdString(firmwareCaption.substr(std::string("Firmware Ver:").size()))},
    };
}

// How far a run over several ports has come, for the summary a signal that ends it prints.
struct RunTally {
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> succeeded{0};
    std::size_t total = 0;
    int descriptor = -1;
};

char* put(char* at, const char* text) {
    while (*text != '\0') {
        *at++ = *text++;
    }
    return at;
}

char* put(char* at, std::size_t number) {
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    while (count > 0) {
        *at++ = digits[--count];
    }
    return at;
}

// A run ended by a signal still says how many controllers it served, as its end would have, and
// how many were cut short: their files are not saved. One write, no allocation, no lock.
void sayTallyOnSignal(const void* data) {
    const auto& tally = *static_cast<const RunTally*>(data);
    const std::size_t done = tally.done.load();
    char line[160];
    char* end = put(line, "Ended by a signal: ");
    end = put(end, tally.succeeded.load());
    end = put(end, " of ");
    end = put(end, tally.total);
    end = put(end, " controllers succeeded; ");
    end = put(end, tally.total - std::min(done, tally.total));
    end = put(end, " had not finished.\n");
    writeAtOnce(tally.descriptor, line, static_cast<std::size_t>(end - line));
}

// Where a save keeps what it replaces: the window's backups folder, "replaced" in it.
ReplacedFiles replacedFiles() {
    return ReplacedFiles(
        localBytes(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                   QStringLiteral("/morvent/backups/replaced")));
}

// Why the file a run is to save (read's parameter file, report's report) could not be saved,
// asked before the controller is read: a folder, a FIFO or a device named as what it is, a link
// to nothing, a file or folder that does not take writing. Empty when it can be saved.
std::string targetProblem(const std::string& path) {
    if (const std::string kind = specialFileKind(path); !kind.empty()) {
        return "it is " + kind;
    }
    if (isDanglingLink(path)) {
        return "it is a symbolic link to " + linkTarget(path) + ", which does not exist";
    }
    const int refused = whyNotWritable(path);
    if (refused == kNotARegularFile) {
        return "it is not a regular file";
    }
    if (refused != ENOENT) {
        return refused == 0 ? std::string() : fileErrorText(refused);
    }
    const int folder = whyNoNewFile(path);
    return folder == 0 ? std::string() : fileErrorText(folder);
}

// A report replaces only a report: a file there (or where a link there leads) that holds
// something else, a parameter file above all, is refused before anything is read for it. A
// report is known by its kind, a PDF for FILE.pdf, an HTML page for FILE.html; an empty file
// loses nothing.
std::string reportReplaceProblem(const std::string& path) {
    constexpr std::size_t kReportLimit = std::size_t{64} << 20;
    ReadRefusal why = ReadRefusal::Unreadable;
    const std::optional<std::string> held = readFile(path, kReportLimit, &why);
    if (!held && why == ReadRefusal::TooLarge) {
        return "it holds more than a report would, and a report replaces only an earlier report";
    }
    if (!held || held->empty()) {
        return {};
    }
    std::string_view start(*held);
    if (start.starts_with("\xEF\xBB\xBF")) {
        start.remove_prefix(3);
    }
    start.remove_prefix(std::min(start.find_first_not_of(" \t\r\n\f"), start.size()));
    const QString head = QString::fromLatin1(start.substr(0, 16)).toLower();
    const bool pdf = head.startsWith(QStringLiteral("%pdf-"));
    const bool html = head.startsWith(QStringLiteral("<html")) ||
                      head.startsWith(QStringLiteral("<!doctype html"));
    if (QString::fromStdString(path).endsWith(QStringLiteral(".pdf")) ? pdf : html) {
        return {};
    }
    const ParameterFileContent asParameters = [&] {
        try {
            return readParameterFile(path);
        } catch (const ParameterFileError&) {
            return ParameterFileContent();
        }
    }();
    const bool parameterFile = !asParameters.values.empty();
    return std::string(parameterFile ? "it is a parameter file"
                                     : "it holds something other than a report") +
           ", and a report replaces only an earlier report; name another file";
}

// Reads the four blocks into fields, as Read Flash does.
void readBlocks(ControllerSession& session, Fields& fields, const CommandStreams& io) {
    for (const Block block : kAllBlocks) {
        say(io, io.err, QStringLiteral("Reading the %1 block").arg(text(layout(block).title)));
        applyReadReply(block, session.read(layout(block).command), fields);
    }
}

// What the controller holds differently from what was written: one line per field.
QStringList differences(const Fields& wanted, const Fields& held) {
    QStringList lines;
    for (const Block block : kAllBlocks) {
        const Bytes a = buildPayload(block, wanted);
        const Bytes b = buildPayload(block, held);
        const FieldLayout* last = nullptr;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const FieldLayout* field = fieldAtByte(block, i);
            if (a[i] == b[i] || field == last) {
                continue;
            }
            last = field;
            const auto value = [&](const Fields& f) {
                return field->encoding == Encoding::ComboIndex
                           ? QString::number(f.selectedIndex(field->control))
                           : controllerText(f.text(field->control));
            };
            lines << QStringLiteral("%1 %2 (%3): file %4, controller %5")
                         .arg(text(layout(block).title), QString::fromStdString(field->control),
                              QString::fromStdString(field->name), value(wanted), value(held));
        }
    }
    return lines;
}

Outcome info(Connection& connection, bool json, const CommandStreams& io) {
    if (json) {
        sayJson(io, identityJson(connection.identity, connection.firmwareText),
                QJsonDocument::Indented);
        return Outcome::Success;
    }
    FieldStore fields;
    applyIdentity(connection.identity, fields);
    for (const char* label : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11"}) {
        say(io, io.out, controllerText(fields.text(label)));
    }
    say(io, io.out, controllerText(firmwareTextCaption(connection.firmwareText)));
    return Outcome::Success;
}

Outcome read(Connection& connection, const QString& path, bool json, const CommandStreams& io) {
    // What the file holds before the controller is read: should it hold something else when
    // the values are saved, another run saved it meanwhile, and it is left to that run.
    const std::optional<std::string> before = readFile(localBytes(path), kParameterFileLimit);
    ParameterModel fields;
    applyIdentity(connection.identity, fields);
    readBlocks(connection.session(), fields, io);
    const SaveOutcome saved = SaveParameterFile(fields, localBytes(path), replacedFiles(), before);
    if (!saved.keptAside.empty()) {
        const QString aside = argumentText(saved.keptAside);
        if (json) {
            sayJson(io, {{"file", jsonName(path)},
                         {"saved", false},
                         {"changedMeanwhile", true},
                         {"valuesKeptIn", jsonName(aside)}});
        } else {
            say(io, io.out,
                QStringLiteral("Not saved: %1 changed while the controller was read (another run "
                               "saved it?) and is left as it is")
                    .arg(shownName(path)));
            say(io, io.out,
                QStringLiteral("This run's values are kept in %1").arg(shownName(aside)));
        }
        return Outcome::KeptAside;
    }
    const std::string& copy = saved.replacedCopy;
    if (json) {
        QJsonObject result{{"file", jsonName(path)}, {"saved", true}};
        if (!copy.empty()) {
            result.insert(QStringLiteral("replacedKeptIn"), jsonName(argumentText(copy)));
        }
        sayJson(io, result);
    } else {
        say(io, io.out, QStringLiteral("Saved %1").arg(shownName(path)));
        if (!copy.empty()) {
            say(io, io.out,
                QStringLiteral("What it held is kept in %1").arg(shownName(argumentText(copy))));
        }
    }
    return Outcome::Success;
}

// Reads the four blocks as read does and saves what they hold as a report, with the note.
Outcome report(Connection& connection, const QString& path, const QString& note,
               const ShopDetails& shop, const CommandStreams& io) {
    ParameterModel fields;
    applyIdentity(connection.identity, fields);
    readBlocks(connection.session(), fields, io);
    ReportContent content = reportOf(fields, nullptr, localBytes(note));
    addShopDetails(content, shop);
    // Checked again: another program may have put something there while the blocks were read.
    if (const std::string problem = reportReplaceProblem(localBytes(path)); !problem.empty()) {
        throw SessionError(Outcome::InvalidInput, "Unable to write to " +
                                                      localBytes(shownName(path)) + ": " + problem +
                                                      ". The report was not saved.");
    }
    saveReport(content, localBytes(path));
    say(io, io.out, QStringLiteral("Saved the report %1").arg(shownName(path)));
    return Outcome::Success;
}

// Every difference of two parameter files, as diff lists the lines of two texts: 0 when there is
// none, 1 when there are some, 2 for a file that is refused (thrown).
Outcome diff(const QStringList& files, bool json, const CommandStreams& io) {
    if (files.size() != 2) {
        throw SessionError(Outcome::InvalidInput, "Name the two files to compare: A.el B.el.");
    }
    const std::vector<FileDifference> differences =
        differingParameters(localBytes(files[0]), localBytes(files[1]));
    for (const FileDifference& difference : differences) {
        if (!print(io.out,
                   json ? jsonText(differenceJson(difference)) : differenceLine(difference))) {
            // Exit 1 says "some differ": a list that did not get out is trouble, as for diff.
            throw diffOutputError(errno);
        }
    }
    return differences.empty() ? Outcome::Success : Outcome::Failure;
}

// A refused value's line names its page and field as the window shows them and the field's key
// in parameter files, so that a run over a whole file says which value to mend; the message is
// the one the window shows, the control's name follows it.
std::string fieldLine(const Parameter& field, const std::string& message) {
    std::string label = shownLabel(field);
    label.erase(label.find_last_not_of(": ") + 1);
    return std::string(field.section()) + " page, field " + label + " (key " + field.key +
           "): " + message;
}

std::string refusalLine(const Refusal& refusal, const std::string& message) {
    const Parameter* field = parameter(refusal.control);
    return field == nullptr ? message : fieldLine(*field, message);
}

// A file's problems, one line each as describeProblems gives them, a value the file gives
// that cannot be sent with its page and field.
std::vector<std::string> problemLines(const std::vector<ParameterFileProblem>& problems) {
    std::vector<std::string> lines;
    for (const ParameterFileProblem& problem : problems) {
        using enum ParameterFileProblem::Kind;
        if (problem.kind == NotANumber || problem.kind == OutsideList) {
            lines.push_back(fieldLine(parameterTable()[problem.row], describe(problem)));
        } else {
            // A whole section missing is one line, not one a key.
            const std::vector<std::string> line = describeProblems({problem});
            if (lines.empty() || line != std::vector{lines.back()}) {
                lines.insert(lines.end(), line.begin(), line.end());
            }
        }
    }
    return lines;
}

Outcome write(Connection& connection, const QString& path, const ParameterFileContent& file,
              bool verify, bool json, const CommandStreams& io) {
    ParameterModel fields;
    const int maxCurrent = applyIdentity(connection.identity, fields);
    applyParameterFile(file, fields);
    for (const auto& check :
         {checkWriteFlash(fields, maxCurrent), checkFieldWidthsForFlash(fields)}) {
        if (check) {
            throw SessionError(Outcome::InvalidInput, refusalLine(*check, check->message));
        }
    }
    QStringList written;
    // A write that ends half way says how far it came, whatever ended it.
    const auto sayWritten = [&](const SessionError& error) {
        return SessionError(error.outcome(),
                            error.what() + (written.isEmpty()
                                                ? std::string(" No block was written.")
                                                : " Blocks already written: " +
                                                      written.join(", ").toStdString() + "."));
    };
    for (const Block block : kAllBlocks) {
        say(io, io.err, QStringLiteral("Writing the %1 block").arg(text(layout(block).title)));
        std::uint8_t status = 0;
        try {
            status =
                connection.session().write(layout(block).command, buildWriteFrame(block, fields));
        } catch (const SessionError& error) {
            throw sayWritten(error);
        }
        const StatusOutcome outcome = interpretStatus(block, status);
        if (outcome.kind != StatusKind::Accepted) {
            throw SessionError(
                Outcome::FieldRefused,
                outcome.kind == StatusKind::FieldRefused
                    ? refusalLine(outcome.refusal,
                                  outcome.refusal.message + " (" + outcome.refusal.control + ")")
                    : "The controller answered the " + std::string(layout(block).title) +
                          " block with the unknown status " + std::to_string(status));
        }
        fields.learn(block);
        written << text(layout(block).title);
    }
    QStringList differing;
    if (verify) {
        ParameterModel held;
        applyIdentity(connection.identity, held);
        try {
            readBlocks(connection.session(), held, io);
        } catch (const SessionError& error) {
            throw sayWritten(error);
        }
        differing = differences(fields, held);
    }
    if (json) {
        sayJson(io, {{"file", jsonName(path)},
                     {"written", true},
                     {"verified", verify},
                     {"differences", QJsonArray::fromStringList(differing)}});
    } else {
        say(io, io.out, QStringLiteral("Wrote %1").arg(shownName(path)));
        for (const QString& line : differing) {
            say(io, io.out, line);
        }
    }
    return differing.isEmpty() ? Outcome::Success : Outcome::FieldRefused;
}

Outcome watch(Connection& connection, int intervalMs, int count, CsvFile* csv,
              const CommandStreams& io) {
    FieldStore fields;
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; count <= 0 || n < count; ++n) {
        applyLiveReadings(connection.session().read(Command::LiveReadings), fields);
        const auto now = std::chrono::system_clock::now();
        const LiveReadingValues values = liveReadingsShown(fields);
        std::string line = localTimeText(now);
        for (std::size_t r = 0; r < kLiveReadingCount; ++r) {
            line += ' ' + std::string(kLiveReadings[r].name) + '=' + std::to_string(values[r]) +
                    std::string(kLiveReadings[r].unit);
        }
        say(io, io.out, QString::fromStdString(line));
        if (csv) {
            csv->write(liveReadingsCsvLine(now, values));
        }
        // Readings come at a steady interval, however long each exchange took.
        const qint64 next = static_cast<qint64>(n + 1) * intervalMs;
        if (count <= 0 || n + 1 < count) {
            QThread::msleep(
                static_cast<unsigned long>(std::max<qint64>(0, next - clock.elapsed())));
        }
    }
    return Outcome::Success;
}

// With several ports, each port's file of a kind: "set.el" for ttyUSB0 becomes
// "set-ttyUSB0.el". With one port, the file as named.
QString filePerPort(const QString& path, const QString& port, const QStringList& ports) {
    if (ports.size() < 2) {
        return path;
    }
    const qsizetype name = nameStartOf(path);
    const qsizetype dot = path.lastIndexOf('.');
    const qsizetype at = dot > name ? dot : path.size();
    return path.left(at) + '-' + portInFileName(port) + path.mid(at);
}

} // namespace

Outcome runCommand(const QStringList& arguments, const CommandStreams& io) {
    const QString usage = QStringLiteral(
        "Usage: morvent-cli COMMAND [options]\n"
        "Commands:\n"
        "  ports   list the serial ports\n"
        "  info    identify the controller\n"
        "  read    read the four parameter blocks into a parameter file\n"
        "  write   write a parameter file's values to the controller\n"
        "  watch   show the torque sensor's live readings\n"
        "  report  read the four blocks into a report for the customer (PDF, HTML)\n"
        "  diff    list the parameters whose values differ between two files\n"
        "Run morvent-cli COMMAND --help for a command's options.\n"
        "Output is always in English, whatever the language, for scripts to read.\n");
    // Help and the version are the output of their run: lost, they end it with exit 1.
    const auto answer = [&](const QString& text) {
        if (print(io.out, text)) {
            return Outcome::Success;
        }
        print(io.err, QStringLiteral("morvent-cli: ") + OutputError(errno).what());
        return Outcome::Failure;
    };
    if (arguments.isEmpty()) {
        print(io.err, usage + exitCodes());
        return Outcome::InvalidInput;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        return answer(usage + exitCodes());
    }
    if (arguments[0] == "--version") {
        return answer(
            QStringLiteral("morvent-cli %1\n%2")
                .arg(QStringLiteral(PROJECT_VERSION), QString::fromUtf8(kLicenceNotice).trimmed()));
    }

    const QString& command = arguments[0];
    Common common;
    QCommandLineParser parser;
    parser.addOption(common.help);
    QCommandLineOption output{{"o", "output"}, "The parameter file to write.", "FILE"};
    QCommandLineOption input{
        {"i", "input"}, "The parameter file to write to the controller.", "FILE"};
    QCommandLineOption noVerify{"no-verify", "Do not read the blocks back to compare them."};
    QCommandLineOption interval =
        withDefault("interval", "Time between readings (default %1).", "MS", kDefaultIntervalMs);
    QCommandLineOption count{"count", "Stop after N readings (default: until interrupted).", "N",
                             "0"};
    QCommandLineOption csv{"csv", "Also record the readings to a CSV file.", "FILE"};
    QCommandLineOption reportOutput{
        {"o", "output"},
        "The report to write: FILE.pdf, or FILE.html for the same as HTML.",
        "FILE"};
    QCommandLineOption shop{"shop",
                            "A settings file whose report/ keys (shopName, shopAddress, shopPhone, "
                            "shopEmail, shopLogo, technician) head the report, in place of those "
                            "set in the window's Report Settings.",
                            "FILE"};
    QCommandLineOption note{"note", "A line for the bike or the customer, printed on the report.",
                            "TEXT"};
    if (command == "ports") {
        parser.setApplicationDescription("List the serial ports, with the adapter's description.");
    } else if (command == "info") {
        parser.setApplicationDescription(
            "Probe the baud rate as Connect does and identify the controller.");
        parser.addOptions({common.port, common.simulate, common.timeout, common.json});
    } else if (command == "read") {
        parser.setApplicationDescription("Read the four blocks into a parameter file (.el).");
        parser.addOptions({common.port, common.simulate, common.timeout, common.json, output});
    } else if (command == "write") {
        parser.setApplicationDescription(
            "Write a parameter file's values with the checks and in the order of Write Flash, "
            "then read them back and report every value the controller holds differently.");
        parser.addOptions(
            {common.port, common.simulate, common.timeout, common.json, input, noVerify});
    } else if (command == "report") {
        parser.setApplicationDescription(
            "Read the four blocks and write a report of the controller's identity and every "
            "parameter, grouped as the pages show them, for the customer or the shop's records.");
        parser.addOptions({common.port, common.simulate, common.timeout, reportOutput, note, shop});
    } else if (command == "diff") {
        parser.setApplicationDescription(
            "Compare two parameter files: every parameter whose value differs, page by page, "
            "with its label, unit and both values.");
        parser.addPositionalArgument("A.el", "The first file.");
        parser.addPositionalArgument("B.el", "The second file.");
        parser.addOption(common.json);
    } else if (command == "watch") {
        parser.setApplicationDescription("Show the torque sensor's live readings, one line each.");
        parser.addOptions({common.port, common.simulate, common.timeout, interval, count, csv});
    } else {
        print(io.err, QStringLiteral("morvent-cli: unknown command '%1'\n").arg(command) + usage);
        return Outcome::InvalidInput;
    }

    QStringList withName = arguments;
    withName[0] = QStringLiteral("morvent-cli ") + command;
    if (!parser.parse(withName)) {
        print(io.err, QStringLiteral("morvent-cli %1: %2").arg(command, parser.errorText()));
        return Outcome::InvalidInput;
    }
    if (parser.isSet(common.help)) {
        QString help = parser.helpText();
        help.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                     QStringLiteral("Usage: morvent-cli ") + command);
        return answer(help + '\n' +
                      (command == "diff"
                           ? QStringLiteral("Exit codes: 0 no differences; 1 some differ; 2 a "
                                            "file refused or invalid arguments.")
                           : exitCodes()));
    }
    if (command != "diff" && !parser.positionalArguments().isEmpty()) {
        print(io.err, QStringLiteral("morvent-cli %1: unexpected '%2'")
                          .arg(command, parser.positionalArguments().first()));
        return Outcome::InvalidInput;
    }

    // Only the commands that know --json have it; asking the parser for it elsewhere warns.
    const bool json = parser.optionNames().contains(QStringLiteral("json"));
    // Runs a step and turns whatever ends it early into its exit code and message.
    const auto guarded = [&](const CommandStreams& streams,
                             const std::function<Outcome()>& step) -> Outcome {
        const auto fail = [&](Outcome outcome, const QString& message) {
            const auto inText = [&] {
                say(streams, streams.err,
                    QStringLiteral("morvent-cli %1: %2").arg(command, message));
            };
            try {
                if (json) {
                    sayJson(streams, {{"error", message}, {"exitCode", int(outcome)}});
                } else {
                    inText();
                }
            } catch (const OutputError&) {
                inText();
            }
            return outcome;
        };
        try {
            return step();
        } catch (const OutputError& error) {
            // Said where it can still be read, never in the output that failed.
            say(streams, streams.err,
                QStringLiteral("morvent-cli %1: %2").arg(command, argumentText(error.what())));
            return error.outcome();
        } catch (const SessionError& error) {
            return fail(error.outcome(), argumentText(error.what()));
        } catch (const ConversionError& error) {
            return fail(Outcome::InvalidInput, argumentText(error.what()) + '.');
        } catch (const ParameterFileError& error) {
            // A file that could not be written for want of room or a failing disk is an error of
            // the system, not of what the user asked.
            if (error.systemError() != 0) {
                return fail(writeErrorOutcome(error.systemError()),
                            argumentText(error.what()) + QStringLiteral(": ") +
                                QString::fromLocal8Bit(fileErrorText(error.systemError()).c_str()) +
                                '.');
            }
            return fail(Outcome::InvalidInput, argumentText(error.what()) + '.');
        } catch (const std::bad_alloc&) {
            return fail(Outcome::Failure, QStringLiteral("Out of memory."));
        } catch (const std::exception& error) {
            return fail(Outcome::Failure, argumentText(error.what()));
        } catch (...) {
            return fail(Outcome::Failure, QStringLiteral("An unknown error ended the run."));
        }
    };
    if (command == "diff") {
        return guarded(io, [&] { return diff(parser.positionalArguments(), json, io); });
    }
    if (command == "ports") {
        return guarded(io, [&] {
            for (const PortEntry& port : systemSerialPorts()) {
                printResult(io.out, port.description.isEmpty()
                                        ? port.name
                                        : port.name + '\t' + port.description);
            }
            return Outcome::Success;
        });
    }

    // Everything is checked before anything goes on any line: the arguments, the file whole, the
    // ports named, and the CSV files opened.
    std::chrono::milliseconds timeout{};
    int intervalMs = kDefaultIntervalMs;
    int readings = 0;
    std::optional<ParameterFileContent> file;
    QStringList ports; // an empty name: the simulated controller
    std::vector<std::unique_ptr<CsvFile>> csvFiles;
    DescriptorBudget budget;
    const Outcome checked = guarded(io, [&] {
        if (command == "read" && !parser.isSet(output)) {
            throw SessionError(Outcome::InvalidInput, "Name the file to write with -o FILE.el.");
        }
        if (command == "report") {
            if (!parser.isSet(reportOutput)) {
                throw SessionError(Outcome::InvalidInput,
                                   "Name the report to write with -o FILE.pdf or -o FILE.html.");
            }
        }
        if (command == "write" && !parser.isSet(input)) {
            throw SessionError(Outcome::InvalidInput,
                               "Name the file to write from with -i FILE.el.");
        }
        bool ok = false;
        timeout = std::chrono::milliseconds(parser.value(common.timeout).toInt(&ok));
        if (!ok || timeout.count() <= 0) {
            throw SessionError(Outcome::InvalidInput, "--timeout takes a number of milliseconds.");
        }
        if (command == "watch") {
            bool ok1 = false;
            bool ok2 = false;
            intervalMs = parser.value(interval).toInt(&ok1);
            readings = parser.value(count).toInt(&ok2);
            if (!ok1 || !ok2 || intervalMs <= 0 || readings < 0) {
                throw SessionError(Outcome::InvalidInput,
                                   "--interval and --count take whole numbers above 0.");
            }
        }
        if (command == "write") {
            const ParameterModel lists;
            const ReplacedFiles copies = replacedFiles();
            file = readParameterFile(localBytes(parser.value(input)), &lists, &copies);
            if (!file->problems.empty()) {
                std::string message = "Nothing was sent: " + localBytes(parser.value(input)) +
                                      " is not a complete, valid parameter file:";
                for (const std::string& line : problemLines(file->problems)) {
                    message += "\n  " + line;
                }
                throw SessionError(Outcome::InvalidInput, message);
            }
        }
        if (parser.isSet(common.simulate)) {
            ports << QString();
        } else {
            for (const QString& port : parser.values(common.port)) {
                if (port != QStringLiteral("all")) {
                    ports << port;
                    continue;
                }
                const std::vector<PortEntry> found = systemSerialPorts();
                if (found.empty()) {
                    throw SessionError(Outcome::PortUnavailable,
                                       "-p all found no serial port to use.");
                }
                for (const PortEntry& entry : found) {
                    ports << entry.name;
                }
            }
            ports.removeDuplicates();
            if (ports.isEmpty() || ports.contains(QString())) {
                throw SessionError(Outcome::InvalidInput,
                                   "Name the port with -p PORT, or use --simulate.");
            }
        }
        if (ports.size() > 1) {
            refuseOneDeviceTwice(ports);
            for (const QString& named : {command == "read" ? parser.value(output) : QString(),
                                         command == "watch" ? parser.value(csv) : QString()}) {
                if (!named.isEmpty()) {
                    QStringList files;
                    for (const QString& port : ports) {
                        files << filePerPort(named, port, ports);
                    }
                    refuseSharedFiles(ports, files);
                }
            }
        }
        // Each file a session is to save, checked before any controller is read for it.
        if (command == "read" || command == "report") {
            const QString named = parser.value(command == "read" ? output : reportOutput);
            for (const QString& port : ports) {
                const QString file = filePerPort(named, port, ports);
                const std::string target = localBytes(file);
                std::string problem = targetProblem(target);
                if (problem.empty() && command == "report") {
                    problem = reportTargetProblem(target);
                    problem = problem.empty() ? reportReplaceProblem(target) : problem;
                }
                if (!problem.empty()) {
                    throw SessionError(Outcome::InvalidInput, "Unable to write to " +
                                                                  localBytes(shownName(file)) +
                                                                  ": " + problem + ".");
                }
            }
        }
        budget = descriptorBudget(
            static_cast<std::size_t>(ports.size()),
            command == "watch" && parser.isSet(csv) ? static_cast<std::size_t>(ports.size()) : 0);
        // Sessions beyond what the limit serves at once wait for one to end, which a watch
        // without --count never does.
        if (command == "watch" && readings == 0 &&
            budget.atOnce < static_cast<std::size_t>(ports.size())) {
            throw SessionError(
                Outcome::InvalidInput,
                "The limit of " + std::to_string(budget.limit) + " open files (ulimit -n) serves " +
                    std::to_string(budget.atOnce) + " of the " + std::to_string(ports.size()) +
                    " ports at once, and watch without --count would never get to the others. "
                    "Give --count, name fewer ports, or raise the limit.");
        }
        for (const QString& port : ports) {
            // A FIFO or a device may take the readings as they come; a folder never does.
            if (command == "watch" && parser.isSet(csv)) {
                const QString file = filePerPort(parser.value(csv), port, ports);
                if (specialFileKind(localBytes(file)) == "a folder") {
                    throw SessionError(Outcome::InvalidInput, "Unable to write to " +
                                                                  localBytes(shownName(file)) +
                                                                  ": it is a folder.");
                }
            }
            csvFiles.push_back(command == "watch" && parser.isSet(csv)
                                   ? std::make_unique<CsvFile>(
                                         localBytes(filePerPort(parser.value(csv), port, ports)))
                                   : nullptr);
        }
        return Outcome::Success;
    });
    if (checked != Outcome::Success) {
        return checked;
    }

    ProbeRateMemory rates;
    std::vector<std::optional<std::uint32_t>> firstRates;
    for (const QString& port : ports) {
        firstRates.push_back(port.isEmpty() ? std::nullopt
                                            : rates.rateOf(TComm::devicePath(localBytes(port))));
    }
    std::vector<std::uint32_t> answered(static_cast<std::size_t>(ports.size()), 0);
    // Taken here, so the sessions share only values they read, and only for the commands that
    // know them: asking the parser for others warns.
    const QString outputPath = command == "read"     ? parser.value(output)
                               : command == "report" ? parser.value(reportOutput)
                                                     : QString();
    const QString reportNote = command == "report" ? noteText(parser.value(note)) : QString();
    const ShopDetails reportShop =
        command != "report" ? ShopDetails()
        : parser.isSet(shop)
            ? readShopDetails(QSettings(parser.value(shop), QSettings::IniFormat))
            : readShopDetails(QSettings(QStringLiteral("morvent"), QStringLiteral("morvent")));
    const QString inputPath = command == "write" ? parser.value(input) : QString();
    const bool verify = command == "write" && !parser.isSet(noVerify);
    const auto runOn = [&](std::size_t i, const CommandStreams& streams) {
        return guarded(streams, [&] {
            const QString& port = ports[static_cast<qsizetype>(i)];
            Connection connection(localBytes(port), timeout, firstRates[i], streams);
            answered[i] = connection.session().answeredRate();
            // A controller that floods the line costs nothing but the bytes dropped; said when
            // the session ends, whichever way.
            const auto sayDropped = qScopeGuard([&] {
                if (const std::uint64_t dropped = connection.session().droppedBytes()) {
                    say(streams, streams.err,
                        QStringLiteral("%1 bytes the controller sent beyond its replies were "
                                       "dropped.")
                            .arg(dropped));
                }
            });
            if (command == "info") {
                return info(connection, json, streams);
            }
            if (command == "read") {
                return read(connection, filePerPort(outputPath, port, ports), json, streams);
            }
            if (command == "write") {
                return write(connection, inputPath, *file, verify, json, streams);
            }
            if (command == "report") {
                return report(connection, filePerPort(outputPath, port, ports), reportNote,
                              reportShop, streams);
            }
            return watch(connection, intervalMs, readings, csvFiles[i].get(), streams);
        });
    };

    Outcome worst = Outcome::Success;
    if (ports.size() == 1) {
        worst = runOn(0, io);
    } else {
        // One session a port, each in a thread of its own with its own event loop, so a slow or
        // failing controller holds up nobody else. std::thread rather than QThread, so that
        // ThreadSanitizer judges the sessions too.
        std::vector<Outcome> outcomes(answered.size(), Outcome::Failure);
        std::vector<CommandStreams> streams(answered.size(), io);
        std::vector<std::thread> sessions;
        SessionSlots turns(budget.atOnce);
        RunTally tally;
        tally.total = answered.size();
        tally.descriptor = streamDescriptor(io.err);
        const SignalUndo sayTally(sayTallyOnSignal, &tally);
        if (budget.atOnce < answered.size()) {
            print(io.err,
                  QStringLiteral("Serving %1 ports %2 at a time: the limit of %3 open files "
                                 "(ulimit -n) allows no more.")
                      .arg(answered.size())
                      .arg(budget.atOnce)
                      .arg(budget.limit));
        }
        for (std::size_t i = 0; i < answered.size(); ++i) {
            streams[i].port = ports[static_cast<qsizetype>(i)];
            sessions.emplace_back([&, i] {
                const SessionSlots::Slot turn(turns);
                // Gives the thread its event dispatcher before the port's notifier needs one.
                { QEventLoop dispatcher; }
                outcomes[i] = runOn(i, streams[i]);
                tally.succeeded += outcomes[i] == Outcome::Success;
                ++tally.done;
            });
        }
        for (std::thread& session : sessions) {
            session.join();
        }
        std::size_t succeeded = 0;
        for (const Outcome outcome : outcomes) {
            succeeded += outcome == Outcome::Success;
            worst = worseOf(worst, outcome);
        }
        print(
            io.err,
            QStringLiteral("%1 of %2 controllers succeeded.").arg(succeeded).arg(outcomes.size()));
    }
    for (std::size_t i = 0; i < answered.size(); ++i) {
        if (const QString& port = ports[static_cast<qsizetype>(i)]; !port.isEmpty()) {
            rates.remember(TComm::devicePath(localBytes(port)), answered[i]);
        }
    }
    rates.save();
    return worst;
}

} // namespace morvent
