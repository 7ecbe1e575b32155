#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace morvent {

QString withFullStop(const QString& text) {
    if (text.isEmpty() || text.back() <= QLatin1Char('.')) {
        return text;
    }
    return text + QLatin1Char('.');
}

void showGeneralError(MessageBoxes& boxes, const std::exception& error) {
    boxes.generalError(QString::fromUtf8(error.what()));
}

namespace {

void show(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void QtMessageBoxes::information(const QString& text) {
    show(QMessageBox::Information, QStringLiteral("prompt message"), text);
}

void QtMessageBoxes::plain(const QString& text) {
    show(QMessageBox::NoIcon, kApplicationTitle, text);
}

void QtMessageBoxes::generalError(const QString& text) {
    show(QMessageBox::Critical, kApplicationTitle, withFullStop(text));
}

bool QtMessageBoxes::proceed(const QString& text, const QString& proceed) {
    QMessageBox box(QMessageBox::Warning, kApplicationTitle, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* go = box.addButton(proceed, QMessageBox::DestructiveRole);
    QPushButton* stay = box.addButton(QStringLiteral("Stay"), QMessageBox::RejectRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == go;
}

} // namespace morvent
