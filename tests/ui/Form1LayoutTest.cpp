#include "ClickableLabel.h"
#include "ParameterSpecs.h"
#include "UiFixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <map>
#include <stdexcept>

namespace morvent::test {
namespace {

using Form1LayoutTest = MainWindowTest;

QString expectedEditName(int n) {
    return (n == 2 ? QStringLiteral("edit") : QStringLiteral("Edit")) + QString::number(n);
}

TEST_F(Form1LayoutTest, EveryEditIsNamedAndStartsAtZero) {
    for (int n = 1; n <= kEditCount; ++n) {
        const QString name = expectedEditName(n);
        SCOPED_TRACE(name.toStdString());
        auto* edit = find<QLineEdit>(name);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(ui.edit(n), edit);
        EXPECT_EQ(edit->text(), QStringLiteral("0"));
        // Only the live readings are measurements rather than settings.
        EXPECT_EQ(edit->isReadOnly(), n >= 92);
        EXPECT_EQ(window.findChildren<QLineEdit*>(name).size(), 1);
    }
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Edit2")), nullptr);
    EXPECT_THROW(ui.edit(0), std::out_of_range);
    EXPECT_THROW(ui.edit(97), std::out_of_range);
}

// The help of a parameter control is the parameter table's: its key in parameter files, and the
// range its Write button tests it against.
TEST_F(Form1LayoutTest, EveryFieldExplainsItselfFromTheParameterTable) {
    for (const ParameterSpec& spec : parameterSpecs()) {
        const QString tip = find<QWidget>(QString::fromStdString(spec.control))->toolTip();
        SCOPED_TRACE(spec.control);
        EXPECT_EQ(tip.toStdString(), parameterHelp(spec.control));
        EXPECT_TRUE(tip.contains(QString::fromStdString(spec.key + " in [") +
                                 QString::fromUtf8(spec.section().data(),
                                                   static_cast<qsizetype>(spec.section().size()))));
        if (spec.check && !spec.check->upToMaxCurrent) {
            EXPECT_TRUE(tip.contains(
                QStringLiteral("%1 to %2").arg(spec.check->lowest).arg(spec.check->highest)));
        }
    }
    EXPECT_TRUE(ui.edit(1)->toolTip().contains(QStringLiteral("maximum current")));
    for (int n = 1; n <= kEditCount; ++n) {
        EXPECT_FALSE(ui.edit(n)->toolTip().isEmpty()) << n;
    }
    for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
        EXPECT_FALSE(combo->toolTip().isEmpty()) << combo->objectName().toStdString();
    }
}

TEST_F(Form1LayoutTest, EachEditSitsOnItsBlocksPage) {
    const auto pageOf = [](int n) {
        if (n <= 22) {
            return Form1Ui::BasicPage;
        }
        if (n <= 27 || n == 31) {
            return Form1Ui::PedalAssistPage;
        }
        if (n <= 30) {
            return Form1Ui::ThrottleHandlePage;
        }
        return Form1Ui::TorquePage;
    };
    for (int n = 1; n <= kEditCount; ++n) {
        const int page = pageOf(n);
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(ui.TabbedNotebook1->widget(p)->isAncestorOf(ui.edit(n)), p == page)
                << expectedEditName(n).toStdString() << " on page " << p;
        }
    }
}

