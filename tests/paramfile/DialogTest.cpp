#include "DialogFixture.h"

#include <filesystem>

namespace morvent::test {
namespace {

namespace fs = std::filesystem;

TEST_F(DialogTest, SaveUnderATypedNameThenLoadItBack) {
    fillWithDistinctValues(fields, 1);
    const std::vector<std::string> saved = snapshot(fields);
    save.setDirectory(root());
    show(save);
    EXPECT_EQ(save.Edit1->text(), "");
    QTest::keyClicks(save.Edit1, "abc");
    click(save.BitBtn1);
    EXPECT_FALSE(save.isVisible());
    EXPECT_TRUE(boxes.shown.empty());
    // Exactly the name typed: no extension added.
    EXPECT_TRUE(fs::is_regular_file(dir.path("abc")));

    load.setDirectory(root());
    show(load);
    // Not an ".el" file, so not offered until all files are.
    EXPECT_EQ(load.Edit1->text(), "");
    load.FilterComboBox1->setCurrentIndex(1);
    clickFile(load, "abc", true);
    EXPECT_EQ(load.Edit1->text(), "abc");
    fillWithDistinctValues(fields, 2);
    click(load.BitBtn1);
    EXPECT_FALSE(load.isVisible());
    EXPECT_EQ(snapshot(fields), saved);
    EXPECT_EQ(ui.ComboBox3->currentText(), "1001");
    EXPECT_EQ(ui.ComboBox7->currentIndex(), -1);
}

TEST_F(DialogTest, AnEmptyNameDoesNothing) {
    writeText(dir.path("notes.txt"), "");
    for (FileChoiceWindow* window :
         {static_cast<FileChoiceWindow*>(&save), static_cast<FileChoiceWindow*>(&load)}) {
        window->setDirectory(root());
        show(*window);
        ASSERT_EQ(window->Edit1->text(), "");
        click(window->BitBtn1);
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(dir.contents().size(), 1u);
}

TEST_F(DialogTest, AFieldThatIsNoNumberStopsTheSaveWithTheFileUnchanged) {
    writeText(dir.path("old.el"), "[Basic]\r\nLC=1\r\n");
    fillWithDistinctValues(fields, 1);
    ui.edit(60)->clear();
    save.setDirectory(root());
    show(save);
    ASSERT_EQ(save.Edit1->text(), "old.el");
    const auto before = dir.contents();
    click(save.BitBtn1);
    EXPECT_EQ(boxes.shown, std::vector<QString>{"error: '' is not a valid integer value."});
    EXPECT_TRUE(save.isVisible());
    EXPECT_EQ(save.Edit1->text(), "old.el");
    EXPECT_EQ(dir.contents(), before);
}

TEST_F(DialogTest, TheNameFieldFollowsShowingDoubleClicksAndDirectories) {
    for (const char* file : {"a.el", "b.el", "sub/c.el"}) {
        fs::create_directories(fs::path(dir.path(file)).parent_path());
        writeText(dir.path(file), "");
    }
    load.setDirectory(root());
    show(load);
    EXPECT_EQ(load.Edit1->text(), "a.el");
    clickFile(load, "b.el", false);
    EXPECT_EQ(load.Edit1->text(), "a.el");
    clickFile(load, "b.el", true);
    EXPECT_EQ(load.Edit1->text(), "b.el");

    clickDirectory(load, qpath("sub"));
    EXPECT_EQ(load.directory(), qpath("sub"));
    EXPECT_EQ(listed(load), QStringList{"c.el"});
    EXPECT_EQ(load.Edit1->text(), "c.el");

    // Hidden, not destroyed: the next showing finds the same place.
    click(load.BitBtn2);
    EXPECT_FALSE(load.isVisible());
    load.Edit1->clear();
    show(load);
    EXPECT_EQ(load.directory(), qpath("sub"));
    EXPECT_EQ(load.Edit1->text(), "c.el");
    EXPECT_TRUE(load.Edit1->isReadOnly());
    EXPECT_FALSE(save.Edit1->isReadOnly());
}

TEST_F(DialogTest, TheFilterSetsTheFileListsMask) {
    for (const char* file : {"b.el", "A.EL", "abc", "x.txt", ".hidden.el"}) {
        writeText(dir.path(file), "");
    }
    save.setDirectory(root());
    EXPECT_EQ(save.FilterComboBox1->currentText(), "*.el");
    EXPECT_EQ(listed(save), (QStringList{"A.EL", "b.el"}));
    save.FilterComboBox1->setCurrentIndex(1);
    EXPECT_EQ(save.FilterComboBox1->currentText(), "All files (*.*)");
    EXPECT_EQ(listed(save), (QStringList{"A.EL", "abc", "b.el", "x.txt"}));
}

// A drive's own directory becomes the tree's only top item and the current directory; a drive
// that cannot be opened is reported and not chosen.
TEST_F(DialogTest, ChoosingADriveMovesTheTreeToIt) {
    fs::create_directory(dir.path("sub"));
    writeText(dir.path("top.el"), "");
    load.setDirectory(qpath("sub"));
    show(load);
    const auto choose = [this](const QString& drive) {
        load.DriveComboBox1->addItem(drive);
        emit load.DriveComboBox1->activated(load.DriveComboBox1->count() - 1);
    };
    const QString drive = load.DriveComboBox1->currentText();
    choose(qpath("no-such-drive"));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"plain: Open the Disk Error!"});
    EXPECT_EQ(load.DriveComboBox1->currentText(), drive);
    EXPECT_EQ(load.directory(), qpath("sub"));

