#include "Commands.h"

#include "BlockCodec.h"
#include "ComboItems.h"
#include "ControllerModel.h"
#include "FieldStore.h"
#include "Frames.h"
#include "IdentityReply.h"
#include "IniDocument.h"
#include "PdfText.h"
#include "Report.h"
#include "ShownParameters.h"
#include "SimulatedController.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace morvent {
namespace {

struct CliResult {
    Outcome outcome;
    QString out;
    QString err;
};

QString drained(std::FILE* stream) {
    std::string text(static_cast<std::size_t>(std::ftell(stream)), '\0');
    std::rewind(stream);
    text.resize(std::fread(text.data(), 1, text.size(), stream));
    std::fclose(stream);
    return QString::fromStdString(text);
}

CliResult run(const QStringList& arguments) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const Outcome outcome = runCommand(arguments, {out, err});
    return {outcome, drained(out), drained(err)};
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class ReportAndDiff : public testing::Test {
protected:
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QTemporaryDir folder;
};

// One line of the page's text: the label, then the values in the order the page shows them.
QRegularExpression lineOf(const QString& label, const QStringList& values) {
    // A page's first line begins after the form feed that ends the page before.
    QString pattern = QStringLiteral("^\\f?") + QRegularExpression::escape(label);
    for (const QString& value : values) {
        pattern += QStringLiteral("\\s+") + QRegularExpression::escape(value);
    }
    return QRegularExpression(pattern, QRegularExpression::MultilineOption);
}

// The report of the simulated controller, as PDF and as HTML: every label and value of the four
// pages on the line of its label, grids as laid out on the page, the identity, the note, on at
// most two A4 pages of real text.
TEST_F(ReportAndDiff, TheReportOfTheSimulatorHoldsEveryLabelAndValue) {
    SimulatedController sim;
    sim.start();
    for (const char* name : {"r.pdf", "r.html"}) {
        SCOPED_TRACE(name);
        const CliResult result = run({"report", "-p", QString::fromStdString(sim.devicePath()),
                                      "-o", path(name), "--note", "Bike 7 <J. Smith>"});
        ASSERT_EQ(result.outcome, Outcome::Success) << result.err.toStdString();
        EXPECT_EQ(result.out.toStdString(),
                  ("Saved the report " + path(name) + "\n").toStdString());
        QString text;
        if (QString(name).endsWith(".pdf")) {
            text = test::pdfText(path(name));
            EXPECT_LE(text.count('\f'), 2) << "pages";
        } else {
            QTextDocument document;
            document.setHtml(fileText(path(name)));
            text = document.toPlainText().replace('\t', ' ');
        }
        ASSERT_FALSE(text.isEmpty());
        for (const char* line :
             {"Manufacturer:KLMN", "Model:PQRS", "Harware Ver: V1.0", "Firmware Ver: V1.2.3.4",
              "Nominal Voltage: 48V", "Max.Current: 25A", "Bike or customer: Bike 7 <J. Smith>"}) {
            EXPECT_TRUE(text.contains(line)) << line;
        }
        EXPECT_TRUE(text.contains(QRegularExpression("Date: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d")));
        // Each value as the controller's reply puts it on the page, through the same codec.
        FieldStore pages;
        fillParameterCombos(pages);
        sim.withModel([&pages](ControllerModel& m) {
            applyIdentity(m.identity(), pages);
            for (const Block block : kAllBlocks) {
                const Command command = layout(block).command;
                applyReadReply(block, readReply(command, m.image(command)), pages);
            }
        });
        const auto value = [&pages](const std::string& control) {
            return QString::fromStdString(shownValue(pages, control));
        };
        std::map<std::string, QStringList> gridRows;
        for (const ShownParameter& p : shownParameters()) {
            if (p.column.empty()) {
                QStringList values{value(p.control)};
                if (!p.unit.empty()) {
                    values << QString::fromStdString(p.unit);
                }
                EXPECT_TRUE(text.contains(lineOf(QString::fromStdString(p.label), values)))
                    << p.label;
            } else {
                gridRows[p.label] << value(p.control);
            }
        }
        for (const auto& [label, values] : gridRows) {
            EXPECT_TRUE(text.contains(lineOf(QString::fromStdString(label), values))) << label;
        }
    }
}

// A report target that cannot be written is refused before the controller is read.
TEST_F(ReportAndDiff, AReportThatCannotBeWrittenIsRefusedBeforeTheControllerIsRead) {
    std::filesystem::create_symlink("gone/r.pdf", path("dangling.pdf").toStdString());
    std::filesystem::create_directory(path("folder.pdf").toStdString());
    const struct {
        QStringList arguments;
        QString says;
    } cases[] = {
        {{}, "Name the report to write with -o FILE.pdf or -o FILE.html."},
        {{"-o", path("r.txt")},
         "Unable to write to " + path("r.txt") + ": name the report FILE.pdf or FILE.html."},
        {{"-o", path("none/r.pdf")},
         "Unable to write to " + path("none/r.pdf") + ": No such file or directory."},
        {{"-o", path("dangling.pdf")},
         "Unable to write to " + path("dangling.pdf") +
             ": it is a symbolic link to gone/r.pdf, which does "
             "not exist."},
        {{"-o", path("folder.pdf")},
         "Unable to write to " + path("folder.pdf") + ": Is a directory."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        SimulatedController sim;
        sim.start();
        const CliResult result = run(
            QStringList{"report", "-p", QString::fromStdString(sim.devicePath())} + c.arguments);
        EXPECT_EQ(result.outcome, Outcome::InvalidInput);
        EXPECT_EQ(result.err.toStdString(), ("morvent-cli report: " + c.says + "\n").toStdString());
        EXPECT_EQ(sim.receivedRequests().size(), 0U);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(path("dangling.pdf").toStdString()));
    EXPECT_FALSE(QFile::exists(path("none")));
}

// diff lists what two files would load differently, page by page, and ends as diff does.
TEST_F(ReportAndDiff, DiffListsEveryParameterTheFilesGiveDifferentlyAndEndsAsDiffDoes) {
    const auto write = [this](const char* name,
                              const std::vector<std::array<const char*, 3>>& keys) {
        IniDocument document;
        for (const auto& [section, key, value] : keys) {
            document.setValue(section, key, value);
        }
        std::ofstream(path(name).toStdString(), std::ios::binary) << document.text();
    };
    write("a.el", {{"Basic", "LC", "25"},
                   {"Basic", "WD", "3"},
                   {"Torque", "SS20", "4"},
                   {"Pedal Assist", "SC", "30"},
                   {"Throttle Handle", "SC", "20"}});
    write("b.el", {{"Basic", "LC", "0x19"},
                   {"Basic", "WD", "4"},
                   {"Torque", "SS20", "5"},
                   {"Pedal Assist", "SC", "30"},
                   {"Throttle Handle", "SC", "x"}});
    write("c.el", {{"Basic", "LC", "25"},
                   {"Basic", "WD", "3"},
                   {"Torque", "SS20", "4"},
                   {"Pedal Assist", "SC", "30"}});
    std::ofstream(path("utf16.el").toStdString(), std::ios::binary)
        << std::string("\xFF\xFE[\0B\0]\0", 8);
    const struct {
        QStringList arguments;
        Outcome outcome;
        QString out;
    } cases[] = {
        {{path("a.el"), path("a.el")}, Outcome::Success, ""},
        // 25 and 0x19 load alike; a list by its item; a grid cell by its row and column.
        {{path("a.el"), path("b.el")},
         Outcome::Failure,
         "Basic: Wheel Diameler(Inch): 19 -> 20 (inch)\n"
         "Throttle Handle: Start Current(%): 20 -> x (not a whole number) (%)\n"
         "Torque: Start(Kg) Spd20: 4 -> 5 (Kg)\n"},
        {{path("a.el"), path("c.el")},
         Outcome::Failure,
         "Throttle Handle: Start Current(%): 20 -> (missing) (%)\n"},
        {{path("a.el"), path("c.el"), "--json"},
         Outcome::Failure,
         "{\"a\":\"20\",\"b\":\"(missing)\",\"key\":\"SC\",\"label\":\"Start "
         "Current(%)\",\"page\":\"Throttle Handle\",\"unit\":\"%\"}\n"},
        {{path("a.el"), path("utf16.el")}, Outcome::InvalidInput, ""},
        {{path("a.el")}, Outcome::InvalidInput, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliResult result = run(QStringList{"diff"} + c.arguments);
        EXPECT_EQ(result.outcome, c.outcome) << result.err.toStdString();
        EXPECT_EQ(result.out.toStdString(), c.out.toStdString());
        EXPECT_EQ(result.err.isEmpty(), c.outcome != Outcome::InvalidInput)
            << result.err.toStdString();
    }
    EXPECT_TRUE(run({"diff", path("a.el"), path("utf16.el")}).err.contains("UTF-16"));
}

} // namespace
} // namespace morvent