// Each field is announced by its label (the label's buddy), with the caption exactly as the
// technician knows it, trailing blanks included.
TEST_F(Form1LayoutTest, FieldsCarryTheirLabels) {
    const std::map<QString, QString> captions{
        {"ComboBox1", "Port:"},
        {"ComboBox2", "Bandrate:"},
        {"ComboBox3", "Low Battery Protect(V):"},
        {"Edit1", "Limited Current(A):"},
        {"edit2", "Assit0:"},
        {"Edit3", "Assit1:"},
        {"Edit7", "Assit5:"},
        {"Edit11", "Assit9:"},
        {"ComboBox4", "Wheel Diameler(Inch): "},
        {"ComboBox5", "Speed Meter Model: "},
        {"Edit22", "SpdMeter Signal: "},
        {"ComboBox6", "Pedal Type: "},
        {"ComboBox7", "Disignated Assist: "},
        {"ComboBox8", "Speed Limited: "},
        {"Edit23", "Start Current(%): "},
        {"ComboBox9", "Slow-Start Mode(1-8): "},
        {"Edit24", "Startup Dgree(Signal No.): "},
        {"ComboBox10", "Work Mode(Angular Speed of pedal/wheel*10): "},
        {"Edit25", "Time of stop(x10ms): "},
        {"Edit26", "Current Decay(1-8): "},
        {"Edit27", "Stop Decay(x10ms): "},
        {"Edit31", "Keep Current(%)"},
        {"Edit28", "Start Voltage(x100mv): "},
        {"Edit29", "End Voltage(x100mV): "},
        {"ComboBox11", "Mode: "},
        {"ComboBox12", "Designated Assist: "},
        {"ComboBox13", "Speed Limited: "},
        {"Edit30", "Start Current(%): "},
        {"Edit32", "Base Voltage:"},
        {"Edit33", "Min"},
        {"Edit34", "Max"},
        {"Edit35", "0 - 5 Kg:"},
        {"Edit36", "10 - 15 Kg:"},
        {"Edit37", "20 - 30 Kg:"},
        {"Edit38", "40 - 50 Kg:"},
        {"Edit39", "5 - 10 Kg:"},
        {"Edit40", "15 - 20 Kg:"},
        {"Edit41", "30 - 40 Kg:"},
        {"Edit42", "50 - 60 Kg:"},
        {"Edit43", "0 Speed Boost Time:"},
        {"Edit44", "Start(Kg):"},
        {"Edit50", "Full(Kg):"},
        {"Edit56", "Return(Kg):"},
        {"Edit62", "MinCur(%):"},
        {"Edit68", "MaxCur(%):"},
        {"Edit74", "KeepCur(%):"},
        {"Edit80", "CurDecy:"},
        {"Edit86", "StarDegree:"},
        {"Edit92", "SpeedSignalACC:"},
        {"Edit93", "SpeedSigLevel:"},
        {"Edit94", "LevelHTime(ms):"},
        {"Edit95", "LevelLTime(ms):"},
        {"Edit96", "TqVoltate(mV):"},
    };
    std::map<const QWidget*, QString> byBuddy;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy()) {
            byBuddy[label->buddy()] = label->text();
        }
    }
    for (const auto& [control, caption] : captions) {
        const auto* widget = find<QWidget>(control);
        ASSERT_NE(widget, nullptr) << control.toStdString();
        EXPECT_EQ(byBuddy[widget], caption) << control.toStdString();
    }
}

// Texts that head a column, a group of fields or a unit, on the page they belong to.
TEST_F(Form1LayoutTest, PagesShowTheirHeadsAndUnits) {
    const std::vector<std::pair<QWidget*, QStringList>> pages{
        {ui.TabSheetBasic, {"Limit Current(%)", "Limit Spd(%)"}},
        {ui.TabSheetTorque,
         {"Error Voltage:", "Delta Voltage:", "mV", "×10mS", "Spd0", "Spd20", "Spd40", "Spd60",
          "Spd80", "Spd100"}},
    };
    for (const auto& [page, texts] : pages) {
        QStringList shown;
        for (const QLabel* label : page->findChildren<QLabel*>()) {
            shown.append(label->text());
        }
        for (const QString& text : texts) {
            EXPECT_TRUE(shown.contains(text)) << text.toStdString();
        }
    }
}

struct ComboCase {
    const char* name;
    bool editable;
    QStringList items;
    int index;
    QString text;
};

