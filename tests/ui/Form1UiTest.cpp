// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// The main window's controls: names and pages, typing, the codecs' access.

#include "Form1Ui.h"
#include "Accessibility.h"
#include "BlockLayout.h"
#include "ClickableLabel.h"
#include "DigitsOnlyFilter.h"
#include "FieldOverlay.h"
#include "FieldStore.h"
#include "FocusFrameStyle.h"
#include "Layout.h"
#include "WidgetFields.h"
#include "WindowPlacement.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace morvent {
namespace {

// The main window's layout as the program builds it, shown.
class Form1UiTest : public testing::Test {
protected:
    Form1UiTest() { ui.setupUi(&window); }
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QMainWindow window;
    Form1Ui ui;
    WidgetFields fields{window};
};

// Codecs, parameter files and status messages find every control by its component name, so each
// name must be carried by exactly one control, a parameter control on its block's page, where it
// explains itself with the parameter table's help: its key, and a checked range.
TEST_F(Form1UiTest, EveryControlCarriesItsNameOnItsPage) {
    for (int n = 1; n <= kEditCount; ++n) {
        EXPECT_EQ(window.findChild<QLineEdit*>(QString::fromStdString(editName(n))), ui.edit(n));
        EXPECT_EQ(ui.edit(n)->isReadOnly(), n >= 92) << "only the live readings are read-only";
    }
    EXPECT_THROW(ui.edit(0), std::out_of_range);
    EXPECT_THROW(ui.edit(kEditCount + 1), std::out_of_range);

    std::vector<std::pair<QString, QWidget*>> controls;
    for (const auto& [prefix, last] : {std::pair{"ComboBox", 13}, {"BitBtn", 15}, {"Label", 11}}) {
        for (int n = 1; n <= last; ++n) {
            if (n != 10 || prefix != std::string_view("BitBtn")) { // there is no BitBtn10
                controls.emplace_back(prefix + QString::number(n), &window);
            }
        }
    }
    controls.emplace_back(QStringLiteral("PlotButton"), ui.GroupBoxAboutTq);
    for (const Parameter& definition : parameterTable()) {
        QWidget* page = ui.TabbedNotebook1->widget(layout(definition.block).page);
        controls.emplace_back(QString::fromStdString(definition.control), page);
        const QString tip = window.findChild<QWidget*>(definition.control.c_str())->toolTip();
        // What it means, its unit if it has one, what is accepted, and where a file keeps it.
        const std::string unit(definition.unit);
        EXPECT_TRUE(tip.startsWith(QString::fromStdString(std::string(definition.meaning)) + ".\n"))
            << tip.toStdString();
        EXPECT_EQ(tip.contains(QString::fromStdString("\nUnit: " + unit + "\n")), !unit.empty())
            << tip.toStdString();
        EXPECT_TRUE(tip.contains("\nAccepted: ")) << tip.toStdString();
        EXPECT_TRUE(tip.endsWith(
            (definition.key + " in [" + std::string(definition.section()) + "]").c_str()));
        if (definition.check && !definition.check->upToMaxCurrent) {
            EXPECT_TRUE(tip.contains(
                QString("%1 to %2").arg(definition.check->lowest).arg(definition.check->highest)));
        }
    }
    for (const auto& [name, holder] : controls) {
        const QList<QWidget*> carriers = window.findChildren<QWidget*>(name);
        ASSERT_EQ(carriers.size(), 1) << name.toStdString();
        EXPECT_TRUE(holder->isAncestorOf(carriers.front())) << name.toStdString();
    }
    for (int page = 0; page < 4; ++page) {
        EXPECT_TRUE(ui.TabbedNotebook1->widget(page)->isAncestorOf(ui.UndoButtons[page]));
    }
}

// The main window takes its designed size where that fits with a frame, else the room there is;
// the plot, the traffic log and Getting Started go beside it, else over its page only.
TEST(WindowPlacement, FitsTheScreenAndKeepsTheButtonClear) {
    const QSize designed(Form1Ui::kWidth, Form1Ui::kHeight);
    const std::pair<QSize, QSize> fits[] = {{{1920, 1080}, designed},
                                            {{1366, 768}, {978, 732}},
                                            {{1280, 720}, {978, 684}},
                                            {{800, 600}, {792, 564}}};
    // A window smaller than designed may be maximised; one at its designed size is fixed.
    QWidget window;
    for (const auto& [screen, size] : fits) {
        EXPECT_EQ(fittedSize(designed, QRect(QPoint(), screen)), size);
        fitWindow(window, designed, QRect(QPoint(), screen));
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint), size != designed);
        EXPECT_EQ(window.size(), size);
    }
    // Beside: right, left, below, narrower where it still has its smallest size; with no room
    // beside, over the page's lower right, no larger than the page, and clear of the button
    // where the button is on it, in a piece of the page that holds the window at its smallest.
    const QRect hd(0, 0, 1920, 1080);
    const QRect small(0, 0, 1280, 720);
    const struct {
        QRect main, room, keepClear, screen;
        QSize size, minimum;
        QRect placed;
    } places[] = {
        {QRect(0, 0, 986, 793), QRect(10, 90, 600, 560), QRect(20, 560, 140, 30), hd,
         QSize(888, 796), QSize(), QRect(994, 0, 888, 796)},
        {{934, 300, 986, 793}, {944, 390, 600, 560}, {}, hd, {888, 796}, {}, {38, 284, 888, 796}},
        {{0, 0, 1900, 400}, {10, 90, 1200, 260}, {}, hd, {768, 356}, {}, {0, 408, 768, 356}},
        {QRect(467, 0, 986, 793), QRect(477, 90, 600, 560), QRect(), hd, QSize(768, 356),
         QSize(275, 106), QRect(1461, 0, 459, 356)},
        {{151, 0, 986, 720}, {161, 90, 600, 560}, {}, small, {768, 356}, {}, {161, 294, 600, 356}},
        {QRect(467, 0, 986, 793), QRect(477, 100, 600, 560), QRect(487, 560, 140, 30), hd,
         QSize(888, 796), QSize(), QRect(477, 100, 600, 452)},
        {QRect(151, 0, 986, 720), QRect(161, 90, 600, 560), QRect(161, 400, 200, 30), small,
         QSize(888, 796), QSize(400, 300), QRect(161, 90, 600, 302)},
        {QRect(151, 0, 986, 720), QRect(161, 90, 600, 560), QRect(161, 400, 600, 30), small,
         QSize(888, 796), QSize(), QRect(161, 90, 600, 302)},
        // No room right or left: lower, below the window or above it.
        {{0, 0, 1900, 580}, {10, 90, 600, 400}, {}, hd, {768, 600}, {275, 106}, {0, 588, 768, 492}},
        {{0, 500, 1900, 580}, {10, 90, 600, 400}, {}, hd, {768, 600}, {275, 106}, {0, 0, 768, 492}},
    };
    for (const auto& p : places) {
        EXPECT_EQ(placeBeside(p.main, p.room, p.keepClear, p.size, p.screen, p.minimum), p.placed);
    }
    // A frame the window system put with its title bar above the screen, or too large for it, is
    // brought in, 1920x1080 at 150 % being a screen of 1280x720.
    const std::pair<QRect, QRect> frames[] = {{{151, -20, 980, 706}, {151, 0, 980, 706}},
                                              {{400, 10, 980, 760}, {300, 0, 980, 720}},
                                              {{-5, 30, 1400, 700}, {0, 20, 1280, 700}}};
    for (const auto& [frame, within] : frames) {
        EXPECT_EQ(frameWithin(frame, QRect(0, 0, 1280, 720)), within);
    }
}

