// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Offscreen.h"
#include "Translations.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widgets need a QApplication; without a display the tests draw offscreen.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    morvent::test::drawOffscreenUnlessAsked();
    QApplication app(argc, argv);
    // The tests read the English texts, whatever the language of the one who runs them.
    morvent::useLanguage(QStringLiteral("en"));
    return RUN_ALL_TESTS();
}
