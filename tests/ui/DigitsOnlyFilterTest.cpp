#include "DigitsOnlyFilter.h"
#include "UiFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace morvent::test {
namespace {

struct KeyCase {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool passes;
};

TEST(DigitsOnlyFilterTest, DecidesEachKeyPressByWhatItWouldType) {
    const std::vector<KeyCase> cases{
        {"digit", Qt::Key_7, {}, "7", true},
        {"keypad digit", Qt::Key_3, Qt::KeypadModifier, "3", true},
        {"backspace", Qt::Key_Backspace, {}, "\b", true},
        {"letter", Qt::Key_A, {}, "a", false},
        {"capital", Qt::Key_A, Qt::ShiftModifier, "A", false},
        {"minus", Qt::Key_Minus, {}, "-", false},
        {"plus", Qt::Key_Plus, Qt::ShiftModifier, "+", false},
        {"point", Qt::Key_Period, {}, ".", false},
        {"blank", Qt::Key_Space, {}, " ", false},
        {"enter", Qt::Key_Return, {}, "\r", false},
        {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", false},
        {"escape", Qt::Key_Escape, {}, "\x1b", false},
        {"dollar", Qt::Key_Dollar, Qt::ShiftModifier, "$", false},
        {"non-Latin digit", Qt::Key_unknown, {}, QString(QChar(0x0663)), false},
        {"third-level character", Qt::Key_2, Qt::ControlModifier | Qt::AltModifier,
         QString(QChar(0x00B2)), false},
        {"alt letter", Qt::Key_X, Qt::AltModifier, "x", false},
        {"left arrow", Qt::Key_Left, {}, "", true},
        {"home", Qt::Key_Home, {}, "", true},
        {"delete", Qt::Key_Delete, {}, "\x7f", true},
        {"tab", Qt::Key_Tab, {}, "\t", true},
        {"back tab", Qt::Key_Backtab, Qt::ShiftModifier, "\t", true},
        {"paste", Qt::Key_V, Qt::ControlModifier, "\x16", true},
        {"select all", Qt::Key_A, Qt::ControlModifier, "a", true},
        {"copy", Qt::Key_C, Qt::ControlModifier, "\x03", true},
    };
    for (const KeyCase& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        EXPECT_EQ(DigitsOnlyFilter::passes(event), c.passes) << c.what;
    }
}

class DigitsOnlyTypingTest : public MainWindowTest {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QLineEdit* focused(int n) {
        ui.TabbedNotebook1->setCurrentIndex(Form1Ui::TorquePage);
        QLineEdit* edit = ui.edit(n);
        edit->setFocus();
        return edit;
    }
};

// Whatever is typed, only the digits arrive; the fields start at "0" with the cursor after it.
TEST_F(DigitsOnlyTypingTest, EveryEditKeepsOnlyTypedDigits) {
    for (int n = 1; n <= kEditCount; ++n) {
        QLineEdit* edit = ui.edit(n);
        // The live readings are read-only; typing into them is tried with that lifted, to show
        // the rule stands behind them too.
        edit->setReadOnly(false);
        edit->setCursorPosition(edit->text().size());
        QTest::keyClicks(edit, QStringLiteral("1a-2. x+3$"));
        EXPECT_EQ(edit->text(), QStringLiteral("0123")) << editName(n);
    }
}

TEST_F(DigitsOnlyTypingTest, EnterIsSwallowed) {
    QLineEdit* edit = focused(33);
    QSignalSpy entered(edit, &QLineEdit::returnPressed);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(entered.count(), 0);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
}

TEST_F(DigitsOnlyTypingTest, BackspaceCursorKeysAndDeleteStillEdit) {
    QLineEdit* edit = focused(44);
    QTest::keyClicks(edit, QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, QStringLiteral("9"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClicks(edit, QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("9152"));
}

TEST_F(DigitsOnlyTypingTest, ShortcutsWorkAndPastedOrSetTextIsNotFiltered) {
    QLineEdit* edit = focused(35);
    QApplication::clipboard()->setText(QStringLiteral(" -$1F"));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral(" -$1F"));

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QLineEdit* other = focused(36);
    other->clear();
    other->paste();
    EXPECT_EQ(other->text(), QStringLiteral(" -$1F"));

    // Nor is text the program puts in.
    other->setText(QStringLiteral("+0x1A"));
    other->insert(QStringLiteral(" -."));
    EXPECT_EQ(other->text(), QStringLiteral("+0x1A -."));
}

TEST_F(DigitsOnlyTypingTest, LongNumbersAreNotCut) {
    QLineEdit* edit = focused(22);
    const QString digits = QString(60, QLatin1Char('9'));
    QTest::keyClicks(edit, digits);
    EXPECT_EQ(edit->text(), QStringLiteral("0") + digits);
}

} // namespace
} // namespace morvent::test
