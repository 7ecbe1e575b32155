// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QCoreApplication>

#include "LiveReadingsReply.h"

#include <QString>

#include <chrono>
#include <memory>
#include <string>

class QFile;

namespace morvent {

// Records live readings to a CSV file the user chose, in the columns the command-line tool's
// recording has (liveReadingsCsvHeader), so both kinds of file open the same way. Every line
// reaches the file as one write the moment it is recorded, so a crash of the tool loses no more
// than the line being written.
class ReadingRecorder {
    Q_DECLARE_TR_FUNCTIONS(ReadingRecorder)

public:
    ReadingRecorder();
    ~ReadingRecorder();
    ReadingRecorder(const ReadingRecorder&) = delete;
    ReadingRecorder& operator=(const ReadingRecorder&) = delete;

    // Starts a new recording into path, replacing what the file held, and writes the header.
    // Returns false, recording nothing, when the file cannot be written; error() says why.
    bool start(const QString& path);
    // Appends one line. A line that cannot be written ends the recording (error() says why) and
    // returns false; the lines before it stay in the file.
    bool record(std::chrono::system_clock::time_point time, const LiveReadingValues& values);
    void stop();

    bool isRecording() const { return m_file != nullptr; }
    // The file of the current or the last recording.
    QString path() const { return m_path; }
    // Readings recorded into that file.
    int lineCount() const { return m_lines; }
    QString error() const { return m_error; }

private:
    bool write(const std::string& text);

    std::unique_ptr<QFile> m_file;
    QString m_path;
    int m_lines = 0;
    QString m_error;
};

} // namespace morvent
