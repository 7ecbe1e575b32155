// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReadingRecorder.h"

#include <QFile>

namespace morvent {

ReadingRecorder::ReadingRecorder() = default;
ReadingRecorder::~ReadingRecorder() = default;

bool ReadingRecorder::start(const QString& path) {
    stop();
    m_path = path;
    m_lines = 0;
    m_error.clear();
    // Unbuffered: each line goes to the system in the write that records it.
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_error = tr("Unable to write to %1").arg(path);
        return false;
    }
    m_file = std::move(file);
    return write(liveReadingsCsvHeader());
}

bool ReadingRecorder::record(std::chrono::system_clock::time_point time,
                             const LiveReadingValues& values) {
    if (!m_file || !write(liveReadingsCsvLine(time, values))) {
        return false;
    }
    ++m_lines;
    return true;
}

void ReadingRecorder::stop() {
    m_file.reset();
}

bool ReadingRecorder::write(const std::string& text) {
    const auto size = static_cast<qint64>(text.size());
    if (m_file->write(text.data(), size) != size) {
        m_error = tr("Unable to write to %1").arg(m_path);
        m_file.reset();
        return false;
    }
    return true;
}

} // namespace morvent