TEST_F(Form1LayoutTest, CombosHoldTheirItemsAndStartingSelection) {
    const QString display = QStringLiteral("By Display's Command");
    const std::vector<ComboCase> cases{
        {"ComboBox1", true, {}, -1, ""},
        {"ComboBox2", true, {"1200", "9600", "19200", "38400", "115200"}, 0, "1200"},
        {"ComboBox3", true, numbers(18, 22), -1, ""},
        {"ComboBox4", true, {}, -1, ""},
        {"ComboBox5", false, {}, -1, ""},
        {"ComboBox6", true, {"None", "DH-Sensor-12", "BB-Sensor-32", "DoubleSignal-24"}, 0, "None"},
        {"ComboBox7", true, QStringList{display} + numbers(0, 9), -1, display},
        {"ComboBox8", true, QStringList{display} + numbers(15, 40, "Km/H"), 0, display},
        {"ComboBox9", true, numbers(1, 8), 0, "1"},
        {"ComboBox10", true, QStringList{"Undeterminated"} + numbers(10, 80), 0, "Undeterminated"},
        {"ComboBox11", true, {"Speed", "Current"}, 0, "Speed"},
        {"ComboBox12", true, QStringList{display} + numbers(0, 9), 0, display},
        {"ComboBox13", true, QStringList{display} + numbers(15, 40, "Km/H"), 0, display},
    };
    for (const ComboCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* combo = find<QComboBox>(QLatin1String(c.name));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->isEditable(), c.editable);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items.append(combo->itemText(i));
        }
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(combo->currentIndex(), c.index);
        EXPECT_EQ(combo->currentText(), c.text);
    }
    EXPECT_EQ(ui.ComboBox8->count(), 27);
    EXPECT_EQ(ui.ComboBox10->count(), 72);
}

TEST_F(Form1LayoutTest, ListsFilledAtFirstShowingAreOffered) {
    const QStringList wheels = Form1Ui::wheelSizeItems();
    EXPECT_EQ(wheels, numbers(16, 27) + QStringList{"700C"} + numbers(28, 30));
    EXPECT_EQ(wheels.indexOf(QStringLiteral("700C")), 12);
    EXPECT_EQ(Form1Ui::speedMeterItems(),
              (QStringList{"External,Wheel Meter", "Internal,Motor Meter", "By Motor Phase"}));
}

// Enter in a combo's line must not add the typed text to the list: the items' positions are
// what travels to the controller.
TEST_F(Form1LayoutTest, TypingIntoACombosLineLeavesItsListAlone) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (QComboBox* combo : {ui.ComboBox3, ui.ComboBox8}) {
        const int count = combo->count();
        combo->setFocus();
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("42"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(combo->count(), count) << combo->objectName().toStdString();
        EXPECT_EQ(combo->currentText(), QStringLiteral("42"));
    }
}

TEST_F(Form1LayoutTest, ButtonsCarryTheirCaptionsWhereTheyBelong) {
    const std::vector<std::tuple<const char*, QString, QWidget*>> buttons{
        {"BitBtn1", "Connect", ui.GroupBox1},
        {"BitBtn11", "Close", ui.GroupBox1},
        {"BitBtn2", "Read Flash", ui.Panel2},
        {"BitBtn3", "Write Flash", ui.Panel2},
        {"BitBtn5", "Read", ui.TabSheetBasic},
        {"BitBtn4", "Write", ui.TabSheetBasic},
        {"BitBtn6", "Read", ui.TabSheetPedalAssist},
        {"BitBtn7", "Write", ui.TabSheetPedalAssist},
        {"BitBtn8", "Read", ui.TabSheetThrottleHandle},
        {"BitBtn9", "Write", ui.TabSheetThrottleHandle},
        {"BitBtn12", "Get", ui.GroupBoxAboutTq},
        {"BitBtn13", "Continuous Get", ui.TabSheetTorque},
        {"BitBtn14", "Read", ui.TabSheetTorque},
        {"BitBtn15", "Write", ui.TabSheetTorque},
    };
    for (const auto& [name, caption, holder] : buttons) {
        SCOPED_TRACE(name);
        auto* button = find<QPushButton>(QLatin1String(name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_TRUE(holder->isAncestorOf(button));
        EXPECT_TRUE(button->isEnabled());
    }
    EXPECT_FALSE(ui.GroupBoxAboutTq->isAncestorOf(ui.BitBtn13));
    // With "Plot..." and the four "Undo Changes".
    EXPECT_EQ(window.findChildren<QPushButton*>().size(),
              static_cast<qsizetype>(buttons.size()) + 5);
}

TEST_F(Form1LayoutTest, NotebookHasFourPagesWithTorqueInFront) {
    ASSERT_EQ(ui.TabbedNotebook1, find<QTabWidget>(QStringLiteral("TabbedNotebook1")));
    const QStringList captions{"Basic", "Pedal Assist", "Throttle Handle", "Torque"};
    ASSERT_EQ(ui.TabbedNotebook1->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ui.TabbedNotebook1->tabText(i), captions[i]);
    }
    EXPECT_EQ(ui.TabbedNotebook1->currentIndex(), Form1Ui::TorquePage);
    EXPECT_EQ(ui.TabbedNotebook1->currentWidget(), ui.TabSheetTorque);
    EXPECT_EQ(ui.TabbedNotebook1->tabBar()->font().pixelSize(), 19);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ui.TabbedNotebook1->widget(i)->font().pixelSize(), 13);
    }
    EXPECT_TRUE(ui.Panel1->isAncestorOf(ui.TabbedNotebook1));
}

