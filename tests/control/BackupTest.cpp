#include "KeepingFixture.h"

#include "BackupKeeper.h"
#include "FieldStore.h"
#include "ParameterFile.h"
#include "ParameterTable.h"
#include "StatusNote.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace morvent {
namespace {

using test::Form1Test;
using test::KeepingTest;

// A Read Flash in a test that chooses no backups folder keeps its backup in the user's data
// directory; for this program that is a temporary one, never the user's own.
class TemporaryDataHome final : public testing::Environment {
public:
    void SetUp() override {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->path()));
    }
    void TearDown() override { m_dir.reset(); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
[[maybe_unused]] testing::Environment* const kDataHome =
    testing::AddGlobalTestEnvironment(new TemporaryDataHome);

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The 102 values as a parameter file holds them.
std::vector<std::string> valuesOf(const Fields& fields) {
    std::vector<std::string> values;
    for (const ParameterRow& row : parameterRows()) {
        values.push_back(row.kind == ParameterKind::Number
                             ? fields.text(row.control)
                             : std::to_string(fields.selectedIndex(row.control)));
    }
    return values;
}

class Backups : public KeepingTest {
protected:
    QString folder() const { return backups + "/KLMN-PQRS"; }
    QStringList files() const {
        return QDir(folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    StatusNote* note() { return find<StatusNote>("BackupNote"); }
};

TEST_F(Backups, ReadFlashKeepsThePagesAsReadAndTheBackupLoadsBackIntoTheSameValues) {
    connectController();
    readFlash();
    const QStringList kept = files();
    ASSERT_EQ(kept.size(), 1) << kept.join(' ').toStdString();
    EXPECT_TRUE(
        QRegularExpression(R"(^\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.el$)").match(kept[0]).hasMatch())
        << kept[0].toStdString();
    const QString backup = folder() + "/" + kept[0];
    EXPECT_EQ(note()->text(), "Backup kept: " + kept[0]);
    EXPECT_FALSE(note()->isProblem());
    EXPECT_EQ(note()->toolTip(), backup);

    // Byte for byte what "Save" writes for the same pages.
    const std::vector<std::string> read = valuesOf(form->fields());
    const QString saved = dir.filePath("saved.el");
    SaveParameterFile(form->fields(), saved.toStdString());
    EXPECT_EQ(bytesOf(backup), bytesOf(saved));

    form->ui().edit(1)->setText("3");
    form->ui().edit(60)->setText("77");
    form->ui().ComboBox6->setCurrentIndex(-1);
    LoadParameterFile(form->fields(), backup.toStdString());
    EXPECT_EQ(valuesOf(form->fields()), read);
}

TEST_F(Backups, EveryReadFlashKeepsANewFile) {
    connectController();
    readFlash();
    const QByteArray first = bytesOf(folder() + "/" + files()[0]);
    // The controller now holds another value; the first backup keeps the old one.
    sim.withModel([](ControllerModel& m) {
        Bytes basic = m.image(Command::Basic);
        --basic[12];
        m.setImage(Command::Basic, basic);
    });
    readFlash();
    const QStringList kept = files();
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(bytesOf(folder() + "/" + kept[0]), first);
    EXPECT_NE(bytesOf(folder() + "/" + kept[1]), first);
}

TEST(BackupKeeper, TwoBackupsInTheSameSecondMakeTwoFiles) {
    QTemporaryDir dir;
    BackupKeeper keeper(dir.filePath("backups"));
    keeper.setController("KLMN", "PQRS");
    FieldStore fields;
    for (const ParameterRow& row : parameterRows()) {
        row.kind == ParameterKind::Number ? fields.setText(row.control, "5")
                                          : fields.setSelectedIndex(row.control, -1);
    }
    const QDateTime now(QDate(2024, 5, 1), QTime(14, 3, 22, 100));
    const BackupKeeper::Outcome first = keeper.keep(fields, now);
    fields.setText("Edit1", "6");
    const BackupKeeper::Outcome second = keeper.keep(fields, now.addMSecs(800));
    const BackupKeeper::Outcome third = keeper.keep(fields, now.addMSecs(850));
    ASSERT_TRUE(first.kept && second.kept && third.kept) << second.error.toStdString();
    const QString folder = dir.filePath("backups/KLMN-PQRS");
    EXPECT_EQ(first.path, folder + "/2024-05-01_14-03-22.el");
    EXPECT_EQ(second.path, folder + "/2024-05-01_14-03-22_2.el");
    EXPECT_EQ(third.path, folder + "/2024-05-01_14-03-22_3.el");

    FieldStore back;
    LoadParameterFile(back, first.path.toStdString());
    EXPECT_EQ(back.text("Edit1"), "5");
    LoadParameterFile(back, second.path.toStdString());
    EXPECT_EQ(back.text("Edit1"), "6");
}

TEST(BackupKeeper, AControllersTextsBecomeASafeFolderName) {
    const std::pair<std::string, QString> cases[] = {
        {"KLMN", "KLMN"},
        {"Ab-9", "Ab-9"},
        {"A/B ", "A_B_"},
        {"..", "unknown"},
        {"", "unknown"},
        {std::string(4, '\0'), "unknown"},
        {"\xc3\xa9t\xc3\xa9", "__t__"},
        {"x.y_", "x.y_"},
    };
    for (const auto& [text, name] : cases) {
        EXPECT_EQ(BackupKeeper::safeName(text), name) << text;
    }
}

TEST_F(Backups, ABackupThatCannotBeWrittenIsShownInTheStatusBarAndTheChainEndsAsEver) {
    // A file stands where the backups folder would go.
    QFile blocker(backups);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    connectController();
    readFlash(); // one box: Read Flash successfully.
    EXPECT_EQ(form->PendingRequest, NothingAwaited);
    EXPECT_EQ(note()->text(), "No backup kept");
    EXPECT_TRUE(note()->isProblem());
    EXPECT_TRUE(note()->toolTip().contains(backups)) << note()->toolTip().toStdString();
}

TEST_F(Backups, OpenBackupsFolderOpensTheFolderEvenBeforeTheFirstBackup) {
    form->ui().OpenBackupsFolder1->trigger();
    ASSERT_EQ(openedUrls.size(), 1u);
    EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(backups));
    EXPECT_TRUE(QFileInfo(backups).isDir());
}

TEST_F(Form1Test, BackupsGoToTheUsersDataDirectoryUnlessToldOtherwise) {
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/backups";
    EXPECT_EQ(form->backups().directory(), expected);
    EXPECT_TRUE(expected.startsWith(QFile::decodeName(qgetenv("XDG_DATA_HOME"))))
        << expected.toStdString();
}

} // namespace
} // namespace morvent
