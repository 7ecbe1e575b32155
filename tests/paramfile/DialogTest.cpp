// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Boxes.h"
#include "ElidedLabel.h"
#include "FileIo.h"
#include "LoadWindow.h"
#include "ParameterFileFixture.h"
#include "SaveWindow.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QAccessible>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace morvent::test {
namespace {

namespace fs = std::filesystem;

// The two file windows with their dialogs over the parameter controls, offscreen, both in a
// folder of the test's own.
class DialogTest : public testing::Test {
protected:
    DialogTest() {
        new SaveDialog(save, fields, boxes,
                       ReplacedFiles(backups.filePath("replaced").toStdString()));
        new LoadDialog(load, fields, boxes,
                       ReplacedFiles(backups.filePath("replaced").toStdString()));
        save.setDirectory(dir.path());
        load.setDirectory(dir.path());
    }

    static void show(FileChoiceWindow& window) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void clickFile(FileChoiceWindow& window, const QString& name, bool twice) {
        const QList<QListWidgetItem*> items =
            window.FileListBox1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        const QPoint at = window.FileListBox1->visualItemRect(items.front()).center();
        // A double click reaches a widget as a click and then a second press that is a double
        // click; the list takes it only on the entry the first press was on.
        QTest::mouseClick(window.FileListBox1->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(window.FileListBox1->viewport(), Qt::LeftButton, {}, at);
        }
    }
    static QStringList listed(const FileChoiceWindow& window) {
        QStringList names;
        for (int i = 0; i < window.FileListBox1->count(); ++i) {
            names.append(window.FileListBox1->item(i)->text());
        }
        return names;
    }
    std::string path(const std::string& name) const { return pathIn(dir, name); }
    QString qpath(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QTemporaryDir backups;
    RecordedBoxes boxes;
    FieldStore fields = distinctSet(1);
    TForm4 save;
    TForm5 load;
};

TEST_F(DialogTest, SaveUnderATypedNameThenLoadItBack) {
    const std::vector<std::string> saved = snapshot(fields);
    show(save);
    // Heard as a dialog, its name field by name.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&save)->role(), QAccessible::Dialog);
    // They alone: a label of the tool's own is heard as the text it is.
    ElidedLabel label;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&label)->role(), QAccessible::StaticText);
    EXPECT_FALSE(
        QAccessible::queryAccessibleInterface(save.Edit1)->text(QAccessible::Name).isEmpty());
    // An empty name does nothing.
    click(save.BitBtn1);
    QTest::keyClicks(save.Edit1, "abc");
    // A field that is no number stops the save, and the window stays as it was.
    fields.setText("Edit60", "");
    click(save.BitBtn1);
    EXPECT_EQ(boxes.shown, std::vector<QString>{"error: '' is not a valid integer value."});
    EXPECT_TRUE(save.isVisible());
    EXPECT_EQ(save.Edit1->text(), "abc");
    EXPECT_TRUE(contents(dir).empty());
    fields = distinctSet(1);
    // Enter in the name field presses the button, in both windows.
    QTest::keyClick(save.Edit1, Qt::Key_Return);
    EXPECT_FALSE(save.isVisible());
    // Exactly the name typed: no extension added.
    EXPECT_EQ(contents(dir).size(), 1u);
    EXPECT_TRUE(fs::is_regular_file(path("abc")));

    show(load);
    // Not an ".el" file, so not offered until all files are, and an empty name loads nothing.
    ASSERT_EQ(load.Edit1->text(), "");
    EXPECT_TRUE(load.Edit1->isReadOnly());
    click(load.BitBtn1);
    EXPECT_TRUE(load.isVisible());
    load.FilterComboBox1->setCurrentIndex(1);
    clickFile(load, "abc", true);
    EXPECT_EQ(load.Edit1->text(), "abc");
    fields = distinctSet(2);
    QTest::keyClick(load.Edit1, Qt::Key_Return);
    EXPECT_FALSE(load.isVisible());
    EXPECT_EQ(snapshot(fields), saved);
    EXPECT_EQ(boxes.shown.size(), 1u);

