#pragma once

#include "Form1Fixture.h"

#include <QTemporaryDir>

#include <map>

namespace morvent::test {

// The real main window against the simulated controller, with its backups, its comparison file
// and its recording file in a temporary directory instead of behind file dialogs.
class KeepingTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        ASSERT_TRUE(dir.isValid());
        form = makeForm();
    }

    std::unique_ptr<TForm1> makeForm() {
        TForm1::Options options;
        options.ports = [this] { return extraPorts; };
        options.simulatedDevice = QString::fromStdString(sim.devicePath());
        options.openUrl = [this](const QUrl& url) { openedUrls.push_back(url); };
        options.settingsFile = dir.filePath("settings.ini");
        options.backupsDirectory = backups;
        options.chooseComparisonFile = [this](const QString& folder) {
            comparisonFolders.push_back(folder);
            return comparisonFile;
        };
        options.chooseRecordingFile = [this] { return recordingFile; };
        auto made = std::make_unique<TForm1>(boxes, options);
        made->show();
        return made;
    }

    // Waits for the reply to a single request to be taken.
    void awaitReply() {
        ASSERT_TRUE(waitFor([this] { return form->PendingRequest == NothingAwaited; }));
    }

    QTemporaryDir dir;
    QString backups = dir.filePath("backups");
    QString comparisonFile;
    QString recordingFile;
    std::vector<QString> comparisonFolders;
};

} // namespace morvent::test
