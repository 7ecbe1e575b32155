// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ParameterFileDialog.h"

#include "MessageBoxes.h"
#include "SaveWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <exception>

namespace morvent {

ParameterFileDialog::ParameterFileDialog(FileChoiceWindow& window, Fields& parameters,
                                         MessageBoxes& boxes)
    : QObject(&window), m_window(window), m_parameters(parameters), m_boxes(boxes) {
    connect(&window, &FileChoiceWindow::shown, this, &ParameterFileDialog::FormShow);
    connect(&window, &FileChoiceWindow::directoryChanged, this,
            &ParameterFileDialog::DirectoryListBox1Change);
    connect(window.FileListBox1, &QListWidget::itemDoubleClicked, this,
            &ParameterFileDialog::FileListBox1DblClick);
    connect(window.BitBtn1, &QPushButton::clicked, this, [this] {
        try {
            BitBtn1Click();
        } catch (const std::exception& error) {
            showGeneralError(m_boxes, error);
        }
    });
    connect(window.BitBtn2, &QPushButton::clicked, this, &ParameterFileDialog::BitBtn2Click);
    // A drive that has gone (a disk pulled out after the list was read) is reported, and the
    // window stays where it was.
    connect(&window, &FileChoiceWindow::driveRefused, this,
            [this] { m_boxes.plain(tr("Open the Disk Error!")); });
}

void ParameterFileDialog::FormShow() {
    m_window.Edit1->setText(m_window.selectedFileName());
}

void ParameterFileDialog::DirectoryListBox1Change() {
    m_window.Edit1->setText(m_window.selectedFileName());
}

void ParameterFileDialog::FileListBox1DblClick() {
    m_window.Edit1->setText(m_window.selectedFileName());
}

void ParameterFileDialog::BitBtn1Click() {
    const QString name = m_window.Edit1->text();
    if (name.isEmpty()) {
        return;
    }
    transfer(m_parameters, QFile::encodeName(m_window.pathOf(name)).toStdString());
    m_window.close();
}

void ParameterFileDialog::BitBtn2Click() {
    m_window.close();
}

} // namespace morvent
