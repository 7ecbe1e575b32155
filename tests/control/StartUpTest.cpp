#include "Form1Fixture.h"

#include "AboutBox.h"
#include "ClickableLabel.h"
#include "LoadWindow.h"
#include "SaveWindow.h"

#include <QMenuBar>

namespace morvent {
namespace {

using test::Form1Test;

TEST_F(Form1Test, StartsDisconnectedWithEveryControllerButtonDisabled) {
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    for (const char* name :
         {"BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8", "BitBtn9",
          "BitBtn11", "BitBtn12", "BitBtn13", "BitBtn14", "BitBtn15"}) {
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_EQ(form->Timer1->interval(), 200);
    EXPECT_EQ(form->Timer2->interval(), 500);
    EXPECT_EQ(form->ConnectFlag, 0);
    EXPECT_EQ(form->PendingRequest, 0);
    EXPECT_EQ(form->MaxCurrent, 0);
    EXPECT_EQ(form->Comm1->ComHandle(), 0u);
}

TEST_F(Form1Test, KeepsItsSizeWithTheStatusBarAndNothingIsCut) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (int i = 0; i < 8; ++i) {
        QApplication::processEvents();
    }
    EXPECT_EQ(form->size(), QSize(978, 757));
    // Every page's fullest column still ends above the status bar.
    auto* notebook = find<QTabWidget>("TabbedNotebook1");
    for (int page = 0; page < notebook->count(); ++page) {
        notebook->setCurrentIndex(page);
        QApplication::processEvents();
        QWidget* sheet = notebook->widget(page);
        EXPECT_GE(sheet->height(), sheet->minimumSizeHint().height()) << page;
    }
}

TEST_F(Form1Test, FillsTheListsWhenFirstShown) {
    auto* ports = find<QComboBox>("ComboBox1");
    ASSERT_EQ(ports->count(), 1);
    EXPECT_EQ(ports->currentText(), "Simulated controller");
    EXPECT_TRUE(ports->itemData(0, Qt::ToolTipRole)
                    .toString()
                    .contains(QString::fromStdString(sim.devicePath())));

    auto* rates = find<QComboBox>("ComboBox2");
    EXPECT_EQ(rates->currentIndex(), 0);
    EXPECT_EQ(rates->currentText(), "1200");

    // The items themselves are checked with the layout; here: the lists are in, none chosen.
    for (const auto& [name, count] : {std::pair{"ComboBox4", 16}, std::pair{"ComboBox5", 3}}) {
        auto* list = find<QComboBox>(name);
        EXPECT_EQ(list->count(), count) << name;
        EXPECT_EQ(list->currentIndex(), -1) << name;
    }
}

TEST_F(Form1Test, ListsTheSimulatedControllerBeforeTheSystemsPorts) {
    extraPorts = {{"ttyS0", "/dev/ttyS0", ""}, {"ttyUSB0", "/dev/ttyUSB0", "USB serial adapter"}};
    form->Searchcomm();
    auto* ports = find<QComboBox>("ComboBox1");
    ASSERT_EQ(ports->count(), 3);
    EXPECT_EQ(ports->itemText(0), "Simulated controller");
    EXPECT_EQ(ports->itemText(1), "ttyS0");
    EXPECT_EQ(ports->itemText(2), "ttyUSB0");
    EXPECT_EQ(ports->itemData(2, Qt::ToolTipRole).toString(), "USB serial adapter");
}

TEST_F(Form1Test, HelpShowsTheAboutBoxBesideTheMainWindow) {
    form->ui().Help1->trigger();
    ASSERT_NE(form->Form3(), nullptr);
    EXPECT_TRUE(form->Form3()->isVisible());
    EXPECT_FALSE(form->Form3()->isModal());
    form->ui().Save1->trigger();
    form->ui().Load1->trigger();
    EXPECT_TRUE(form->Form4()->isVisible());
    EXPECT_TRUE(form->Form5()->isVisible());
    EXPECT_TRUE(form->Form3()->isVisible());
}

TEST_F(Form1Test, TheWebLinkOpensTheAddressItShows) {
    form->Label3Click();
    ASSERT_EQ(openedUrls.size(), 1u);
    EXPECT_EQ(openedUrls[0].toString(), form->ui().Label3->text());
}

TEST_F(Form1Test, ClickingATabForgetsTheAwaitedReply) {
    form->PendingRequest = SingleRead;
    auto* notebook = find<QTabWidget>("TabbedNotebook1");
    QTabBar* tabs = notebook->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(notebook->currentIndex(), 0);
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
}

TEST_F(Form1Test, FramesSentWhileThePortIsClosedShowErrorSendingAndChangeNothing) {
    form->SendReadCommand(0x52);
    EXPECT_EQ(boxes.shown, std::vector<QString>{"plain: Error sending!"});
    boxes.shown.clear();
    form->Comm1->setBaudRate(1200);
    form->SendConnectCommand();
    EXPECT_EQ(boxes.shown, std::vector<QString>{"plain: Error sending!"});
    EXPECT_EQ(form->Comm1->BaudRate(), 1200u);
    EXPECT_FALSE(form->Timer1->isActive());
    boxes.shown.clear();
    form->SendTorqueWrite();
    EXPECT_EQ(boxes.shown, std::vector<QString>{"plain: Error sending!"});
}

TEST(GeneralErrorDisplay, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* text;
        const char* shown;
    };
    for (const Case c :
         {Case{"Error opening serial port", "Error opening serial port."},
          Case{"'12a' is not a valid integer value", "'12a' is not a valid integer value."},
          Case{"Already ends.", "Already ends."},
          Case{"File handle is not a comm handle ", "File handle is not a comm handle "},
          Case{"Ends in a dash -", "Ends in a dash -"}, Case{"", ""},
          Case{"Ends in a slash/", "Ends in a slash/."}}) {
        EXPECT_EQ(withFullStop(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown)) << c.text;
    }
}

} // namespace
} // namespace morvent