TEST_F(Form1LayoutTest, MenuBarHasFileAndADirectHelpCommand) {
    ASSERT_EQ(window.menuBar(), ui.MainMenu1);
    EXPECT_EQ(ui.MainMenu1->objectName(), QStringLiteral("MainMenu1"));
    const QList<QAction*> bar = ui.MainMenu1->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("File"));
    EXPECT_EQ(bar[0]->menu(), ui.File1);
    EXPECT_EQ(bar[1], ui.Help1);
    EXPECT_EQ(ui.File1->actions().mid(0, 2), (QList<QAction*>{ui.Save1, ui.Load1}));

    const std::vector<std::pair<const char*, QString>> actions{
        {"Save1", "Save"}, {"Load1", "Load"}, {"Help1", "Help"}};
    for (const auto& [name, text] : actions) {
        auto* action = find<QAction>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), text);
    }
    EXPECT_EQ(ui.Help1->menu(), nullptr);

    // Clicking "Help" on the bar triggers it at once, with no menu in between.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy triggered(ui.Help1, &QAction::triggered);
    QTest::mouseClick(ui.MainMenu1, Qt::LeftButton, {},
                      ui.MainMenu1->actionGeometry(ui.Help1).center());
    EXPECT_EQ(triggered.count(), 1);
}

TEST_F(Form1LayoutTest, WindowHasItsCaptionSizeAndNoMaximiseBox) {
    EXPECT_EQ(window.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Controller System"));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.size(), QSize(978, 757));
    EXPECT_EQ(ui.Panel1->width(), 609);
    EXPECT_EQ(ui.Panel1->x(), 0);
    // The right panel takes the rest of the width, up to the window's edge.
    EXPECT_EQ(ui.Panel2->x(), 609);
    EXPECT_EQ(ui.Panel2->geometry().right(), window.width() - 1);
}

TEST_F(Form1LayoutTest, RightPanelStacksBrandConnectionIdentityAndFlash) {
    const std::vector<std::pair<QLabel*, QString>> labels{{ui.Label1, "Quillon Motor"},
                                                          {ui.Label2, "Morvent V2.0"},
                                                          {ui.Label3, Form1Ui::webAddress()},
                                                          {ui.Label4, "Port:"},
                                                          {ui.Label5, "Bandrate:"},
                                                          {ui.Label6, "Manufacturer:"},
                                                          {ui.Label7, "Model:"},
                                                          {ui.Label8, "Harware Ver:"},
                                                          {ui.Label9, "Firmware Ver:"},
                                                          {ui.Label10, "Nominal Voltage:"},
                                                          {ui.Label11, "Max.Current:"}};
    for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
        const auto& [label, text] = labels[static_cast<std::size_t>(i)];
        const QString name = QStringLiteral("Label%1").arg(i + 1);
        EXPECT_EQ(find<QLabel>(name), label) << name.toStdString();
        EXPECT_EQ(label->text(), text) << name.toStdString();
        EXPECT_TRUE(ui.Panel2->isAncestorOf(label));
    }
    for (QLabel* identity : {ui.Label6, ui.Label7, ui.Label8, ui.Label9, ui.Label10, ui.Label11}) {
        EXPECT_TRUE(ui.GroupBox2->isAncestorOf(identity));
    }
    EXPECT_EQ(ui.GroupBox1->title(), QStringLiteral("Network"));
    EXPECT_EQ(ui.GroupBox2->title(), QStringLiteral("Controller Info"));
    EXPECT_TRUE(ui.GroupBox1->isAncestorOf(ui.ComboBox1));
    EXPECT_TRUE(ui.GroupBox1->isAncestorOf(ui.ComboBox2));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto top = [&](QWidget* w) { return w->mapTo(ui.Panel2, QPoint(0, 0)).y(); };
    EXPECT_LT(top(ui.Label1), top(ui.Label2));
    EXPECT_LT(top(ui.Label2), top(ui.Label3));
    EXPECT_LT(top(ui.Label3), top(ui.GroupBox1));
    EXPECT_LT(top(ui.GroupBox1), top(ui.GroupBox2));
    EXPECT_LT(top(ui.GroupBox2), top(ui.BitBtn2));
    EXPECT_EQ(top(ui.BitBtn2), top(ui.BitBtn3));
}

