// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace morvent {

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("About"));
    resize(kWidth, kHeight);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    QFont large = font();
    large.setPixelSize(19);
    const auto line = [&](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        label->setFont(large);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    Label1 = line("Label1", QStringLiteral("Morvent    V1.00.01"));
    Label2 = line("Label2", QStringLiteral("Quillon Electric Motor Science-Technology Co., LTD"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch(1);
    layout->addWidget(Label1);
    layout->addSpacing(18);
    layout->addWidget(Label2);
    layout->addStretch(1);
    GettingStartedButton = new QPushButton(tr("&Getting Started"), this);
    GettingStartedButton->setObjectName(QStringLiteral("GettingStartedButton"));
    layout->addWidget(GettingStartedButton, 0, Qt::AlignCenter);
}

} // namespace morvent
