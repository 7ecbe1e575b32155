// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// What the window keeps beside the pages: backups, comparisons and the pages' undo.
#include "Form1Fixture.h"

#include "BackupKeeper.h"
#include "ComparisonMarks.h"
#include "FieldStore.h"
#include "IniDocument.h"
#include "LoadWindow.h"
#include "ParameterFile.h"
#include "ParameterModel.h"
#include "ParameterTable.h"
#include "PdfText.h"
#include "Report.h"
#include "SaveWindow.h"
#include "ShownParameters.h"
#include "StatusNote.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace morvent {
namespace {

using test::Form1Test;
using test::waitFor;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Backups : public Form1Test {
protected:
    QString folder() const { return options.backupsDirectory + "/KLMN-PQRS"; }
    QStringList files() const {
        return QDir(folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    StatusNote* note() { return find<StatusNote>("BackupNote"); }
};

TEST_F(Backups, EveryReadFlashKeepsTheValuesReadInANewSavedFileOrSaysWhyNot) {
    EXPECT_FALSE(note()->isProblem()); // a note that has said nothing warns of nothing
    // The folder opens even before the first backup.
    find<QAction>("OpenBackupsFolder1")->trigger();
    EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(options.backupsDirectory)});
    EXPECT_TRUE(QFileInfo(options.backupsDirectory).isDir());
    connectController();
    readFlash();
    ASSERT_EQ(files().size(), 1) << files().join(' ').toStdString();
    const QString name = files()[0]; // named by the second (checked with the keeper's names)
    const QString first = folder() + "/" + name;
    EXPECT_EQ(note()->text(), "Backup kept: " + name);
    EXPECT_FALSE(note()->isProblem());
    EXPECT_EQ(note()->toolTip(), first);
    // Byte for byte what "Save" writes for the same pages.
    SaveParameterFile(form->fields(), scratchFile("saved.el").toStdString(),
                      form->backups().replacedFiles());
    EXPECT_EQ(bytesOf(first), bytesOf(scratchFile("saved.el")));

    // The controller now holds another value; the first backup keeps the old one.
    Bytes basic = image(Block::Basic);
    --basic[12];
    sim.withModel([&](ControllerModel& m) { m.setImage(Command::Basic, basic); });
    const QByteArray firstBytes = bytesOf(first);
    readFlash();
    ASSERT_EQ(files().size(), 2);
    EXPECT_EQ(bytesOf(first), firstBytes);
    EXPECT_NE(bytesOf(folder() + "/" + files()[1]), firstBytes);
    // "Load Backup..." starts in this controller's folder and loads through Load's own path.
    chosenFile = first;
    find<QAction>("LoadBackup1")->trigger();
    EXPECT_EQ(offeredFolders, std::vector<QString>{folder()});
    SaveParameterFile(form->fields(), scratchFile("loaded.el").toStdString(),
                      form->backups().replacedFiles());
    EXPECT_EQ(bytesOf(scratchFile("loaded.el")), firstBytes);

    // A backup that cannot be written is shown as such, and Read Flash ends as ever.
    ASSERT_TRUE(QDir(folder()).removeRecursively());
    QFile blocker(folder()); // a file stands where the folder would go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    readFlash();
    EXPECT_EQ(note()->text(), "No backup kept");
    EXPECT_TRUE(note()->isProblem() && note()->toolTip().contains(folder()));
}

// A folder per controller, named safely whatever its texts hold, and a file per backup, named
// by its second, with a number after it for a second backup in the same second.
TEST(BackupKeeper, NamesAFolderPerControllerAndAFilePerBackup) {
    const std::pair<std::string, QString> names[] = {{"AZaz09", "AZaz09"},
                                                     {"x.y_-", "x.y_-"},
                                                     {"A/B ", "A_B_"},
                                                     {"..", "unknown"},
                                                     {"", "unknown"},
                                                     {std::string(4, '\0'), "unknown"},
                                                     {"\xc3\xa9t\xc3\xa9", "__t__"}};
    for (const auto& [text, name] : names) {
        EXPECT_EQ(BackupKeeper::safeName(text), name) << text;
    }
    QTemporaryDir dir;
    BackupKeeper keeper(dir.filePath("backups"));
    keeper.setController("KLMN", "PQRS");
    FieldStore fields;
    for (const Parameter& row : parameterTable()) {
        fields.setText(row.control, row.kind == ParameterKind::Number ? "5" : "");
    }
    const QDateTime now(QDate(2024, 5, 1), QTime(14, 3, 22, 100));
    const QString stem = dir.filePath("backups/KLMN-PQRS/2024-05-01_14-03-22");
    for (const auto& [late, path] :
         {std::pair{0, stem + ".el"}, {800, stem + "_2.el"}, {850, stem + "_3.el"}}) {
        const BackupKeeper::Outcome kept = keeper.keep(fields, now.addMSecs(late));
        EXPECT_TRUE(kept.kept) << kept.error.toStdString();
        EXPECT_EQ(kept.path, path);
    }
    // Out of descriptors, a backup is not kept, and says where it could not write.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &before), 0);
    const int lowestFree = ::dup(0);
    ::close(lowestFree);
    const rlimit few{static_cast<rlim_t>(lowestFree), before.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &few), 0);
    const BackupKeeper::Outcome refused = keeper.keep(fields, now.addMSecs(880));
    ::setrlimit(RLIMIT_NOFILE, &before);
    EXPECT_FALSE(refused.kept);
    EXPECT_EQ(refused.error.toStdString(), ("Unable to write to " + stem + "_4.el").toStdString());
}

