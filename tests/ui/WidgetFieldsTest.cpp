#include "WidgetFields.h"
#include "ComboItems.h"
#include "FieldStore.h"
#include "UiFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <memory>
#include <stdexcept>

namespace morvent::test {
namespace {

class WidgetFieldsTest : public MainWindowTest {
protected:
    WidgetFieldsTest() {
        ui.ComboBox4->addItems(Form1Ui::wheelSizeItems());
        ui.ComboBox5->addItems(Form1Ui::speedMeterItems());
    }

    WidgetFields fields{window};
};

// Every control the codecs, the identity display and the parameter file reach by name is there.
TEST_F(WidgetFieldsTest, FindsEveryNamedControlOfTheWindow) {
    for (int n = 1; n <= kEditCount; ++n) {
        EXPECT_EQ(fields.text(editName(n)), "0") << n;
    }
    for (const std::string_view combo : kParameterCombos) {
        EXPECT_NO_THROW(fields.selectedIndex(combo)) << combo;
    }
    EXPECT_EQ(fields.text("Label6"), "Manufacturer:");
    EXPECT_EQ(fields.text("Label11"), "Max.Current:");
    EXPECT_EQ(fields.text("ComboBox7"), "By Display's Command");
    EXPECT_EQ(fields.selectedIndex("ComboBox7"), -1);
}

TEST_F(WidgetFieldsTest, EditsAndLabelsRoundTripTheirText) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Edit1", "25"},
        {"edit2", ""},
        {"Edit96", "65535"},
        {"Edit40", " -$1F"},
        {"Label6", "Manufacturer:KLMN"},
        // Bytes above 0x7F from the controller arrive as UTF-8 of their Latin-1 characters.
        {"Label7", "Model:\xC3\x84\xC2\xB5<b>"},
    };
    for (const auto& [name, text] : cases) {
        fields.setText(name, text);
        EXPECT_EQ(fields.text(name), text) << name;
    }
    EXPECT_EQ(ui.Label7->text(), QStringLiteral("Model:\u00C4\u00B5<b>"));
    EXPECT_EQ(ui.Label7->textFormat(), Qt::PlainText);
}

struct IndexCase {
    const char* combo;
    int requested;
    int selected;
    std::string text;
};

// An index outside the list selects nothing, and a combo with nothing selected shows no text.
TEST_F(WidgetFieldsTest, SelectingAnIndexSelectsItsItemOrNothing) {
    const std::vector<IndexCase> cases{
        {"ComboBox8", 0, 0, "By Display's Command"},
        {"ComboBox8", 26, 26, "40Km/H"},
        {"ComboBox8", 27, -1, ""},
        {"ComboBox8", 3, 3, "17Km/H"},
        {"ComboBox8", -1, -1, ""},
        {"ComboBox8", -2, -1, ""},
        {"ComboBox4", 12, 12, "700C"},
        {"ComboBox4", 16, -1, ""},
        {"ComboBox5", 2, 2, "By Motor Phase"},
        {"ComboBox5", 3, -1, ""},
        {"ComboBox11", 1, 1, "Current"},
        {"ComboBox11", 255, -1, ""},
    };
    for (const IndexCase& c : cases) {
        fields.setSelectedIndex(c.combo, c.requested);
        EXPECT_EQ(fields.selectedIndex(c.combo), c.selected) << c.combo << " " << c.requested;
        EXPECT_EQ(fields.text(c.combo), c.text) << c.combo << " " << c.requested;
    }
}

// The low-battery voltage is used by its text: a value the list lacks is shown as it is, and
// the selection never points at an item other than the one shown.
TEST_F(WidgetFieldsTest, TextOfAnEditableComboIsKeptWhetherListedOrNot) {
    const std::vector<std::pair<std::string, int>> steps{{"42", -1}, {"20", 2}, {"42", -1},
                                                         {"", -1},   {"22", 4}, {"abc", -1}};
    for (const auto& [text, index] : steps) {
        fields.setText("ComboBox3", text);
        EXPECT_EQ(fields.text("ComboBox3"), text);
        EXPECT_EQ(fields.selectedIndex("ComboBox3"), index) << text;
    }
}

TEST_F(WidgetFieldsTest, TextOfADropDownListSelectsTheMatchingItemOrNone) {
    fields.setText("ComboBox5", "Internal,Motor Meter");
    EXPECT_EQ(fields.selectedIndex("ComboBox5"), 1);
    fields.setText("ComboBox5", "internal,motor meter");
    EXPECT_EQ(fields.selectedIndex("ComboBox5"), -1);
    EXPECT_EQ(fields.text("ComboBox5"), "");
}

