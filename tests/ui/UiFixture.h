#pragma once

#include "Form1Ui.h"

#include <QApplication>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace morvent::test {

// The main window as the program builds it, not yet shown.
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest() { ui.setupUi(&window); }

    template <typename T> T* find(const QString& name) const { return window.findChild<T*>(name); }

    QMainWindow window;
    Form1Ui ui;
};

// Lets every pending layout request run: a widget whose size changes asks its parent to lay out
// again by a posted request, one level at a time.
inline void settle() {
    for (int i = 0; i < 8; ++i) {
        QApplication::processEvents();
    }
}

// "15", "16", ... with an optional unit, as the lists of numbers in the combo boxes read.
inline QStringList numbers(int first, int last, const QString& suffix = {}) {
    QStringList list;
    for (int v = first; v <= last; ++v) {
        list.append(QString::number(v) + suffix);
    }
    return list;
}

} // namespace morvent::test