// Tab starts at the port, walks the connection, then the tabs, then the page's fields, and never
// stops on a scroll area; the page keys turn the pages from anywhere, round from the last.
TEST_F(Form1UiTest, TheKeyboardStartsAtThePortAndTurnsPagesFromAnywhere) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QStringList walk;
    for (int stop = 0; stop < 120 && !walk.contains(QApplication::focusWidget()->objectName());
         ++stop) {
        walk << QApplication::focusWidget()->objectName();
        EXPECT_FALSE(qobject_cast<QAbstractScrollArea*>(QApplication::focusWidget())) << stop;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walk.mid(0, 8), QStringList({"ComboBox1", "ComboBox2", "BitBtn1", "BitBtn11",
                                           "BitBtn2", "BitBtn3", "qt_tabwidget_tabbar", "Edit32"}));
    const std::pair<QKeyCombination, int> keys[] = {{Qt::CTRL | Qt::Key_Tab, 1},
                                                    {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
                                                    {Qt::CTRL | Qt::Key_PageDown, 1},
                                                    {Qt::CTRL | Qt::Key_PageUp, -1}};
    for (QWidget* from : std::initializer_list<QWidget*>{ui.edit(44), ui.ComboBox1, ui.BitBtn3,
                                                         ui.TabbedNotebook1->tabBar()}) {
        for (const auto& [key, step] : keys) {
            ui.TabbedNotebook1->setCurrentIndex(Form1Ui::TorquePage);
            from->setFocus();
            QTest::keyClick(from, key.key(), key.keyboardModifiers());
            EXPECT_EQ(ui.TabbedNotebook1->currentIndex(), (3 + step) % 4)
                << from->objectName().toStdString();
            EXPECT_FALSE(ui.TabSheetTorque->isAncestorOf(QApplication::focusWidget()));
        }
    }
}

