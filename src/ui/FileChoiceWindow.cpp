// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "FileChoiceWindow.h"

#include "KeyboardNavigation.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSet>
#include <QShortcut>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

namespace morvent {

// The directory tree of one drive: the drive's own directory is the tree's only top item, so
// it can be chosen like any directory below it, while its siblings stay out of sight.
class DriveTreeModel final : public QSortFilterProxyModel {
public:
    explicit DriveTreeModel(QFileSystemModel* source, QObject* parent)
        : QSortFilterProxyModel(parent), m_source(source) {
        setSourceModel(source);
        setSortCaseSensitivity(Qt::CaseInsensitive);
        setDynamicSortFilter(true);
    }

    // The index the tree takes as its root: the parent of the drive's directory.
    QModelIndex showDrive(const QString& drive) {
        m_driveTop = m_source->index(drive);
        m_driveParent = m_driveTop.parent();
        invalidateFilter();
        sort(0);
        return mapFromSource(m_driveParent);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        return m_driveParent != parent || m_driveTop == m_source->index(row, 0, parent);
    }

private:
    QFileSystemModel* m_source;
    QPersistentModelIndex m_driveTop;
    QPersistentModelIndex m_driveParent;
};

namespace {

// Memory, device and kernel file systems: nothing a user keeps files on.
bool isPseudoFileSystem(const QByteArray& type) {
    static const QList<QByteArray> kPseudo{
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "proc",     "pstore",   "ramfs",   "rpc_pipefs",
        "securityfs", "selinuxfs",   "sysfs",    "tmpfs",    "tracefs"};
    return kPseudo.contains(type);
}

// Where removable and extra disks are mounted, and the users' own file system.
bool isUserPlace(const QString& mountPoint) {
    return mountPoint == QLatin1String("/home") || mountPoint.startsWith(QLatin1String("/home/")) ||
           mountPoint.startsWith(QLatin1String("/media/")) ||
           mountPoint.startsWith(QLatin1String("/mnt/")) ||
           mountPoint.startsWith(QLatin1String("/run/media/"));
}

// The mount table writes a blank, a tab, a line end and a backslash in a path as "\040" and so
// on, three octal digits each.
QString unescapeMountPoint(const QByteArray& field) {
    QByteArray path;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) {
            return at < field.size() && field[at] >= '0' && field[at] <= '7';
        };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            path.append(static_cast<char>(((field[i + 1] - '0') << 6) |
                                          ((field[i + 2] - '0') << 3) | (field[i + 3] - '0')));
            i += 3;
        } else {
            path.append(field[i]);
        }
    }
    return QFile::decodeName(path);
}

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeChoiceButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter on a focused button presses it, as Space does.
    button->setAutoDefault(true);
    button->setMinimumWidth(80);
    return button;
}

// A drive list that reads the mounted drives again each time it opens, so a disk plugged in
// while the window is open is offered.
class DriveComboBox final : public QComboBox {
public:
    DriveComboBox(std::function<void()> beforeOpening, QWidget* parent)
        : QComboBox(parent), m_beforeOpening(std::move(beforeOpening)) {}

    void showPopup() override {
        m_beforeOpening();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_beforeOpening;
};

// The two choices of the file-type filter. "All files" means every file, with or without a dot
// in its name.
struct FileType {
    const char* caption;
    const char* mask;
};
constexpr FileType kFileTypes[] = {{"*.el", "*.el"}, {"All files (*.*)", "*"}};

} // namespace

QStringList drivesFromMountTable(const QByteArray& table) {
    QStringList others;
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || isPseudoFileSystem(fields[2])) {
            continue;
        }
        const QString mountPoint = unescapeMountPoint(fields[1]);
        if (isUserPlace(mountPoint) && !others.contains(mountPoint)) {
            others.append(mountPoint);
        }
    }
    std::sort(others.begin(), others.end());
    // The root is there whatever the table says: every other drive is below it.
    return QStringList{QStringLiteral("/")} + others;
}

QStringList mountedDrives() {
    QFile table(QStringLiteral("/proc/self/mounts"));
    // Capped like every file read: a machine with thousands of mounts (containers) lists the
    // first ones, which hold the user's drives.
    constexpr qint64 kLimit = qint64{4} << 20;
    return drivesFromMountTable(table.open(QIODevice::ReadOnly) ? table.read(kLimit)
                                                                : QByteArray());
}