// The Save window replaces the file it names without a question, as it always has; what the
// file held is in the backups' replaced/ folder first, and the status bar says where. A new
// file's save is confirmed with its path; Ctrl+S gives the name field the keyboard.
TEST_F(Backups, SavingOverAFileKeepsWhatItHeldAndSaysWhere) {
    form->ui().ComboBox3->setEditText("48");
    const QString file = scratchFile("bike2.el");
    form->Form4()->setDirectory(scratchFile(""));
    form->Save1Click();
    EXPECT_EQ(form->Form4()->focusWidget(), form->Form4()->Edit1);
    form->Form4()->Edit1->setText("bike2.el");
    QTest::keyClick(form->Form4()->Edit1, Qt::Key_Return);
    EXPECT_EQ(note()->text(), "Saved: " + QDir::toNativeSeparators(file));
    std::ofstream(file.toStdString()) << "[Basic]\r\nLC=17\r\n";
    form->Form4()->show();
    form->Form4()->Edit1->setText("bike2.el");
    QTest::keyClick(form->Form4()->Edit1, Qt::Key_Return);
    EXPECT_TRUE(boxes.shown.empty() && bytesOf(file).contains("[Torque]"));
    const QString kept =
        QString::fromStdString(ReplacedFiles((options.backupsDirectory + "/replaced").toStdString())
                                   .folderFor(file.toStdString()));
    const QStringList copies = QDir(kept).entryList({"*.el"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(bytesOf(kept + "/" + copies[0]), "[Basic]\r\nLC=17\r\n");
    EXPECT_EQ(note()->text(), "What bike2.el held is kept in replaced/" +
                                  QFileInfo(kept).fileName() + "/" + copies[0]);
    // A name without ".el" is saved as typed, and the note says where Load will list it.
    form->Form4()->show();
    form->Form4()->Edit1->setText("bike3");
    QTest::keyClick(form->Form4()->Edit1, Qt::Key_Return);
    EXPECT_TRUE(QFile::exists(scratchFile("bike3")));
    EXPECT_TRUE(
        note()->text().endsWith(R"(has no ".el", so Load lists it under "All files" only.)"));
}

class Compare : public Form1Test {
protected:
    void SetUp() override {
        connectController();
        readFlash();
        chosenFile = scratchFile("shop.el");
    }
    struct Change {
        const char* section;
        const char* key;
        std::string value;
    };
    // The file holds the window's values but for the changes.
    void writeComparisonFile(const std::vector<Change>& changes) {
        SaveParameterFile(form->fields(), chosenFile.toStdString(),
                          form->backups().replacedFiles());
        IniDocument document(bytesOf(chosenFile).toStdString());
        for (const Change& change : changes) {
            document.setValue(change.section, change.key, change.value);
        }
        QFile file(chosenFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::fromStdString(document.text()));
    }
    std::string plusOne(int edit) const {
        return std::to_string(form->ui().edit(edit)->text().toInt() + 1);
    }
    void compare() { find<QAction>("CompareWithFile1")->trigger(); }
    QStringList marked() const { return form->comparison().markedControls(); }
    QString note() { return find<StatusNote>("ComparisonNote")->text(); }
    QAction* clearAction() const { return find<QAction>("ClearComparison1"); }
    bool tabMarked(int page) const { return !notebook()->tabIcon(page).isNull(); }
};

TEST_F(Compare, MarksExactlyTheFieldsThatDifferFromTheFileUntilTheyAreEditedReadOrCleared) {
    writeComparisonFile({}); // a file like the window
    compare();
    EXPECT_TRUE(marked().isEmpty());

    QComboBox* wheel = form->ui().ComboBox4;
    const int wheelInFile = (wheel->currentIndex() + 3) % wheel->count();
    writeComparisonFile({
        {"Basic", "LC", plusOne(1)}, // differs
        {"Basic", "ALC3",
         "0x" + QString::number(form->ui().edit(5)->text().toInt(), 16)
                    .toStdString()},                  // the same number, in hex
        {"Basic", "WD", std::to_string(wheelInFile)}, // another item
        {"Basic", "SMM", "-1"},                       // nothing selected
        {"Throttle Handle", "DA", "99"},              // no such item: nothing selected
        {"Torque", "SS40", plusOne(46)},              // differs
        {"Torque", "MAS100", " " + form->ui().edit(73)->text().toStdString()}, // the same
    });
    // In the window: nothing selected in two lists, and a field that is not a number.
    form->ui().ComboBox12->setCurrentIndex(-1); // as the file's 99 loads
    form->ui().ComboBox13->setCurrentIndex(-1); // the file holds an item
    form->ui().edit(40)->clear();

    compare();
    EXPECT_EQ(marked(),
              QStringList({"Edit1", "ComboBox4", "ComboBox5", "ComboBox13", "Edit40", "Edit46"}));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(note(), "6 fields differ from shop.el");
    EXPECT_TRUE(clearAction()->isEnabled());
    EXPECT_EQ(std::vector<bool>({tabMarked(0), tabMarked(1), tabMarked(2), tabMarked(3)}),
              std::vector<bool>({true, false, true, true}));
    EXPECT_EQ(form->ui().edit(1)->toolTip().section('\n', 0, 0),
              QString::fromStdString("In shop.el: " + plusOne(1)));
    EXPECT_EQ(form->ui().ComboBox5->toolTip().section('\n', 0, 0),
              "In shop.el: nothing selected (-1)");
    EXPECT_NE(form->findChild<QWidget*>("Edit1Mark"), nullptr);
    const QString described = form->ui().edit(1)->accessibleDescription(); // with its own help
    EXPECT_TRUE(described.endsWith(parameterHelp("Edit1").c_str()) && described.startsWith("In"));
    // The dialog offered the controller's backups first.
    EXPECT_EQ(offeredFolders.back(), options.backupsDirectory + "/KLMN-PQRS");

    // A mark goes when its field is edited, with the field's own help back.
    QTest::keyClick(form->ui().edit(1), Qt::Key_Backspace);
    form->ui().ComboBox4->setCurrentIndex(wheelInFile);
    EXPECT_EQ(marked(), QStringList({"ComboBox5", "ComboBox13", "Edit40", "Edit46"}));
    // (a change not written, as typed after the read)
    const QString tip = form->ui().edit(1)->toolTip();
    EXPECT_TRUE(tip.startsWith("Changed: the controller holds ")) << tip.toStdString();
    EXPECT_TRUE(tip.endsWith(QString::fromStdString(parameterHelp("Edit1"))));
    // ... when its page is read again, even where the value read is the one shown ...
    button("BitBtn14")->click();
    awaitReply();
    EXPECT_EQ(marked(), QStringList({"ComboBox5", "ComboBox13"}));
    EXPECT_EQ(note(), "2 fields differ from shop.el");
    EXPECT_FALSE(tabMarked(3));
    // ... not when a file cannot be read or none is chosen ...
    chosenFile = scratchFile("missing.el");
    compare();
    EXPECT_EQ(boxes.shown, std::vector<QString>{"error: Unable to read " + chosenFile + "."});
    chosenFile.clear();
    compare();
    EXPECT_EQ(marked(), QStringList({"ComboBox5", "ComboBox13"}));
    // ... and all go when the comparison is cleared.
    clearAction()->trigger();
    EXPECT_TRUE(marked().isEmpty());
    EXPECT_EQ(note(), "");
    EXPECT_FALSE(clearAction()->isEnabled() || notebook()->tabToolTip(0).contains("differ"));
}

TEST_F(Form1Test, UndoPutsBackAPageAsReadOrLoadedAndLeavesTheOtherPagesAlone) {
    const auto load = [this](const QString& name) {
        form->Form5()->setDirectory(scratchFile(""));
        form->Form5()->show();
        form->Form5()->Edit1->setText(name);
        form->Form5()->BitBtn1->click();
    };
    // A load that fails gives nothing to undo; a page read gives that page.
    load("missing.el");
    EXPECT_EQ(boxes.shown.size(), 1u);
    connectController();
    button("BitBtn5")->click();
    awaitReply();
    EXPECT_TRUE(button("UndoBasic")->isEnabled());
    EXPECT_EQ(enabledCount(
                  {button("UndoPedalAssist"), button("UndoThrottleHandle"), button("UndoTorque")}),
              0);

    // Each page's undo puts back its own fields as read, and only those.
    readFlash();
    const std::vector<QString> read = snapshot();
    const std::pair<const char*, int> pages[] = {
        {"UndoBasic", 12}, {"UndoPedalAssist", 23}, {"UndoThrottleHandle", 28}, {"UndoTorque", 60}};
    for (const auto& [undo, edit] : pages) {
        form->ui().edit(edit)->setText("7");
    }
    form->ui().ComboBox4->setCurrentIndex(-1);
    std::vector<QString> expected = snapshot();
    for (const auto& [undo, edit] : pages) {
        button(undo)->click();
        expected[static_cast<std::size_t>(edit - 1)] = read[static_cast<std::size_t>(edit - 1)];
        expected[97] = read[97]; // ComboBox4, on the Basic page
        EXPECT_EQ(snapshot(), expected) << undo;
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(form->PendingRequest(), NothingAwaited); // nothing went to the controller

    // After a load, undo goes back to what was loaded.
    form->ui().edit(12)->setText("44");
    find<QComboBox>("ComboBox7")->setCurrentIndex(2);
    SaveParameterFile(form->fields(), scratchFile("set.el").toStdString(),
                      form->backups().replacedFiles());
    button("BitBtn5")->click(); // the Basic page from the controller again
    awaitReply();
    load("set.el");
    ASSERT_FALSE(form->Form5()->isVisible());
    const std::vector<QString> loaded = snapshot();
    form->ui().edit(12)->setText("1");
    find<QComboBox>("ComboBox7")->setCurrentIndex(0);
    load("missing.el"); // a load that fails leaves what undo puts back as it was
    button("UndoBasic")->click();
    button("UndoPedalAssist")->click();
    EXPECT_EQ(snapshot(), loaded);
}

// The report is of what the pages show, typed values marked, with the line asked for, as PDF
// (also when named without its kind) or printed; a question cancelled or a bad file saves none.
TEST_F(Form1Test, ExportAndPrintReportWhatThePagesShow) {
    connectController();
    readFlash();
    setText("Edit23", "77");
    std::filesystem::create_symlink("gone.pdf", scratchFile("dangling.pdf").toStdString());
    // The shop's name, set once, heads the report.
    fillSettings = [](QDialog& dialog) {
        dialog.findChildren<QLineEdit*>().first()->setText("Shop One");
        return true;
    };
    find<QAction>("ReportSettings1")->trigger();
    // The action, the line asked for (none: cancelled), the file chosen, where the report lands.
    const std::tuple<const char*, std::optional<QString>, QString, const char*> cases[] = {
        {"ExportReport1", "Bike 7", "r.pdf", "r.pdf"},
        {"ExportReport1", "Bike 8", "r8", "r8.pdf"},
        {"ExportReport1", std::nullopt, "never.pdf", nullptr},
        {"ExportReport1", "Bike 11", "dangling.pdf", nullptr},
        {"Print1", "Bike 12", "printed.pdf", "printed.pdf"},
    };
    for (const auto& [action, note, file, saved] : cases) {
        SCOPED_TRACE(file.toStdString());
        reportNote = note;
        reportFile = scratchFile(file);
        boxes.shown.clear();
        find<QAction>(action)->trigger();
        EXPECT_FALSE(QFile::exists(scratchFile("never.pdf")));
        EXPECT_EQ(boxes.shown.size(), file == "dangling.pdf" ? 1U : 0U);
        if (saved) {
            const QString text = test::pdfText(scratchFile(saved));
            EXPECT_TRUE(text.contains("Bike or customer: " + *note)) << text.toStdString();
            EXPECT_TRUE(text.startsWith("Shop One"));
            EXPECT_TRUE(text.contains( // typed, not written: marked, with the controller's
                QRegularExpression("Start Current\\(%\\)\\s+77 T \\(controller: 30\\)")));
        }
    }
    EXPECT_EQ(find<StatusNote>("BackupNote")->text(), "Report saved: r8.pdf");
    // Closed, another bike connected and not read, a value typed: nothing is this controller's.
    button("BitBtn11")->click();
    connectController();
    setText("Edit24", "12");
    reportNote = "Bike 13";
    reportFile = scratchFile("other.pdf");
    find<QAction>("ExportReport1")->trigger();
    const QString other = test::pdfText(scratchFile("other.pdf"));
    EXPECT_FALSE(other.contains("Read from this controller") || other.contains("(controller:"))
        << other.toStdString();
    EXPECT_EQ(other.count("these values were left on the page"), 3); // the pages of one source
    EXPECT_TRUE(other.contains(QRegularExpression("\\s12 T\\s")) && other.contains("77 E") &&
                other.contains("T: typed in, and not written"));
}

// A value the pages show that is not what the controller holds is marked, with both values.
TEST(ReportContentTest, MarksEveryValueNotWhatTheControllerHolds) {
    ParameterModel pages;
    for (const ShownParameter& p : shownParameters()) {
        pages.setText(p.control, "5");
    }
    pages.learn(Block::PedalAssist);
    pages.learn(Block::Torque);
    pages.setText("Edit23", "31");
    pages.setText("Edit45", "7");
    QTextDocument document;
    document.setHtml(reportHtml(reportOf(pages, &pages, "")));
    const QString text = document.toPlainText();
    EXPECT_EQ(text.count("controller: 5"), 2) << text.toStdString();
    EXPECT_TRUE(text.contains("31 T (controller: 5)") && text.contains("7 T (controller: 5)"));
    // The legend explains the marks there are, and no other.
    EXPECT_TRUE(text.contains("T: typed in, and not written") && !text.contains("F: loaded"));
    document.setHtml(reportHtml(reportOf(pages, nullptr, "")));
    EXPECT_FALSE(document.toPlainText().contains("controller:"));
}

// Where the values come from, page by page unless all were read, and first what this visit
// changed in the controller, before and after.
TEST(ReportContentTest, SaysWhereValuesComeFromAndWhatTheVisitChanged) {
    ParameterModel pages;
    for (const ShownParameter& p : shownParameters()) {
        pages.setText(p.control, "5");
    }
    pages.connected();
    pages.learn(Block::PedalAssist);
    pages.setText("Edit23", "31");
    pages.learn(Block::PedalAssist); // written, and accepted
    pages.learn(Block::Torque);
    QTextDocument document;
    document.setHtml(reportHtml(reportOf(pages, &pages, "")));
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.contains(QRegularExpression(
        "Changes in this visit\\s+Setting\\s+Before\\s+After\\s+Pedal Assist: Start "
        "Current\\(%\\)\\s+5\\s+31\\s+Basic")))
        << text.toStdString();
    EXPECT_EQ(text.count("Not read from this controller: these values were left"), 2);
    EXPECT_EQ(text.count("Read from this controller at"), 2);
    pages.learn(Block::Basic);
    pages.learn(Block::ThrottleHandle);
    document.setHtml(reportHtml(reportOf(pages, &pages, "")));
    EXPECT_EQ(document.toPlainText().count("Read from this controller at"), 1);
    // A file loaded over the read values, then a value typed: pages of mixed sources.
    pages.setText("Edit1", "9");
    pages.loaded();
    pages.setText("Edit23", "8");
    document.setHtml(reportHtml(reportOf(pages, &pages, "")));
    const QString mixed = document.toPlainText().simplified();
    EXPECT_TRUE(mixed.contains("9 F (controller: 5)") && mixed.contains("8 T (controller: 31)") &&
                mixed.contains("but for the values marked") && mixed.contains("F: loaded from"))
        << mixed.toStdString();
}

// Dates, times and decimals as the user's language writes them.
TEST(ReportContentTest, PutsDatesTimesAndDecimalsInTheUsersLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ParameterModel pages;
    pages.setSelectedIndex("ComboBox10", 26); // a ratio of 3.5
    const QString html =
        reportHtml(reportOf(pages, nullptr, "", QDateTime(QDate(2026, 12, 7), QTime(14, 5))));
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(html.contains("07.12.2026 14:05") && html.contains("at 14:05") &&
                html.contains(">3,5<"))
        << html.toStdString();
}

} // namespace
} // namespace morvent