TEST_F(Form1LayoutTest, WebLinkShowsAHandAndReportsAClick) {
    EXPECT_EQ(ui.Label3->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(Form1Ui::webAddress().isEmpty());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(ui.Label3, &ClickableLabel::clicked);
    QTest::mouseClick(ui.Label3, Qt::LeftButton);
    QTest::mouseClick(ui.Label3, Qt::RightButton);
    EXPECT_EQ(clicked.count(), 1);
}

// A controller may report a firmware text of any length; it must not push the window wider or
// squeeze the notebook.
TEST_F(Form1LayoutTest, ALongIdentityCaptionDoesNotWidenTheWindow) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // A little wider than the panel: one line too many for it, not so long that the label's own
    // guess of a pleasing width breaks it anyway.
    const QString words = QStringLiteral("Firmware Ver:FW-2.31 build 0042 for 36V/48V hub motors");
    for (const QString& caption : {words, QStringLiteral("Firmware Ver:") + QString(200, 'W')}) {
        ui.Label9->setText(caption);
        settle();
        EXPECT_LE(window.minimumSizeHint().width(), Form1Ui::kWidth);
        EXPECT_EQ(window.width(), Form1Ui::kWidth);
        EXPECT_EQ(ui.Panel1->width(), 609);
        EXPECT_LE(ui.Label9->geometry().right(), ui.GroupBox2->contentsRect().right());
    }
    // A caption with blanks in it wraps onto further lines instead of being cut.
    ui.Label9->setText(words);
    settle();
    EXPECT_GE(ui.Label9->height(), ui.Label9->heightForWidth(ui.Label9->width()));
    EXPECT_GT(ui.Label9->height(), ui.Label8->height());
}

// At the window's own size, on every page: no control is squeezed below the size it needs to
// show its text, and none reaches past the page.
TEST_F(Form1LayoutTest, NothingIsClippedOnAnyPage) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int p = 0; p < 4; ++p) {
        ui.TabbedNotebook1->setCurrentIndex(p);
        settle();
        QWidget* page = ui.TabbedNotebook1->widget(p);
        const QRect area = page->rect();
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!w->isVisible() || qobject_cast<QLineEdit*>(w->parentWidget()) ||
                qobject_cast<QComboBox*>(w->parentWidget())) {
                continue;
            }
            const auto* label = qobject_cast<QLabel*>(w);
            SCOPED_TRACE("page " + std::to_string(p) + ": " + w->metaObject()->className() + " " +
                         (label ? label->text() : w->objectName()).toStdString());
            const QRect inPage(w->mapTo(page, QPoint(0, 0)), w->size());
            EXPECT_TRUE(area.contains(inPage));
            const QSize needed = w->minimumSizeHint();
            if (needed.isValid()) {
                EXPECT_GE(w->width(), needed.width());
                EXPECT_GE(w->height(), needed.height());
            }
            if (label) {
                EXPECT_GE(label->width(), label->sizeHint().width());
            }
        }
    }
}

} // namespace
} // namespace morvent::test
