// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "FileActions.h"

#include "LoadWindow.h"
#include "NoticingFields.h"
#include "SaveWindow.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <utility>

namespace morvent {

FileActions::FileActions(Fields& fields, MessageBoxes& boxes, TForm4& saveWindow,
                         TForm5& loadWindow, ReplacedFiles replaced, Guard guard)
    : m_guard(std::move(guard)), m_loadFields(std::make_unique<NoticingFields>(fields)) {
    // Each window owns its dialog.
    auto* saveDialog = new SaveDialog(saveWindow, fields, boxes, replaced);
    saveDialog->replacedKept = [this](const std::string& path, const std::string& copy) {
        emit replacedKept(QFile::decodeName(path.c_str()), QFile::decodeName(copy.c_str()));
    };
    saveDialog->saved = [this](const std::string& path) {
        emit saved(QFile::decodeName(path.c_str()));
    };
    m_loadDialog = new LoadDialog(loadWindow, *m_loadFields, boxes, std::move(replaced));
    m_loadDialog->loaded = [this](const std::string& path,
                                  const std::vector<ParameterFileProblem>& problems) {
        emit loaded(QFileInfo(QFile::decodeName(path.c_str())).fileName(), problems);
    };
    // After the Load window's own handler: values put into the pages mean the load went through.
    connect(loadWindow.BitBtn1, &QPushButton::clicked, this, [this] { afterLoad(); });
}

FileActions::~FileActions() = default;

void FileActions::afterLoad() {
    if (m_loadFields->takeWritten()) {
        emit loadedIntoPages();
    }
}

void FileActions::loadFile(const QString& path) {
    m_guard([&] { m_loadDialog->transferFile(QFile::encodeName(path).toStdString()); });
    afterLoad();
}

} // namespace morvent
