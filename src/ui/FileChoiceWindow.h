// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;

namespace morvent {

class DriveTreeModel;

// The layout the Save and Load windows share: a name field, a drive list, a directory tree, a
// file-type filter and a file list, with two buttons below. The file-system controls are linked
// as a file dialog's are: choosing a drive moves the tree to it, a directory chosen in the tree
// refills the file list with that directory's files, and the filter sets the list's mask. What
// the name field and the buttons do is the dialog's business (paramfile/); this class only
// reports what happened.
//
// The window stands on its own, beside the main window, and keeps its state between showings
// because it is created once and only hidden when closed. Each showing reads the drives and the
// directory's files again, keeping the directory, the filter and the file selection.
class FileChoiceWindow : public QWidget {
    Q_OBJECT
public:
    // The directory the tree shows as current: where a name in Edit1 is saved or loaded.
    QString directory() const { return m_directory; }
    // Moves the drive list, the tree and the file list to dir, as choosing it there does.
    // Returns false, changing nothing, when dir is not a directory.
    bool setDirectory(const QString& dir);
    // The file list's selected (focused) entry without its directory; empty when none is.
    QString selectedFileName() const;
    // The name within the current directory, taken as it is: no extension is added.
    QString pathOf(const QString& name) const;

    QLabel* Label1 = nullptr; // "Drives: "
    QLabel* Label2 = nullptr; // "Directory Name: "
    QLabel* Label3 = nullptr; // "Directories: "
    QLabel* Label4 = nullptr; // "Files: "
    QLineEdit* Edit1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QComboBox* FilterComboBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

signals:
    // The window was shown and its lists read again.
    void shown();
    // The current directory changed, and the file list has followed it.
    void directoryChanged();
    // A chosen drive could not be opened; the drive list is back at the current drive.
    void driveRefused(const QString& drive);

protected:
    FileChoiceWindow(const QString& name, const QString& caption, const QString& action, int width,
                     int height, QWidget* parent);
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void fillDrives();
    void fillFiles(const QString& keep);
    void chooseDrive(int index);
    void followTree();
    QString driveOf(const QString& dir) const;

    QFileSystemModel* m_directories = nullptr;
    DriveTreeModel* m_tree = nullptr;
    QString m_drive;
    QString m_directory;
    bool m_moving = false;
};

// The drives a user picks a parameter file's place from, in the text of a mount table (the
// format of /proc/self/mounts): the root first, then the file systems mounted at /home, below
// /media, /mnt or /run/media, in name order. File systems of the kernel's own (proc, sysfs,
// tmpfs, cgroup ...) are left out, and a mount point mounted over twice is listed once.
QStringList drivesFromMountTable(const QByteArray& table);

// The drives of the running system.
QStringList mountedDrives();

} // namespace morvent