// The focused control, whatever it is, wears a ring of the focus colour all round, which stands
// out from the window; it goes with the focus.
TEST_F(Form1UiTest, TheFocusIsRingedOnEveryKindOfControl) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTabBar* tabs = ui.TabbedNotebook1->tabBar();
    const QColor ring = FocusFrameStyle::ringColour(window.palette());
    EXPECT_GE(contrastRatio(ring, window.palette().color(QPalette::Window)), 3.0);
    const auto ringed = [&](QWidget* w) {
        const QImage image = w->grab().toImage();
        const QRect rect =
            w == tabs ? tabs->tabRect(tabs->currentIndex()).adjusted(1, 1, -1, -1) : image.rect();
        int on = 0;
        for (int x = rect.left() + 2; x < rect.right() - 2; ++x) {
            on += (image.pixelColor(x, rect.top()) == ring) +
                  (image.pixelColor(x, rect.bottom()) == ring);
        }
        return on >= 2 * (rect.width() - 5) * 9 / 10;
    };
    const std::pair<int, QWidget*> controls[] = {
        {Form1Ui::BasicPage, ui.ComboBox5}, {Form1Ui::BasicPage, ui.ComboBox3},
        {Form1Ui::TorquePage, ui.edit(44)}, {Form1Ui::TorquePage, ui.edit(92)},
        {Form1Ui::TorquePage, ui.BitBtn1},  {Form1Ui::TorquePage, ui.ComboBox1},
        {Form1Ui::TorquePage, tabs}};
    for (const auto& [page, control] : controls) {
        ui.TabbedNotebook1->setCurrentIndex(page);
        control->setFocus();
        EXPECT_TRUE(ringed(control)) << control->objectName().toStdString();
        ui.BitBtn2->setFocus();
        EXPECT_FALSE(ringed(control)) << control->objectName().toStdString();
    }
}

