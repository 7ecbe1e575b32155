// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ParameterFile.h"
#include "ReplacedFiles.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace morvent {

class Fields;
class LoadDialog;
class MessageBoxes;
class NoticingFields;
class TForm4;
class TForm5;

// Saving and loading the pages' values through the Save and Load windows, and loading a file
// (a backup) into the pages as the Load window does; what follows a load is announced.
class FileActions : public QObject {
    Q_OBJECT
public:
    // Runs a handler; an error nobody caught ends it and goes to the general error display.
    using Guard = std::function<void(const std::function<void()>&)>;

    // What a save replaces is kept in replaced.
    FileActions(Fields& fields, MessageBoxes& boxes, TForm4& saveWindow, TForm5& loadWindow,
                ReplacedFiles replaced, Guard guard);
    ~FileActions() override;

    // Loads a parameter file into the pages as the Load window does, and what follows a load.
    void loadFile(const QString& path);

signals:
    // A save that replaced nothing: the file written.
    void saved(const QString& file);
    // A save that replaced what file held, kept in copy.
    void replacedKept(const QString& file, const QString& copy);
    // A file was loaded; the fields it gave no value hold 0 now.
    void loaded(const QString& fileName, const std::vector<ParameterFileProblem>& problems);
    // Values were put into the pages by a load.
    void loadedIntoPages();

private:
    void afterLoad();

    Guard m_guard;
    // What the Load window puts into the pages passes through here, so a load is noticed.
    std::unique_ptr<NoticingFields> m_loadFields;
    LoadDialog* m_loadDialog = nullptr;
};

} // namespace morvent
