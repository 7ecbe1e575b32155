#pragma once

#include <QProcess>
#include <QString>

namespace morvent::test {

// The text of a PDF as pdftotext reads it, laid out as on the page, pages ended by form feeds:
// text, not a picture of text. Empty when it cannot be read.
inline QString pdfText(const QString& pdf) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const bool read = reader.waitForFinished(30000) && reader.exitCode() == 0;
    return read ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

} // namespace morvent::test