// Assistive tools hear each field by its captions as shown, the grid's with row and column, and
// its help; every caption on a page leads to its field; all text reads at 4.5:1 or better, the
// identity greyed as the last controller's too.
TEST_F(Form1UiTest, AssistiveToolsHearNamesAndHelpAndTheTextReadsWell) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(contrastRatio(readableGrey(Qt::black, Qt::white), Qt::white), 5.0, 0.05);
    const std::pair<QWidget*, QString> named[] = {{ui.edit(44), "Start(Kg): Spd0"},
                                                  {ui.edit(91), "StarDegree: Spd100"},
                                                  {ui.edit(34), "Error Voltage: Max"},
                                                  {ui.edit(17), "Assit5: Limit Spd(%)"},
                                                  {ui.ComboBox3, "Low Battery Protect(V)"},
                                                  {ui.edit(96), "TqVoltate(mV)"},
                                                  {ui.ComboBox1, "Port"},
                                                  {ui.BitBtn13, "Continuous Get"}};
    for (const auto& [control, name] : named) {
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(control);
        EXPECT_EQ(heard->text(QAccessible::Name), name);
        EXPECT_EQ(heard->text(QAccessible::Description), control->toolTip());
    }
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // The tabs are named by their captions; a list's popup is a window of its own.
        if (control->focusPolicy() != Qt::NoFocus && !control->focusProxy() &&
            !qobject_cast<QTabBar*>(control) && control->window() == &window) {
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                << control->objectName().toStdString();
        }
    }
    // ... and stands in its field's row or column, nearer it than any other field there.
    const auto place = [&](auto* w) { return QRect(w->mapTo(&window, QPoint()), w->size()); };
    const auto row = [](QRect a, QRect b) {
        return a.top() <= b.bottom() && b.top() <= a.bottom();
    };
    const auto column = [](QRect a, QRect b) {
        return a.left() <= b.right() && b.left() <= a.right();
    };
    for (int page = 0; page < 4; ++page) {
        ui.TabbedNotebook1->setCurrentIndex(page);
        test::settle();
        for (QLabel* label : ui.TabbedNotebook1->widget(page)->findChildren<QLabel*>()) {
            ASSERT_TRUE(label->buddy() && ui.edit(1)->window() == label->buddy()->window())
                << label->text().toStdString();
            const QRect at = place(label), field = place(label->buddy());
            const bool inRow = row(at, field);
            EXPECT_TRUE(inRow || column(at, field)) << label->text().toStdString();
            // A caption ending in a colon leads its field.
            EXPECT_TRUE(!inRow || !label->text().endsWith(':') || at.right() < field.left())
                << label->text().toStdString();
            const auto away = [&](QRect r) { return (r.center() - at.center()).manhattanLength(); };
            for (const QLineEdit* other :
                 ui.TabbedNotebook1->widget(page)->findChildren<QLineEdit*>()) {
                const QRect there = place(other);
                EXPECT_TRUE(other->objectName().isEmpty() ||
                            !(inRow ? row(at, there) : column(at, there)) ||
                            away(there) >= away(field))
                    << label->text().toStdString() << " / " << other->objectName().toStdString();
            }
        }
    }
    ui.Label6->setEnabled(false);
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const bool entry = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
        // A greyed button (Read Flash before a connection) still reads.
        if (auto* button = qobject_cast<QPushButton*>(w); button && !button->text().isEmpty()) {
            const QPalette& p = button->palette();
            EXPECT_GE(contrastRatio(p.color(QPalette::Disabled, QPalette::ButtonText),
                                    p.color(QPalette::Disabled, QPalette::Button)),
                      4.5)
                << w->objectName().toStdString();
        }
        if (w->isVisible() && (entry || qobject_cast<QLabel*>(w)) &&
            (w->isEnabled() || w == ui.Label6)) {
            // A label whose text can be selected draws it in the text role.
            for (const auto role :
                 {QPalette::Text, entry ? QPalette::Text : QPalette::WindowText}) {
                EXPECT_GE(contrastRatio(
                              w->palette().color(group, role),
                              w->palette().color(group, entry ? QPalette::Base : QPalette::Window)),
                          4.5)
                    << w->objectName().toStdString();
            }
        }
    }
}

// A key that would type something other than a digit is swallowed; keys that edit, move or
// make a shortcut (paste among them) pass.
TEST(DigitsOnlyFilterTest, DecidesEachKeyPressByWhatItWouldType) {
    const struct {
        const char* what;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool passes;
    } cases[] = {
        {"digit 0", Qt::Key_0, {}, "0", true},
        {"digit 9", Qt::Key_9, {}, "9", true},
        {"slash, below 0", Qt::Key_Slash, {}, "/", false},
        {"colon, above 9", Qt::Key_Colon, Qt::ShiftModifier, ":", false},
        {"letter", Qt::Key_A, {}, "a", false},
        {"enter", Qt::Key_Return, {}, "\r", false},
        {"non-Latin digit", Qt::Key_unknown, {}, QString(QChar(0x0663)), false},
        {"third-level character", Qt::Key_2, Qt::ControlModifier | Qt::AltModifier,
         QString(QChar(0x00B2)), false},
        {"left arrow", Qt::Key_Left, {}, "", true},
        {"backspace", Qt::Key_Backspace, {}, "\b", true},
        {"delete", Qt::Key_Delete, {}, "\x7f", true},
        {"tab", Qt::Key_Tab, {}, "\t", true},
        {"back tab", Qt::Key_Backtab, Qt::ShiftModifier, "\t", true},
        {"paste", Qt::Key_V, Qt::ControlModifier, "\x16", true},
        {"select all", Qt::Key_A, Qt::ControlModifier, "a", true},
        {"meta chord", Qt::Key_A, Qt::MetaModifier, "a", true},
    };
    for (const auto& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        EXPECT_EQ(DigitsOnlyFilter::passes(event), c.passes) << c.what;
    }
}

