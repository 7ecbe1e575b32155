#include "Form1Fixture.h"

#include "ComboItems.h"
#include "FieldStore.h"
#include "PdfText.h"
#include "Report.h"
#include "ReportActions.h"
#include "ShownParameters.h"
#include "StatusNote.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <filesystem>

namespace morvent {
namespace {

using test::Form1Test;

// The window's report is of what the pages show, typed values included, with the line asked
// for; saved as PDF or HTML, or printed. Cancelling either question does nothing.
TEST_F(Form1Test, ExportAndPrintReportWhatThePagesShow) {
    connectController();
    readFlash();
    setText("Edit23", "77");
    std::filesystem::create_symlink("gone.pdf", scratchFile("dangling.pdf").toStdString());
    const struct {
        const char* action;
        std::optional<QString> note; // none: the question cancelled
        QString file;                // the report file, or the printer's
        QString box;                 // the error shown, if any
        const char* saved;           // the file it lands in, if any
    } cases[] = {
        {"ExportReport1", "Bike 7, J. Smith", "r.pdf", "", "r.pdf"},
        {"ExportReport1", "Bike 8", "r", "", "r.pdf"},
        {"ExportReport1", "Bike 9", "r.html", "", "r.html"},
        {"ExportReport1", std::nullopt, "cancelled.pdf", "", nullptr},
        {"ExportReport1", "Bike 10", "", "", nullptr},
        {"ExportReport1", "Bike 11", "dangling.pdf", "error: Unable to write to ", nullptr},
        {"Print1", "Bike 12", "printed.pdf", "", "printed.pdf"},
        {"Print1", "Bike 13", "", "", nullptr},
        {"Print1", std::nullopt, "never.pdf", "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note.value_or("(cancelled)").toStdString() + " " + c.action);
        QFile::remove(scratchFile("r.pdf"));
        reportNote = c.note;
        (std::string(c.action) == "Print1" ? printFile : reportFile) =
            c.file.isEmpty() ? QString() : scratchFile(c.file);
        boxes.shown.clear();
        find<QAction>(c.action)->trigger();
        EXPECT_EQ(boxes.shown.empty(), c.box.isEmpty());
        if (!c.box.isEmpty()) {
            ASSERT_EQ(boxes.shown.size(), 1U);
            EXPECT_TRUE(boxes.shown[0].startsWith(c.box)) << boxes.shown[0].toStdString();
            EXPECT_TRUE(std::filesystem::is_symlink(scratchFile(c.file).toStdString()));
        }
        for (const char* never : {"cancelled.pdf", "never.pdf"}) {
            EXPECT_FALSE(QFile::exists(scratchFile(never)));
        }
        if (!c.saved) {
            continue;
        }
        const QString saved = scratchFile(c.saved);
        QString text;
        if (saved.endsWith(".html")) {
            QFile html(saved);
            ASSERT_TRUE(html.open(QIODevice::ReadOnly));
            QTextDocument document;
            document.setHtml(QString::fromUtf8(html.readAll()));
            text = document.toPlainText();
        } else {
            text = test::pdfText(saved);
        }
        EXPECT_TRUE(text.contains("Bike or customer: " + *c.note)) << text.toStdString();
        EXPECT_TRUE(text.contains(QRegularExpression("Start Current\\(%\\)\\s+77\\s+%")));
        EXPECT_TRUE(text.contains("Model:PQRS"));
        if (std::string(c.action) == "ExportReport1") {
            EXPECT_EQ(find<StatusNote>("BackupNote")->text(), "Report saved: " + QString(c.saved));
        }
    }
}

// A value the pages show that is not what the controller holds is marked, with both values.
TEST(ReportContentTest, MarksEveryValueNotWhatTheControllerHolds) {
    FieldStore pages;
    FieldStore held;
    for (FieldStore* fields : {&pages, &held}) {
        fillParameterCombos(*fields);
        for (const ShownParameter& p : shownParameters()) {
            fields->setText(p.control, "5");
        }
    }
    pages.setText("Edit23", "31");
    pages.setText("Edit45", "7");
    QTextDocument document;
    document.setHtml(reportHtml(reportOf(pages, &held, "")));
    const QString text = document.toPlainText();
    EXPECT_EQ(text.count(" * (controller: 5)"), 2) << text.toStdString();
    EXPECT_TRUE(text.contains("31 * (controller: 5)"));
    EXPECT_TRUE(text.contains("7 * (controller: 5)"));
    EXPECT_TRUE(text.contains("is not what the controller holds"));
    document.setHtml(reportHtml(reportOf(pages, nullptr, "")));
    EXPECT_FALSE(document.toPlainText().contains("controller"));
}

} // namespace
} // namespace morvent