namespace {

// Assistive tools hear the Save and Load windows as dialogs, not as a bare panel.
QAccessibleInterface* dialogRole(const QString& key, QObject* object) {
    if (key == QLatin1String(FileChoiceWindow::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace

FileChoiceWindow::FileChoiceWindow(const QString& name, const QString& caption,
                                   const QString& action, int width, int height, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(name);
    setWindowTitle(caption);
    static const bool roleKnown = [] {
        QAccessible::installFactory(dialogRole);
        return true;
    }();
    Q_UNUSED(roleKnown);
    resize(width, height);

    Label2 = makeLabel("Label2", tr("Directory Name: "), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label3 = makeLabel("Label3", tr("Directories: "), this);
    Label4 = makeLabel("Label4", tr("Files: "), this);
    Label1 = makeLabel("Label1", tr("Drives: "), this);

    m_directories = new QFileSystemModel(this);
    m_directories->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_directories->setRootPath(QStringLiteral("/"));
    m_tree = new DriveTreeModel(m_directories, this);
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setModel(m_tree);
    DirectoryListBox1->setHeaderHidden(true);
    for (int column = 1; column < m_directories->columnCount(); ++column) {
        DirectoryListBox1->hideColumn(column);
    }
    DirectoryListBox1->setIndentation(14);
    DirectoryListBox1->setUniformRowHeights(true);

    FilterComboBox1 = new QComboBox(this);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    for (const FileType& type : kFileTypes) {
        FilterComboBox1->addItem(QLatin1String(type.caption), QLatin1String(type.mask));
    }

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);

    DriveComboBox1 = new DriveComboBox([this] { fillDrives(); }, this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));

    BitBtn1 = makeChoiceButton("BitBtn1", action, this);
    BitBtn2 = makeChoiceButton("BitBtn2", tr("Cancel"), this);

    buildLayout();

    // Each list is captioned by the label over it, for Alt and for assistive tools; the name
    // field says what it is, as the caption over it speaks of the directory. The name is taken
    // as typed, so the example shows the extension the ".el" filter lists.
    Edit1->setPlaceholderText(tr("File name, e.g. bike.el"));
    Edit1->setAccessibleName(tr("File name"));
    Label2->setBuddy(Edit1);
    Label3->setBuddy(DirectoryListBox1);
    Label4->setBuddy(FilterComboBox1);
    Label1->setBuddy(DriveComboBox1);
    DirectoryListBox1->setAccessibleName(tr("Directories"));
    FilterComboBox1->setAccessibleName(tr("Files of type"));
    FileListBox1->setAccessibleName(tr("Files"));
    DriveComboBox1->setAccessibleName(tr("Drives"));
    QSet<QChar> taken;
    giveAccessKeys({BitBtn1, BitBtn2, Label2, Label3, Label4, Label1}, taken);

    // Enter in the name field presses Save or Load, and Esc closes the window as Cancel does.
    connect(Edit1, &QLineEdit::returnPressed, BitBtn1, &QPushButton::click);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    connect(DriveComboBox1, &QComboBox::activated, this, &FileChoiceWindow::chooseDrive);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FileChoiceWindow::followTree);
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this,
            [this] { fillFiles(selectedFileName()); });
    // The tree learns a directory's entries in the background; as the current directory's
    // ancestors fill in, its row moves down, and the view follows it.
    connect(m_directories, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
        if (m_directory == path ||
            m_directory.startsWith(path.endsWith(QLatin1Char('/')) ? path
                                                                   : path + QLatin1Char('/'))) {
            DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex(),
                                        QAbstractItemView::PositionAtCenter);
        }
    });

    fillDrives();
    if (!setDirectory(QDir::currentPath())) {
        setDirectory(QDir::rootPath());
    }
}