// Whatever is typed into a field, only the digits arrive; Enter in a combo's line does not add
// the typed text to the list, whose positions are what travels to the controller; the web link,
// underlined in the link colour, answers a left click only.
TEST_F(Form1UiTest, TypingAndClickingDoOnlyWhatTheyShould) {
    for (int n = 1; n <= kEditCount; ++n) {
        QLineEdit* edit = ui.edit(n);
        // The live readings' fields are read-only; lifted, the rule stands behind them too.
        edit->setReadOnly(false);
        QTest::keyClicks(edit, QStringLiteral("1a-2. x+3$"));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(edit->text(), QStringLiteral("0123")) << n;
    }
    for (QComboBox* combo : window.findChildren<QComboBox*>()) {
        EXPECT_EQ(combo->isEditable(), combo != ui.ComboBox5) << "only the meter model is a list";
        if (combo->isEditable() && combo->isVisible()) {
            const int count = combo->count();
            combo->setFocus();
            combo->lineEdit()->clear();
            QTest::keyClicks(combo->lineEdit(), QStringLiteral("42"));
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
            EXPECT_EQ(combo->count(), count) << combo->objectName().toStdString();
        }
    }
    // The maker and the version stand out as headings; the address reads as a link.
    EXPECT_TRUE(ui.Label1->font().bold() && ui.Label2->font().bold());
    EXPECT_TRUE(ui.Label3->font().underline() && ui.Label3->palette().color(QPalette::WindowText) ==
                                                     window.palette().color(QPalette::Link));
    QSignalSpy clicked(ui.Label3, &ClickableLabel::clicked);
    QTest::mouseClick(ui.Label3, Qt::LeftButton);
    QTest::mouseClick(ui.Label3, Qt::RightButton);
    EXPECT_EQ(clicked.count(), 1);
}

// A controller may report a firmware text of any length; it must not push the window wider or
// squeeze the notebook, and one with blanks wraps instead of being cut.
TEST_F(Form1UiTest, ALongIdentityCaptionDoesNotWidenTheWindow) {
    const int notebook = ui.Panel1->width();
    // One line too many for the panel, yet not so long that the label breaks it anyway.
    const QString words = QStringLiteral("Firmware Ver:FW-2.31 build 0042 for 36V/48V hub motors");
    for (const QString& caption : {QStringLiteral("Firmware Ver:") + QString(200, 'W'), words}) {
        ui.Label9->setText(caption);
        test::settle();
        EXPECT_LE(window.minimumSizeHint().width(), Form1Ui::kWidth);
        EXPECT_EQ(window.width(), Form1Ui::kWidth);
        EXPECT_EQ(ui.Panel1->width(), notebook);
        EXPECT_LE(ui.Label9->geometry().right(), ui.GroupBox2->contentsRect().right());
    }
    EXPECT_GE(ui.Label9->height(), ui.Label9->heightForWidth(ui.Label9->width()));
    EXPECT_GT(ui.Label9->height(), ui.Label8->height());
}

enum Op { SetText, Select, Refill };

struct Step {
    const char* control;
    Op op;
    const char* argument;
    const char* text; // then shown
    int index;        // then selected, for a combo box
};

void apply(Fields& fields, const Step& step) {
    if (step.op == SetText) {
        fields.setText(step.control, step.argument);
    } else if (step.op == Select) {
        fields.setSelectedIndex(step.control, std::stoi(step.argument));
    } else {
        fields.setItems(step.control, lowBatteryItems(2));
    }
}

