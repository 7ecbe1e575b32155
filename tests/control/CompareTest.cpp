#include "KeepingFixture.h"

#include "ComparisonMarks.h"
#include "FieldStore.h"
#include "IniDocument.h"
#include "ParameterComparison.h"
#include "ParameterFile.h"
#include "ParameterSpecs.h"
#include "StatusNote.h"

#include <QAction>
#include <QFile>
#include <QMenu>

namespace morvent {
namespace {

using test::KeepingTest;

class Compare : public KeepingTest {
protected:
    void SetUp() override {
        KeepingTest::SetUp();
        connectController();
        readFlash();
        comparisonFile = dir.filePath("shop.el");
    }

    struct Change {
        const char* section;
        const char* key;
        std::string value;
    };
    // The file holds the window's values but for the changes.
    void writeComparisonFile(const std::vector<Change>& changes) {
        SaveParameterFile(form->fields(), comparisonFile.toStdString());
        QFile file(comparisonFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        IniDocument document(file.readAll().toStdString());
        file.close();
        for (const Change& change : changes) {
            document.setValue(change.section, change.key, change.value);
        }
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::fromStdString(document.text()));
    }
    std::string plusOne(int edit) const {
        return std::to_string(form->ui().edit(edit)->text().toInt() + 1);
    }
    void compare() { form->ui().CompareWithFile1->trigger(); }
    QStringList marked() const { return form->comparison().markedControls(); }
    QString note() { return find<StatusNote>("ComparisonNote")->text(); }
    QAction* clearAction() const { return form->ui().ClearComparison1; }
    bool tabMarked(int page) const { return !form->ui().TabbedNotebook1->tabIcon(page).isNull(); }
};

TEST_F(Compare, MarksExactlyTheFieldsThatDifferFromTheFile) {
    QComboBox* wheel = form->ui().ComboBox4;
    QComboBox* meter = form->ui().ComboBox5;
    ASSERT_GE(meter->currentIndex(), 0);
    const int wheelInFile = (wheel->currentIndex() + 3) % wheel->count();
    const int throttleLimit = form->ui().ComboBox13->currentIndex();
    ASSERT_GE(throttleLimit, 0);
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

    EXPECT_EQ(form->ui().edit(1)->toolTip(), QString::fromStdString("In shop.el: " + plusOne(1)));
    EXPECT_EQ(wheel->toolTip(), QStringLiteral("In shop.el: %1 (item %2)")
                                    .arg(wheel->itemText(wheelInFile))
                                    .arg(wheelInFile));
    EXPECT_EQ(meter->toolTip(), "In shop.el: nothing selected (-1)");
    EXPECT_EQ(form->ui().ComboBox13->toolTip(),
              QStringLiteral("In shop.el: %1 (item %2)")
                  .arg(form->ui().ComboBox13->itemText(throttleLimit))
                  .arg(throttleLimit));
    EXPECT_NE(form->findChild<QWidget*>("Edit46Mark"), nullptr);
    EXPECT_EQ(form->findChild<QWidget*>("Edit45Mark"), nullptr);
}

TEST_F(Compare, AMarkGoesWhenItsFieldIsEditedItsPageReadOrTheComparisonCleared) {
    writeComparisonFile({{"Basic", "LC", plusOne(1)},
                         {"Basic", "WD", "0"},
                         {"Pedal Assist", "SC", plusOne(23)},
                         {"Torque", "BV", plusOne(32)},
                         {"Torque", "FS0", plusOne(50)}});
    form->ui().ComboBox4->setCurrentIndex(1);
    compare();
    ASSERT_EQ(marked(), QStringList({"Edit1", "ComboBox4", "Edit23", "Edit32", "Edit50"}));

    QTest::keyClick(form->ui().edit(1), Qt::Key_Backspace);
    form->ui().ComboBox4->setCurrentIndex(2);
    EXPECT_EQ(marked(), QStringList({"Edit23", "Edit32", "Edit50"}));
    // The field's own help comes back.
    EXPECT_EQ(form->ui().edit(1)->toolTip().toStdString(), parameterHelp("Edit1"));
    EXPECT_EQ(form->findChild<QWidget*>("Edit1Mark"), nullptr);
    EXPECT_EQ(note(), "3 fields differ from shop.el");
    EXPECT_FALSE(tabMarked(0));

    // The Torque page read again: its marks go, even where the value read is the one shown.
    button("BitBtn14")->click();
    awaitReply();
    EXPECT_EQ(marked(), QStringList({"Edit23"}));
    EXPECT_EQ(note(), "1 field differs from shop.el");

    clearAction()->trigger();
    EXPECT_TRUE(marked().isEmpty());
    EXPECT_EQ(note(), "");
    EXPECT_FALSE(clearAction()->isEnabled());
    EXPECT_FALSE(tabMarked(1));
    EXPECT_EQ(form->ui().edit(23)->toolTip().toStdString(), parameterHelp("Edit23"));
}

TEST_F(Compare, AFileLikeTheWindowMarksNothingAndSaysSo) {
    writeComparisonFile({});
    compare();
    EXPECT_TRUE(marked().isEmpty());
    EXPECT_EQ(note(), "No field differs from shop.el");
    EXPECT_FALSE(clearAction()->isEnabled());
}

TEST_F(Compare, AFileThatCannotBeReadKeepsTheMarksAndCancellingDoesNothing) {
    writeComparisonFile({{"Basic", "LC", plusOne(1)}});
    compare();
    ASSERT_EQ(marked(), QStringList({"Edit1"}));
    // The dialog offers the controller's backups first.
    ASSERT_EQ(comparisonFolders.size(), 1u);
    EXPECT_EQ(comparisonFolders[0], backups + "/KLMN-PQRS");

    comparisonFile = dir.filePath("missing.el");
    compare();
    EXPECT_EQ(boxes.shown, std::vector<QString>{"error: Unable to read " + comparisonFile + "."});
    EXPECT_EQ(marked(), QStringList({"Edit1"}));

    comparisonFile.clear();
    compare();
    EXPECT_EQ(marked(), QStringList({"Edit1"}));
}

TEST_F(Compare, WithTheControllerMarksWhatChangedSinceTheReadAndLeavesThePagesAlone) {
    QAction* action = form->ui().CompareWithController1;
    const auto openFileMenu = [this] { emit form->ui().File1->aboutToShow(); };
    const QString limitRead = form->ui().edit(5)->text();
    form->ui().edit(5)->setText("77");
    form->ui().ComboBox8->setCurrentIndex(form->ui().ComboBox8->currentIndex() + 1);
    form->ui().edit(32)->setText("1234");
    Bytes torque = sim.withModel([](ControllerModel& m) { return m.image(Command::Torque); });
    ++torque[13]; // the controller's own change: the 15 - 20 Kg delta voltage
    sim.withModel([&](ControllerModel& m) { m.setImage(Command::Torque, torque); });
    const auto pages = snapshot();

    openFileMenu();
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    openFileMenu();
    EXPECT_FALSE(action->isEnabled()); // while its reads run
    ASSERT_TRUE(waitFor([this] { return !note().isEmpty(); }));
    EXPECT_EQ(marked(), QStringList({"Edit5", "ComboBox8", "Edit32", "Edit40"}));
    EXPECT_EQ(note(), "4 fields differ from the controller");
    EXPECT_EQ(form->ui().edit(5)->toolTip(), "In the controller: " + limitRead);
    EXPECT_EQ(snapshot(), pages);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
    EXPECT_EQ(requests(Command::LiveReadings), 1u); // only Read Flash's

    button("BitBtn11")->click();
    openFileMenu();
    EXPECT_FALSE(action->isEnabled());
}

TEST(ParameterComparison, ComparesNumbersByValueAndListsByIndex) {
    struct Case {
        const char* control;
        std::string windowText; // for numbers
        int windowIndex;        // for lists
        std::int32_t inFile;
        bool differs;
        std::int32_t reported; // the file's value as a mark gives it
    };
    const Case cases[] = {
        {"Edit1", "25", 0, 25, false, 0},    {"Edit1", "025", 0, 25, false, 0},
        {"Edit1", "26", 0, 25, true, 25},    {"Edit1", "", 0, 0, true, 0},
        {"Edit1", "-1", 0, -1, false, 0},    {"ComboBox3", "42", 0, 42, false, 0},
        {"ComboBox3", "", 0, 42, true, 42},  {"ComboBox6", "", 1, 1, false, 0},
        {"ComboBox6", "", 1, 2, true, 2},    {"ComboBox6", "", -1, -1, false, 0},
        {"ComboBox6", "", -1, 99, false, 0}, {"ComboBox6", "", 0, -1, true, -1},
        {"ComboBox6", "", 0, 3, true, -1},   {"ComboBox6", "", -1, 2, true, 2},
    };
    for (const Case& c : cases) {
        FieldStore window;
        std::map<std::string, std::int32_t, std::less<>> file;
        for (const ParameterRow& row : parameterRows()) {
            if (row.kind == ParameterKind::Number) {
                window.setText(row.control, "0");
            } else {
                window.setItems(row.control, {"a", "b", "c"});
                window.setSelectedIndex(row.control, 0);
            }
            file[row.control] = 0;
        }
        if (std::string_view(c.control).starts_with("Edit") ||
            std::string_view(c.control) == "ComboBox3") {
            window.setText(c.control, c.windowText);
        } else {
            window.setSelectedIndex(c.control, c.windowIndex);
        }
        file[c.control] = c.inFile;
        const std::vector<FieldDifference> found = differingFields(window, file);
        SCOPED_TRACE(std::string(c.control) + " '" + c.windowText + "' " +
                     std::to_string(c.windowIndex) + " / " + std::to_string(c.inFile));
        ASSERT_EQ(found.size(), c.differs ? 1u : 0u);
        if (c.differs) {
            EXPECT_EQ(found[0].control, c.control);
            EXPECT_EQ(found[0].fileValue, c.reported);
        }
    }
}

} // namespace
} // namespace morvent
