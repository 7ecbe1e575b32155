#include "Offscreen.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widgets need a QApplication; without a display the tests draw offscreen.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    morvent::test::drawOffscreenUnlessAsked();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