TEST_F(WidgetFieldsTest, NewItemsReplaceTheListAndSelectNothing) {
    for (const char* combo : {"ComboBox3", "ComboBox5"}) {
        fields.setSelectedIndex(combo, 1);
        ASSERT_EQ(fields.selectedIndex(combo), 1);
        fields.setItems(combo, lowBatteryItems(2));
        EXPECT_EQ(fields.itemCount(combo), 6) << combo;
        EXPECT_EQ(fields.selectedIndex(combo), -1) << combo;
        EXPECT_EQ(fields.text(combo), "") << combo;
        fields.setSelectedIndex(combo, 5);
        EXPECT_EQ(fields.text(combo), "43") << combo;
    }
    fields.setItems("ComboBox3", {});
    EXPECT_EQ(fields.itemCount("ComboBox3"), 0);
}

TEST_F(WidgetFieldsTest, MistakenNamesAndKindsAreProgrammingErrors) {
    const std::vector<std::pair<std::string, std::function<void()>>> misuses{
        {"Edit2", [&] { (void)fields.text("Edit2"); }},
        {"Edit97", [&] { fields.setText("Edit97", "1"); }},
        {"ComboBox14", [&] { (void)fields.selectedIndex("ComboBox14"); }},
        {"Edit5", [&] { (void)fields.selectedIndex("Edit5"); }},
        {"Label6", [&] { (void)fields.itemCount("Label6"); }},
        {"Edit9", [&] { fields.setItems("Edit9", {"1"}); }},
        {"Panel1", [&] { (void)fields.text("Panel1"); }},
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

TEST(WidgetFieldsLookupTest, ANameTwoControlsCarryIsRefused) {
    QWidget root;
    for (int i = 0; i < 2; ++i) {
        (new QLineEdit(&root))->setObjectName(QStringLiteral("Edit1"));
    }
    WidgetFields fields(root);
    EXPECT_THROW((void)fields.text("Edit1"), std::logic_error);
}

TEST(WidgetFieldsLookupTest, AControlDestroyedAfterLookupIsReportedNotTouched) {
    QWidget root;
    auto* edit = new QLineEdit(QStringLiteral("7"), &root);
    edit->setObjectName(QStringLiteral("Edit1"));
    WidgetFields fields(root);
    ASSERT_EQ(fields.text("Edit1"), "7");
    delete edit;
    EXPECT_THROW((void)fields.text("Edit1"), std::logic_error);
}

// The codecs are tested against the plain store; over the window's widgets the same sequence of
// operations must leave the same texts, selections and counts.
TEST_F(WidgetFieldsTest, BehavesLikeThePlainStore) {
    FieldStore store;
    for (const std::string_view combo : {"ComboBox3", "ComboBox4", "ComboBox7", "ComboBox10"}) {
        store.setItems(combo, comboItems(combo));
        fields.setItems(combo, comboItems(combo));
    }
    struct Step {
        std::function<void(Fields&)> apply;
        std::string control;
    };
    const std::vector<Step> script{
        {[](Fields& f) { f.setText("ComboBox3", "42"); }, "ComboBox3"},
        {[](Fields& f) { f.setText("ComboBox3", "19"); }, "ComboBox3"},
        {[](Fields& f) { f.setItems("ComboBox3", lowBatteryItems(5)); }, "ComboBox3"},
        {[](Fields& f) { f.setText("ComboBox3", "55"); }, "ComboBox3"},
        {[](Fields& f) { f.setSelectedIndex("ComboBox4", 12); }, "ComboBox4"},
        {[](Fields& f) { f.setText("ComboBox4", "26"); }, "ComboBox4"},
        {[](Fields& f) { f.setSelectedIndex("ComboBox4", -1); }, "ComboBox4"},
        {[](Fields& f) { f.setText("ComboBox4", "31"); }, "ComboBox4"},
        {[](Fields& f) { f.setSelectedIndex("ComboBox7", 10); }, "ComboBox7"},
        {[](Fields& f) { f.setSelectedIndex("ComboBox7", 11); }, "ComboBox7"},
        {[](Fields& f) { f.setText("ComboBox7", "By Display's Command"); }, "ComboBox7"},
        {[](Fields& f) { f.setSelectedIndex("ComboBox10", 71); }, "ComboBox10"},
        {[](Fields& f) { f.setText("Edit23", "100"); }, "Edit23"},
        {[](Fields& f) { f.setText("Label10", "Nominal Voltage: 48V"); }, "Label10"},
    };
    for (std::size_t i = 0; i < script.size(); ++i) {
        const Step& step = script[i];
        step.apply(store);
        step.apply(fields);
        SCOPED_TRACE("step " + std::to_string(i) + " on " + step.control);
        EXPECT_EQ(fields.text(step.control), store.text(step.control));
        if (step.control.starts_with("ComboBox")) {
            EXPECT_EQ(fields.selectedIndex(step.control), store.selectedIndex(step.control));
            EXPECT_EQ(fields.itemCount(step.control), store.itemCount(step.control));
        }
    }
}

} // namespace
} // namespace morvent::test
