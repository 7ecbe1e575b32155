// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Form1Fixture.h"

#include "AboutBox.h"
#include "GettingStarted.h"
#include "KeyboardNavigation.h"
#include "Layout.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "LoadWindow.h"
#include "ParameterFile.h"
#include "ParameterTable.h"
#include "ReviewChanges.h"
#include "SaveWindow.h"
#include "TrafficDescription.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTextBrowser>

#include <qcustomplot.h>

#include <functional>

namespace morvent {
namespace {

using test::Form1Test;

// A language in force before the window is made, and English again after.
struct InLanguage {
    explicit InLanguage(const QString& code) : used(useLanguage(code)) {}
    ~InLanguage() { useLanguage(QStringLiteral("en")); }
    QString used;
};

class Languages : public testing::TestWithParam<const char*> {
protected:
    InLanguage language{QString::fromLatin1(GetParam())};
    test::RecordedBoxes boxes;
    test::SimulatedWindow window{boxes, [this](TForm1::Options& o) {
                                     o.askReportNote = [] { return std::optional<QString>(""); };
                                     o.chooseReportFile = [this] { return report(); };
                                 }};
    QString report() const { return window.scratch.filePath("report.html"); }
};

// Captions, pages and the protocol's texts come from the catalogue, the combo boxes still give
// the protocol its English, and at 1280x720 and at the designed size (on 1920x1080) no page, the
// right panel or the other windows has a control squeezed or cut, nor is the window scrolled
// sideways: it is as wide as the words need where the screen has the room.
TEST_P(Languages, TranslateTheWindowAndClipNothing) {
    TForm1& form = *window.form;
    Form1Ui& ui = form.ui();
    ASSERT_EQ(language.used, QString::fromLatin1(GetParam()));
    const std::pair<QString, const char*> shown[] = {
        {form.windowTitle(), "Controller System"},
        {ui.TabbedNotebook1->tabText(0), "Basic"},
        {withoutAccessKey(ui.BitBtn1->text()), "Connect"},
        {ui.EditMenu->title(), "&Edit"},
        {ui.Label6->text(), "Manufacturer:"},
        {ui.ComboBox6->itemText(0), "None"},
        {ui.ComboBox7->currentText(), "By Display's Command"},
        {ui.edit(1)->toolTip().section('\n', 0, 0), "Limited current: the controller's overall "
                                                    "current limit."},
        {form.liveReadings().window().series[4]->name(), "TqVoltate (mV)"},
        {shownText(describeReplyWording(Bytes{0x55, 0x47, 0x00}, SingleWrite)),
         "Torque write: checksum error"}};
    for (const auto& [text, english] : shown) {
        EXPECT_NE(text, QString::fromUtf8(english)) << english;
    }
    EXPECT_EQ(form.fields().text("ComboBox7"), "By Display's Command");
    // A key's section reads as it does in the file.
    EXPECT_TRUE(ui.edit(23)->toolTip().contains("[Pedal Assist]"));
    // Alt and one key reaches the buttons a technician presses most and every field's caption;
    // no two on a page, the right panel and the menus included, share one.
    for (QAbstractButton* b : {ui.BitBtn1, ui.BitBtn11, ui.BitBtn2, ui.BitBtn3, ui.BitBtn5,
                               ui.BitBtn4, ui.BitBtn12, ui.BitBtn13, ui.PlotButton}) {
        EXPECT_FALSE(accessKey(b->text()).isNull()) << b->objectName().toStdString();
    }
    const auto unique = [&](QList<const QWidget*> areas, bool menus) {
        QList<QChar> keys;
        for (const QAction* menu : menus ? form.menuBar()->actions() : QList<QAction*>{}) {
            keys << accessKey(menu->text());
        }
        for (const QWidget* area : areas) {
            for (const QAbstractButton* b : area->findChildren<QAbstractButton*>()) {
                keys << accessKey(b->text());
            }
            for (const QLabel* l : area->findChildren<QLabel*>()) {
                keys << accessKey(l->text());
            }
        }
        keys.removeAll(QChar());
        return QSet<QChar>(keys.begin(), keys.end()).size() == keys.size();
    };
    for (int page = 0; page < ui.TabbedNotebook1->count(); ++page) {
        EXPECT_TRUE(unique({ui.Panel2, ui.TabbedNotebook1->widget(page)}, true)) << page;
    }
    EXPECT_TRUE(unique({form.Form4()}, false) && unique({&form.review()}, false));
    // A value that is a list's first item selects it and shows it in the window's language.
    form.fields().setText("ComboBox6", "None");
    EXPECT_EQ(ui.ComboBox6->currentIndex(), 0);
    EXPECT_EQ(ui.ComboBox6->currentText(), ui.ComboBox6->itemText(0));
    // The report's own words, the pages' titles, the values listed and the units, as the window
    // shows them.
    form.findChild<QAction*>("ExportReport1")->trigger();
    QFile report(this->report());
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(report.readAll());
    for (const char* english :
         {"<h2>Controller settings", "<h3>Pedal Assist", ">By Display's", ">signals<"}) {
        EXPECT_FALSE(html.contains(english)) << english;
    }
    form.Help1Click();
    form.Save1Click();
    form.Load1Click();
    form.showGettingStarted();
    // Getting Started names the buttons as the window shows them, without their access keys.
    const QString steps = form.gettingStarted()->text()->toPlainText();
    for (QAbstractButton* b : {ui.BitBtn1, ui.BitBtn2, ui.BitBtn3, ui.BitBtn5, ui.BitBtn4}) {
        EXPECT_TRUE(steps.contains(withoutAccessKey(b->text()))) << b->objectName().toStdString();
    }
    EXPECT_FALSE(steps.contains(QLatin1Char('&')));
    std::vector<QWidget*> areas{ui.Panel2, form.Form3(), form.Form4(), form.Form5(),
                                form.gettingStarted()};
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const QSize size : {QSize(1280, 720), QSize(1920, 1080)}) {
        form.fitToScreen(QRect(QPoint(0, 0), size));
        for (int page = 0; page <= ui.TabbedNotebook1->count(); ++page) {
            QWidget* area =
                page < ui.TabbedNotebook1->count() ? ui.TabbedNotebook1->widget(page) : nullptr;
            ui.TabbedNotebook1->setCurrentIndex(std::min(page, 3));
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
            test::settle();
            for (QWidget* checked : area ? std::vector<QWidget*>(1, area) : areas) {
                EXPECT_EQ(test::clippedWidgets(*checked), std::vector<std::string>{})
                    << checked->objectName().toStdString() << " at " << size.width();
            }
            EXPECT_FALSE(ui.Scroll->horizontalScrollBar()->isVisible()) << size.width();
        }
    }
}

// A message is translated where it is made: its template and the wordings in it, while a path
// whose words are also the catalogue's, a file's key and its section stay as they are; English
// (the command-line tool's) comes out as before.
TEST(WordedTexts, TranslateTheTemplateAndKeepWhatTheFileAndDiskSay) {
    const std::string path = "/tmp/Torque/Speed to 25.el";
    WordedText unreadable;
    try {
        readParameterFile(path);
    } catch (const ParameterFileError& error) {
        unreadable = error.wording();
    }
    const std::string help = parameterHelp("ComboBox7");
    const struct {
        WordedText wording;
        const char* english;
        const char* german;
    } cases[] = {
        {unreadable, "Unable to read /tmp/Torque/Speed to 25.el",
         "/tmp/Torque/Speed to 25.el kann nicht gelesen werden"},
        {describeReplyWording(Bytes{0x55, 0x47, 0x00}, SingleWrite), "Torque write: checksum error",
         "Drehmoment schreiben: Prüfsummenfehler"},
        {parameterHelpWording("ComboBox7"), help.c_str(), nullptr},
        // A caption named inside a sentence: translated, without its colon.
        {WordedText::caption(parameter("ComboBox7")->labelWording), "Disignated Assist",
         "Vorgabestufe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.wording.english(), c.english);
        EXPECT_EQ(shownText(c.wording), QString::fromUtf8(c.english));
        const InLanguage german(QStringLiteral("de"));
        const QString shown = shownText(c.wording);
        if (c.german) {
            EXPECT_EQ(shown, QString::fromUtf8(c.german));
        } else {
            EXPECT_NE(shown, QString::fromStdString(help));
            EXPECT_TRUE(shown.endsWith(": DA in [Pedal Assist]")) << shown.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, Languages,
                         testing::Values("de", "es", "fr", "it", "nl", "pl", "zh_CN", "pseudo"),
                         [](const auto& info) { return std::string(info.param); });

// Every menu and item has an access key, F10 opens the menu bar, and View > Language keeps its
// choice for the next start ("System" until then).
TEST_F(Form1Test, MenusHaveAccessKeysAndTheLanguageChosenIsKept) {
    const std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        for (const QAction* action : actions) {
            EXPECT_TRUE(action->isSeparator() || action->text().contains('&'))
                << action->text().toStdString();
            if (action->menu()) {
                walk(action->menu()->actions());
            }
        }
    };
    walk(form->menuBar()->actions());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F10);
    EXPECT_EQ(form->menuBar()->activeAction(), form->menuBar()->actions().constFirst());

    EXPECT_TRUE(find<QAction>("Language_")->isChecked());
    find<QAction>("Language_de")->trigger();
    const QString kept =
        QSettings(options.settingsFile, QSettings::IniFormat).value("language").toString();
    InLanguage next(kept);
    EXPECT_EQ(next.used, "de");
    test::SimulatedWindow started(boxes);
    EXPECT_EQ(withoutAccessKey(started.form->ui().BitBtn1->text()), "Verbinden");
}

} // namespace
} // namespace morvent