void FileChoiceWindow::buildLayout() {
    // The tree on the left; the filter, the files and the drives on the right. The tree and the
    // file list start level, and the tree ends level with the drive list.
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(15);
    lists->setVerticalSpacing(6);
    auto* filterRow = new QHBoxLayout;
    filterRow->setSpacing(8);
    filterRow->addWidget(Label4);
    filterRow->addWidget(FilterComboBox1, 1);
    lists->addWidget(Label3, 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    lists->addLayout(filterRow, 0, 1);
    lists->addWidget(DirectoryListBox1, 1, 0, 3, 1);
    lists->addWidget(FileListBox1, 1, 1);
    lists->addWidget(Label1, 2, 1);
    lists->addWidget(DriveComboBox1, 3, 1);
    lists->setRowStretch(1, 1);
    lists->setColumnStretch(0, 233);
    lists->setColumnStretch(1, 217);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(32, 14, 43, 16);
    page->setSpacing(4);
    page->addWidget(Label2);
    page->addWidget(Edit1);
    page->addSpacing(14);
    page->addLayout(lists, 1);
    page->addSpacing(14);
    page->addLayout(buttons);
}

void FileChoiceWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window brought back from the task bar is not shown anew.
    if (event->spontaneous()) {
        return;
    }
    fillDrives();
    fillFiles(selectedFileName());
    DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex(),
                                QAbstractItemView::PositionAtCenter);
    emit shown();
}

bool FileChoiceWindow::setDirectory(const QString& dir) {
    const QFileInfo info(dir);
    if (!info.isDir()) {
        return false;
    }
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    // Moving the tree's root or current item calls back through followTree; it must not move
    // the directory a second time.
    const QScopedValueRollback moving(m_moving, true);
    const QString drive = driveOf(path);
    if (drive != m_drive) {
        m_drive = drive;
        DirectoryListBox1->setRootIndex(m_tree->showDrive(drive));
        DriveComboBox1->setCurrentIndex(DriveComboBox1->findText(drive));
    }
    m_directory = path;
    fillFiles({});
    const QModelIndex current = m_tree->mapFromSource(m_directories->index(path));
    DirectoryListBox1->setCurrentIndex(current);
    DirectoryListBox1->scrollTo(current);
    emit directoryChanged();
    return true;
}

void FileChoiceWindow::followTree() {
    const QModelIndex current = DirectoryListBox1->currentIndex();
    if (m_moving || !current.isValid()) {
        return;
    }
    const QString path = m_directories->filePath(m_tree->mapToSource(current));
    if (path != m_directory) {
        setDirectory(path);
    }
}

QString FileChoiceWindow::driveOf(const QString& dir) const {
    QString best = QStringLiteral("/");
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString drive = DriveComboBox1->itemText(i);
        const bool holds = dir == drive || dir.startsWith(drive + QLatin1Char('/'));
        if (holds && drive.size() > best.size()) {
            best = drive;
        }
    }
    return best;
}

void FileChoiceWindow::fillDrives() {
    QStringList drives = mountedDrives();
    // A drive unmounted while it is current stays listed until another is chosen.
    if (!m_drive.isEmpty() && !drives.contains(m_drive)) {
        drives.append(m_drive);
    }
    const QSignalBlocker quiet(DriveComboBox1);
    DriveComboBox1->clear();
    DriveComboBox1->addItems(drives);
    DriveComboBox1->setCurrentIndex(DriveComboBox1->findText(m_drive));
}

void FileChoiceWindow::chooseDrive(int index) {
    const QString drive = DriveComboBox1->itemText(index);
    const QFileInfo info(drive);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        DriveComboBox1->setCurrentIndex(DriveComboBox1->findText(m_drive));
        emit driveRefused(drive);
        return;
    }
    setDirectory(drive);
}

void FileChoiceWindow::fillFiles(const QString& keep) {
    const QString mask = FilterComboBox1->currentData().toString();
    // The mask ignores case (no QDir::CaseSensitive), so "*.el" also lists a "SET.EL" written
    // on a system that ignores case itself.
    const QStringList names =
        QDir(m_directory)
            .entryList({mask}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    FileListBox1->clear();
    FileListBox1->addItems(names);
    // The entry chosen before stays chosen; otherwise the list starts at its first file.
    qsizetype row = keep.isEmpty() ? -1 : names.indexOf(keep);
    if (row < 0 && !names.isEmpty()) {
        row = 0;
    }
    if (row >= 0) {
        FileListBox1->setCurrentRow(static_cast<int>(row), QItemSelectionModel::ClearAndSelect);
    }
}

QString FileChoiceWindow::selectedFileName() const {
    const QListWidgetItem* item = FileListBox1->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QString FileChoiceWindow::pathOf(const QString& name) const {
    return m_directory.endsWith(QLatin1Char('/')) ? m_directory + name
                                                  : m_directory + QLatin1Char('/') + name;
}

} // namespace morvent
