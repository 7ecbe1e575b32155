// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QObject>

#include <string>

namespace morvent {

class Fields;
class FileChoiceWindow;
class MessageBoxes;

// What the Save and Load windows do with their controls: the name field follows the file list,
// and the first button saves or loads the parameter file named there, in the directory shown.
// A dialog becomes a child of its window, which owns it from then on; the parameter fields and
// the message boxes must outlive the window.
class ParameterFileDialog : public QObject {
    Q_OBJECT
public:
    // Handlers, named after their controls and events.
    void FormShow();
    void DirectoryListBox1Change();
    void FileListBox1DblClick();
    // With a name in Edit1, saves or loads the file and closes the window. An error, such as a
    // field that is not a number or a file that cannot be written, is thrown before the window
    // closes, so it stays open with its name and directory.
    void BitBtn1Click();
    void BitBtn2Click();

    // Saves or loads the file at path as the button does, from elsewhere than the window, which
    // stays as it is; throws as the button's action does.
    void transferFile(const std::string& path) { transfer(m_parameters, path); }

protected:
    ParameterFileDialog(FileChoiceWindow& window, Fields& parameters, MessageBoxes& boxes);

    // Saves or loads the file at path; throws what the general error display is to show.
    virtual void transfer(Fields& parameters, const std::string& path) = 0;

private:
    FileChoiceWindow& m_window;
    Fields& m_parameters;
    MessageBoxes& m_boxes;
};

} // namespace morvent