    // A file a save cut short left is named as that, with the copy of what it held.
    const std::string copy = ReplacedFiles(backups.filePath("replaced").toStdString())
                                 .keep(path("cut.el"), "[Basic]\r\nLC=7\r\n")
                                 .path;
    writeText(path("cut.el"), std::string(kSavingMark) + "LC=8\r\n");
    show(load);
    load.Edit1->setText("cut.el");
    boxes.shown.clear();
    QTest::keyClick(load.Edit1, Qt::Key_Return);
    EXPECT_EQ(boxes.shown, std::vector<QString>{QString::fromStdString(
                               "error: " + path("cut.el") +
                               " holds no parameters: the last save to it was cut short. What it "
                               "held before that save is kept in " +
                               copy + ".")});
    EXPECT_TRUE(load.isVisible());
}

TEST_F(DialogTest, TheNameFieldFollowsTheFileListWhicheverFolderFilterOrDriveIsChosen) {
    for (const char* file : {"a.el", "B.EL", "x.txt", ".hidden.el", "sub/c.el"}) {
        fs::create_directories(fs::path(path(file)).parent_path());
        writeText(path(file), "");
    }
    show(load);
    EXPECT_EQ(listed(load), (QStringList{"a.el", "B.EL"}));
    EXPECT_EQ(load.Edit1->text(), "a.el");
    clickFile(load, "B.EL", false);
    EXPECT_EQ(load.Edit1->text(), "a.el");
    clickFile(load, "B.EL", true);
    EXPECT_EQ(load.Edit1->text(), "B.EL");
    load.FilterComboBox1->setCurrentIndex(1);
    EXPECT_EQ(listed(load), (QStringList{"a.el", "B.EL", "x.txt"}));

    // A folder clicked in the tree, as a user picks it.
    QTreeView* tree = load.DirectoryListBox1;
    auto* model = qobject_cast<QSortFilterProxyModel*>(tree->model());
    const QModelIndex sub = model->mapFromSource(
        qobject_cast<QFileSystemModel*>(model->sourceModel())->index(qpath("sub")));
    ASSERT_TRUE(sub.isValid());
    tree->scrollTo(sub);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(sub).center());
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

    // A drive that cannot be opened is reported and not chosen; one that can becomes the tree's
    // only top item and the current folder.
    const auto choose = [this](const QString& drive) {
        load.DriveComboBox1->addItem(drive);
        emit load.DriveComboBox1->activated(load.DriveComboBox1->count() - 1);
    };
    const QString drive = load.DriveComboBox1->currentText();
    choose(qpath("no-such-drive"));
    EXPECT_EQ(boxes.shown, std::vector<QString>{"plain: Open the Disk Error!"});
    EXPECT_EQ(load.DriveComboBox1->currentText(), drive);
    EXPECT_EQ(load.directory(), qpath("sub"));
    choose(dir.path());
    EXPECT_EQ(load.directory(), dir.path());
    EXPECT_EQ(load.Edit1->text(), "a.el");
    ASSERT_EQ(tree->model()->rowCount(tree->rootIndex()), 1);
    EXPECT_EQ(tree->currentIndex(), tree->model()->index(0, 0, tree->rootIndex()));
    EXPECT_EQ(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString(), dir.path());
}

TEST(DriveListTest, LiftsUsersDrivesFromTheMountTable) {
    const QByteArray table = "proc /proc proc rw 0 0\n"
                             "/dev/sda2 /home ext4 rw 0 0\n"
                             "/dev/vda / ext4 rw 0 0\n"
                             "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                             "tmpfs /mnt/ram tmpfs rw 0 0\n"
                             "server:/x /mnt/share nfs\n"
                             "/dev/sdc1 /srv ext4 rw 0 0\n"
                             "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                             "/dev/sdd1 /boot/efi vfat rw 0 0";
    EXPECT_EQ(drivesFromMountTable(table),
              (QStringList{"/", "/home", "/media/ann/USB STICK", "/mnt/share"}));
    EXPECT_EQ(drivesFromMountTable({}), QStringList{"/"});
}

} // namespace
} // namespace morvent::test