    choose(root());
    EXPECT_EQ(load.directory(), root());
    EXPECT_EQ(load.Edit1->text(), "top.el");
    QTreeView* tree = load.DirectoryListBox1;
    ASSERT_EQ(tree->model()->rowCount(tree->rootIndex()), 1);
    EXPECT_EQ(tree->currentIndex(), tree->model()->index(0, 0, tree->rootIndex()));
    EXPECT_EQ(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString(), root());
}

// Every control is there under its name, with its text, and none is squeezed below the size
// its content needs or pushed out of the window.
TEST_F(DialogTest, LayoutsHoldEveryControlUnclipped) {
    for (FileChoiceWindow* window :
         {static_cast<FileChoiceWindow*>(&save), static_cast<FileChoiceWindow*>(&load)}) {
        show(*window);
        SCOPED_TRACE(window->objectName().toStdString());
        const std::vector<std::pair<const char*, QString>> captions{
            {"Label1", "Drives: "},
            {"Label2", "Directory Name: "},
            {"Label3", "Directories: "},
            {"Label4", "Files: "},
            {"BitBtn1", window == &save ? "Save" : "Load"},
            {"BitBtn2", "Cancel"}};
        for (const auto& [name, text] : captions) {
            QWidget* w = window->findChild<QWidget*>(name);
            ASSERT_NE(w, nullptr) << name;
            EXPECT_EQ(w->property("text").toString(), text) << name;
        }
        for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->objectName().isEmpty() || !w->isVisible()) {
                continue;
            }
            SCOPED_TRACE(w->objectName().toStdString());
            EXPECT_TRUE(window->rect().contains(w->geometry()));
            EXPECT_GE(w->width(), w->minimumSizeHint().width());
            EXPECT_GE(w->height(), w->minimumSizeHint().height());
        }
        EXPECT_EQ(window->DirectoryListBox1->y(), window->FileListBox1->y());
        EXPECT_EQ(window->DirectoryListBox1->geometry().bottom(),
                  window->DriveComboBox1->geometry().bottom());
    }
}

TEST(DriveListTest, LiftsUsersDrivesFromTheMountTable) {
    const QByteArray table = "proc /proc proc rw 0 0\n"
                             "/dev/sda2 /home ext4 rw 0 0\n"
                             "/dev/vda / ext4 rw 0 0\n"
                             "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                             "tmpfs /mnt/ram tmpfs rw 0 0\n"
                             "server:/x /mnt/share nfs rw 0 0\n"
                             "/dev/sdc1 /srv ext4 rw 0 0\n"
                             "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                             "/dev/sdd1 /boot/efi vfat rw 0 0";
    EXPECT_EQ(drivesFromMountTable(table),
              (QStringList{"/", "/home", "/media/ann/USB STICK", "/mnt/share"}));
    EXPECT_EQ(drivesFromMountTable({}), QStringList{"/"});
}

} // namespace
} // namespace morvent::test
