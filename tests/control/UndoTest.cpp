#include "KeepingFixture.h"

#include "LoadWindow.h"
#include "ParameterFile.h"

namespace morvent {
namespace {

using test::KeepingTest;

struct PageCase {
    const char* name;
    int page;
    const char* undo;
    int edit;          // a number field of the page
    const char* list;  // a list of the page
    int otherPageEdit; // on another page: left alone
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.name;
}

const PageCase kPages[] = {
    {"Basic", 0, "UndoBasic", 12, "ComboBox4", 23},
    {"PedalAssist", 1, "UndoPedalAssist", 23, "ComboBox6", 28},
    {"ThrottleHandle", 2, "UndoThrottleHandle", 28, "ComboBox11", 44},
    {"Torque", 3, "UndoTorque", 60, nullptr, 1},
};

class Undo : public KeepingTest {
protected:
    QComboBox* list(const char* name) { return find<QComboBox>(name); }
    std::vector<std::string> pageValues() const {
        std::vector<std::string> values;
        for (int n = 1; n <= 91; ++n) {
            values.push_back(form->ui().edit(n)->text().toStdString());
        }
        for (int n = 3; n <= 13; ++n) {
            auto* box = form->findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(n));
            values.push_back(box->currentText().toStdString() + "#" +
                             std::to_string(box->currentIndex()));
        }
        return values;
    }
    void load(const QString& name) {
        TForm5* window = form->Form5();
        window->setDirectory(dir.path());
        window->show();
        window->Edit1->setText(name);
        window->BitBtn1->click();
    }
};

class UndoEachPage : public Undo, public testing::WithParamInterface<PageCase> {};

TEST_P(UndoEachPage, PutsBackThePageAsReadAndLeavesTheOtherPagesAlone) {
    const PageCase& page = GetParam();
    EXPECT_FALSE(button(page.undo)->isEnabled());
    connectController();
    readFlash();
    ASSERT_TRUE(button(page.undo)->isEnabled());
    const std::vector<std::string> read = pageValues();

    form->ui().edit(page.edit)->setText("7");
    if (page.list) {
        list(page.list)->setCurrentIndex(-1);
    }
    form->ui().edit(page.otherPageEdit)->setText("9");
    button(page.undo)->click();

    std::vector<std::string> expected = read;
    expected[static_cast<std::size_t>(page.otherPageEdit - 1)] = "9";
    EXPECT_EQ(pageValues(), expected);
    EXPECT_TRUE(boxes.shown.empty());
    // Nothing went to the controller.
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
}

INSTANTIATE_TEST_SUITE_P(Pages, UndoEachPage, testing::ValuesIn(kPages),
                         [](const testing::TestParamInfo<PageCase>& info) {
                             return info.param.name;
                         });

TEST_F(Undo, APageReadOnItsOwnIsTheOnlyOneThatCanBeUndone) {
    connectController();
    button("BitBtn5")->click();
    awaitReply();
    EXPECT_TRUE(button("UndoBasic")->isEnabled());
    for (const char* other : {"UndoPedalAssist", "UndoThrottleHandle", "UndoTorque"}) {
        EXPECT_FALSE(button(other)->isEnabled()) << other;
    }
}

TEST_F(Undo, AfterALoadUndoPutsBackTheLoadedValues) {
    connectController();
    readFlash();
    form->ui().edit(12)->setText("44");
    form->ui().edit(60)->setText("6");
    list("ComboBox7")->setCurrentIndex(2);
    SaveParameterFile(form->fields(), dir.filePath("set.el").toStdString());
    button("BitBtn5")->click(); // the Basic page from the controller again
    awaitReply();
    load("set.el");
    ASSERT_FALSE(form->Form5()->isVisible());
    const std::vector<std::string> loaded = pageValues();

    form->ui().edit(12)->setText("1");
    form->ui().edit(60)->setText("1");
    list("ComboBox7")->setCurrentIndex(0);
    for (const char* undo : {"UndoBasic", "UndoPedalAssist", "UndoTorque"}) {
        button(undo)->click();
    }
    EXPECT_EQ(pageValues(), loaded);
    EXPECT_EQ(form->ui().edit(12)->text(), "44");
}

TEST_F(Undo, ALoadThatFailsLeavesNothingToUndo) {
    load("missing.el");
    EXPECT_EQ(boxes.shown.size(), 1u);
    for (const char* undo : {"UndoBasic", "UndoPedalAssist", "UndoThrottleHandle", "UndoTorque"}) {
        EXPECT_FALSE(button(undo)->isEnabled()) << undo;
    }
}

} // namespace
} // namespace morvent
