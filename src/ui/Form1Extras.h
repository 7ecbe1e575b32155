#pragma once

#include <array>

class QAction;
class QPushButton;

namespace morvent {

class Form1Ui;

// Controls the main window has beyond its original layout, set into it without moving any
// original control out of its group or changing the window's size:
// - "Plot..." in the "About Tq" group, beside "Get";
// - "Undo Changes" at the left of each page's button row, away from "Read" and "Write";
// - in the File menu, under "Save" and "Load": "Compare With File...", "Clear Comparison" and
//   "Open Backups Folder"; "Compare With Controller" after "Compare With File...".
class Form1Extras {
public:
    // Call after Form1Ui::setupUi.
    void setupUi(Form1Ui& ui);

    QPushButton* PlotButton = nullptr;
    // By page index (Form1Ui::Page).
    std::array<QPushButton*, 4> UndoButtons{};
    QAction* CompareWithFile1 = nullptr;
    QAction* CompareWithController1 = nullptr;
    QAction* ClearComparison1 = nullptr;
    QAction* OpenBackupsFolder1 = nullptr;
};

} // namespace morvent
