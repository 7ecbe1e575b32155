#include "ReadingRecorder.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>

namespace morvent {

namespace {

QString toQt(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ReadingRecorder::ReadingRecorder() = default;
ReadingRecorder::~ReadingRecorder() = default;

QString ReadingRecorder::headerLine() {
    QStringList columns{QStringLiteral("time")};
    for (const ReadingChannel& channel : kReadingChannels) {
        columns << (channel.unit.empty()
                        ? toQt(channel.name)
                        : QStringLiteral("%1(%2)").arg(toQt(channel.name), toQt(channel.unit)));
    }
    return columns.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString ReadingRecorder::line(const QDateTime& time, const ReadingValues& values) {
    QStringList columns{time.toString(Qt::ISODateWithMs)};
    for (int value : values) {
        columns << QString::number(value);
    }
    return columns.join(QLatin1Char(',')) + QLatin1Char('\n');
}

bool ReadingRecorder::start(const QString& path) {
    stop();
    m_path = path;
    m_lines = 0;
    m_error.clear();
    // Unbuffered: each line goes to the system in the write that records it.
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_error = QStringLiteral("Unable to write to %1").arg(path);
        return false;
    }
    m_file = std::move(file);
    return write(headerLine());
}

bool ReadingRecorder::record(const QDateTime& time, const ReadingValues& values) {
    if (!m_file || !write(line(time, values))) {
        return false;
    }
    ++m_lines;
    return true;
}

void ReadingRecorder::stop() {
    m_file.reset();
}

bool ReadingRecorder::write(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (m_file->write(bytes) != bytes.size()) {
        m_error = QStringLiteral("Unable to write to %1").arg(m_path);
        m_file.reset();
        return false;
    }
    return true;
}

} // namespace morvent