// One script over the window's controls and over the plain store the codecs are tested with:
// an index outside the list selects nothing, a combo used by its text keeps any text, and new
// items select nothing.
TEST_F(Form1UiTest, ControlsKeepWhatTheCodecsPutInAsThePlainStoreDoes) {
    FieldStore store;
    fillParameterCombos(fields);
    fillParameterCombos(store);
    const Step script[]{
        {"ComboBox8", Select, "0", "By Display's Command", 0},
        {"ComboBox8", Select, "26", "40Km/H", 26},
        {"ComboBox8", Select, "27", "", -1},
        {"ComboBox8", Select, "-1", "", -1},
        {"ComboBox3", SetText, "42", "42", -1},
        {"ComboBox3", SetText, "20", "20", 2},
        {"ComboBox3", Refill, "", "", -1},
        {"ComboBox3", Select, "5", "43", 5},
        {"ComboBox4", SetText, "31", "31", -1},
        {"ComboBox5", SetText, "Internal,Motor Meter", "Internal,Motor Meter", 1},
        {"ComboBox5", Refill, "", "", -1},
        {"Edit40", SetText, " -$1F", " -$1F", -1},
        // Bytes above 0x7F from the controller arrive as UTF-8 of their Latin-1 characters.
        {"Label7", SetText, "Model:\xC3\x84\xC2\xB5<b>", "Model:\xC3\x84\xC2\xB5<b>", -1},
    };
    for (const Step& step : script) {
        SCOPED_TRACE(std::string(step.control) + " " + step.argument);
        apply(fields, step);
        apply(store, step);
        EXPECT_EQ(fields.text(step.control), step.text);
        if (std::string_view(step.control).starts_with("ComboBox")) {
            EXPECT_EQ(fields.selectedIndex(step.control), step.index);
        }
        EXPECT_EQ(store.text(step.control), step.text);
        EXPECT_EQ(store.selectedIndex(step.control), step.index);
    }
    // A fixed list, unlike the plain store, takes only an item's text, matched in case.
    fields.setText("ComboBox5", "internal,motor meter");
    EXPECT_EQ(fields.text("ComboBox5"), "");
    EXPECT_EQ(ui.Label7->text(), QStringLiteral("Model:\u00C4\u00B5<b>"));
    EXPECT_EQ(ui.Label7->textFormat(), Qt::PlainText);
}

// A wrong name or kind, a name two controls carry, or a control gone since it was found, is
// refused with the name, not guessed at.
TEST_F(Form1UiTest, MistakenLookupsAreProgrammingErrors) {
    ASSERT_EQ(fields.text("Edit23"), "0");
    delete ui.edit(23);
    (new QLineEdit(&window))->setObjectName(QStringLiteral("Edit1"));
    const std::vector<std::pair<std::string, std::function<void()>>> misuses{
        {"Edit2", [&] { (void)fields.text("Edit2"); }},
        {"Edit5", [&] { (void)fields.selectedIndex("Edit5"); }},
        {"Label6", [&] { (void)fields.itemCount("Label6"); }},
        {"Edit9", [&] { fields.setItems("Edit9", {"1"}); }},
        {"Edit23", [&] { (void)fields.text("Edit23"); }},
        {"Edit1", [&] { (void)fields.text("Edit1"); }},
    };
    for (const auto& [name, call] : misuses) {
        try {
            call();
            ADD_FAILURE() << name << " was accepted";
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

// A sign keeps to its control when the control, or a container between it and the page, moves or
// resizes, and shows and hides with the control.
TEST(FieldOverlayTest, FollowsItsControlThroughItsContainers) {
    struct Sign : FieldOverlay {
        explicit Sign(QWidget& target) : FieldOverlay(target, QStringLiteral("Sign")) { follow(); }
        QRect placed(const QRect& target) const override { return target.adjusted(-2, -2, 2, 2); }
    };
    QStackedWidget pages;
    auto* page = new QWidget;
    pages.addWidget(page);
    auto* box = new QWidget(page);
    auto* edit = new QLineEdit(box);
    const Sign sign(*edit);
    pages.resize(400, 300);
    pages.show();
    const auto expected = [&] {
        return QRect(edit->mapTo(page, QPoint(0, 0)), edit->size()).adjusted(-2, -2, 2, 2);
    };
    ASSERT_EQ(sign.parentWidget(), page);
    const std::vector<std::function<void()>> moves{
        [&] { box->move(30, 40); }, [&] { edit->move(5, 7); }, [&] { edit->resize(120, 30); }};
    for (const auto& move : moves) {
        move();
        EXPECT_EQ(sign.geometry(), expected());
    }
    edit->hide();
    EXPECT_FALSE(sign.isVisible());
    edit->show();
    EXPECT_TRUE(sign.isVisible());
}

} // namespace
} // namespace morvent
