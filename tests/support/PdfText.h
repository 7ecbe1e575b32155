// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Children.h"

#include <QProcess>
#include <QString>

namespace morvent::test {

// The text of a PDF laid out as on its pages, each ended by a form feed; empty if unreadable.
inline QString pdfText(const QString& pdf) {
    QProcess reader;
    resetSignalsOnStart(reader);
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const bool read = reader.waitForFinished(30000) && reader.exitCode() == 0;
    return read ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

} // namespace morvent::test
