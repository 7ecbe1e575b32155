// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TrafficLog.h"

#include "TrafficDescription.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTime>
#include <QVBoxLayout>

namespace morvent {

TrafficLog::TrafficLog(QWidget* parent)
    : QDockWidget(tr("Traffic Log"), parent), m_lines(new QPlainTextEdit) {
    setObjectName(QStringLiteral("TrafficLog"));
    m_lines->setObjectName(QStringLiteral("TrafficLines"));
    m_lines->setReadOnly(true);
    m_lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_lines->setMaximumBlockCount(kMaxLines);
    m_lines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* copy = new QPushButton(tr("Copy"));
    copy->setObjectName(QStringLiteral("TrafficCopy"));
    auto* save = new QPushButton(tr("Save as Text..."));
    save->setObjectName(QStringLiteral("TrafficSave"));
    auto* clear = new QPushButton(tr("Clear"));
    clear->setObjectName(QStringLiteral("TrafficClear"));
    connect(copy, &QPushButton::clicked, this, [this] { copyAll(); });
    connect(save, &QPushButton::clicked, this, [this] { saveAs(); });
    connect(clear, &QPushButton::clicked, m_lines, &QPlainTextEdit::clear);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_lines, 1);
    layout->addLayout(buttons);
    setWidget(body);
}

void TrafficLog::add(const QString& direction, std::span<const std::uint8_t> bytes,
                     const QString& meaning) {
    m_lines->appendPlainText(QStringLiteral("%1  %2  %3  %4")
                                 .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")),
                                      direction, meaning, QString::fromStdString(hexBytes(bytes))));
}

// The two directions take one width, so that what each line means starts in one column.
void TrafficLog::addSent(std::span<const std::uint8_t> bytes, const QString& meaning) {
    const QString received = tr("received");
    add(tr("sent").leftJustified(received.size()), bytes, meaning);
}

void TrafficLog::addReceived(std::span<const std::uint8_t> bytes, const QString& meaning) {
    const QString sent = tr("sent");
    add(tr("received").leftJustified(sent.size()), bytes, meaning);
}

void TrafficLog::addNote(const QString& note) {
    m_lines->appendPlainText(QStringLiteral("%1  %2").arg(
        QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), note));
}

QString TrafficLog::text() const {
    return m_lines->toPlainText();
}

int TrafficLog::lineCount() const {
    return m_lines->document()->isEmpty() ? 0 : m_lines->blockCount();
}

bool TrafficLog::saveTo(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) ||
        file.write(text().toUtf8() + '\n') < 0 || !file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

void TrafficLog::copyAll() {
    QApplication::clipboard()->setText(text());
}

void TrafficLog::saveAs() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the Traffic Log"),
                                                      QStringLiteral("traffic.txt"),
                                                      tr("Text files (*.txt);;All files (*)"));
    QString error;
    if (!path.isEmpty() && !saveTo(path, &error)) {
        QMessageBox::warning(this, windowTitle(), tr("Unable to write to %1: %2").arg(path, error));
    }
}

} // namespace morvent
