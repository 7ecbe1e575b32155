// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include <QCoreApplication>
#include <gtest/gtest.h>

// Every test program runs with a Qt application object so that tests can run the event loop the
// way the tool does. Programs that show widgets link their own main with a QApplication.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
