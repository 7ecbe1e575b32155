#pragma once

#include "ReadingHistory.h"

#include <QString>

#include <memory>

class QDateTime;
class QFile;

namespace morvent {

// Records live readings to a CSV file the user chose: a header with the readings' names and
// units, then a line per reading with its time (ISO 8601, local time, milliseconds) and the five
// values as the fields showed them. The columns are those of the command-line tool's recording,
// so both kinds of file open the same way. Every line reaches the file as one write the moment
// it is recorded, so a crash of the tool loses no more than the line being written.
class ReadingRecorder {
public:
    ReadingRecorder();
    ~ReadingRecorder();
    ReadingRecorder(const ReadingRecorder&) = delete;
    ReadingRecorder& operator=(const ReadingRecorder&) = delete;

    static QString headerLine();
    static QString line(const QDateTime& time, const ReadingValues& values);

    // Starts a new recording into path, replacing what the file held, and writes the header.
    // Returns false, recording nothing, when the file cannot be written; error() says why.
    bool start(const QString& path);
    // Appends one line. A line that cannot be written ends the recording (error() says why) and
    // returns false; the lines before it stay in the file.
    bool record(const QDateTime& time, const ReadingValues& values);
    void stop();

    bool isRecording() const { return m_file != nullptr; }
    // The file of the current or the last recording.
    QString path() const { return m_path; }
    // Readings recorded into that file.
    int lineCount() const { return m_lines; }
    QString error() const { return m_error; }

private:
    bool write(const QString& text);

    std::unique_ptr<QFile> m_file;
    QString m_path;
    int m_lines = 0;
    QString m_error;
};

} // namespace morvent
