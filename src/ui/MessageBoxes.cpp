// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "MessageBoxes.h"

#include "Translations.h"

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
    boxes.generalError(shownError(error));
}

namespace {

// The main window's caption, which the application's own boxes carry as their title.
QString applicationTitle() {
    return QCoreApplication::translate("Form1Ui", "Controller System");
}

void show(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void QtMessageBoxes::information(const QString& text) {
    show(QMessageBox::Information, QCoreApplication::translate("MessageBoxes", "prompt message"),
         text);
}

void QtMessageBoxes::plain(const QString& text) {
    show(QMessageBox::NoIcon, applicationTitle(), text);
}

void QtMessageBoxes::generalError(const QString& text) {
    show(QMessageBox::Critical, applicationTitle(), withFullStop(text));
}

bool QtMessageBoxes::proceed(const QString& text, const QString& proceed) {
    QMessageBox box(QMessageBox::Warning, applicationTitle(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* go = box.addButton(proceed, QMessageBox::DestructiveRole);
    QPushButton* stay =
        box.addButton(QCoreApplication::translate("MessageBoxes", "Stay"), QMessageBox::RejectRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == go;
}

} // namespace morvent
