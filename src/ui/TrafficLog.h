// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QDockWidget>
#include <QString>

#include <cstdint>
#include <span>

class QPlainTextEdit;

namespace morvent {

// Every frame sent and every chunk received, one line each: time, direction, the bytes in
// hexadecimal and what they mean. Kept to the last kMaxLines lines, so a day of continuous
// readings cannot fill the memory.
class TrafficLog final : public QDockWidget {
    Q_OBJECT

public:
    static constexpr int kMaxLines = 10000;

    explicit TrafficLog(QWidget* parent = nullptr);

    void addSent(std::span<const std::uint8_t> bytes, const QString& meaning);
    void addReceived(std::span<const std::uint8_t> bytes, const QString& meaning);
    void addNote(const QString& note);

    QString text() const;
    int lineCount() const;
    // Writes the log as UTF-8 text; false (with the reason in error) if the file cannot be
    // written.
    bool saveTo(const QString& path, QString* error = nullptr) const;

private:
    void add(const QString& direction, std::span<const std::uint8_t> bytes, const QString& meaning);
    void copyAll();
    void saveAs();

    QPlainTextEdit* m_lines;
};

} // namespace morvent
