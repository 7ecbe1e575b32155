#pragma once

#include "Form1Ui.h"
#include "LoadWindow.h"
#include "MessageBoxes.h"
#include "ParameterFileFixture.h"
#include "Boxes.h"
#include "SaveWindow.h"
#include "Unit4.h"
#include "Unit5.h"
#include "WidgetFields.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <vector>

namespace morvent::test {

// The main window's parameter pages and the two file windows with their dialogs, as the program
// wires them, offscreen, both windows in a directory of the test's own.
class DialogTest : public testing::Test {
protected:
    DialogTest() {
        ui.setupUi(&main);
        ui.ComboBox4->addItems(Form1Ui::wheelSizeItems());
        ui.ComboBox5->addItems(Form1Ui::speedMeterItems());
        new SaveDialog(save, fields, boxes);
        new LoadDialog(load, fields, boxes);
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
    // Clicks a directory in the tree, as a user picks it.
    static void clickDirectory(FileChoiceWindow& window, const QString& path) {
        auto* tree = qobject_cast<QSortFilterProxyModel*>(window.DirectoryListBox1->model());
        auto* directories = qobject_cast<QFileSystemModel*>(tree->sourceModel());
        const QModelIndex index = tree->mapFromSource(directories->index(path));
        ASSERT_TRUE(index.isValid()) << path.toStdString();
        window.DirectoryListBox1->scrollTo(index);
        QTest::mouseClick(window.DirectoryListBox1->viewport(), Qt::LeftButton, {},
                          window.DirectoryListBox1->visualRect(index).center());
    }
    static QStringList listed(const FileChoiceWindow& window) {
        QStringList names;
        for (int i = 0; i < window.FileListBox1->count(); ++i) {
            names.append(window.FileListBox1->item(i)->text());
        }
        return names;
    }
    QString qpath(const std::string& name) const { return QString::fromStdString(dir.path(name)); }
    QString root() const { return QString::fromStdString(dir.root()); }

    TempDir dir;
    RecordedBoxes boxes;
    QMainWindow main;
    Form1Ui ui;
    WidgetFields fields{main};
    TForm4 save;
    TForm5 load;
};

} // namespace morvent::test
