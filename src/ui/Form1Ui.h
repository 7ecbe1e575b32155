// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "EditNames.h"
#include "PortComboBox.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class QAction;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QWidget;

namespace morvent {

class ClickableLabel;
class DigitsOnlyFilter;

// The main window's layout, built into a QMainWindow the way a generated setupUi would: every
// control is created, captioned, filled with its starting items and named by its component name,
// but nothing is connected. The window's behaviour lives in control/, which reaches the controls
// through the members below or by objectName.
class Form1Ui {
    Q_DECLARE_TR_FUNCTIONS(Form1Ui)

public:
    // Pages of TabbedNotebook1, by index.
    enum Page { BasicPage = 0, PedalAssistPage = 1, ThrottleHandlePage = 2, TorquePage = 3 };

    static constexpr int kWidth = 978;
    static constexpr int kHeight = 757;

    void setupUi(QMainWindow* window);

    // The size the window opens at where the screen has the room: as designed, wider where a
    // language's words need it, so that neither the pages nor the right panel scroll sideways.
    QSize wantedSize() const;

    // Access keys for the buttons and the fields' captions, unique on each page in the window's
    // language; after the last menu is on the bar, as the menus keep theirs.
    void setupAccessKeys();

    // Edit n (1 .. 96) of the parameter pages; throws std::out_of_range for any other n.
    QLineEdit* edit(int n) const;

    // The items the window puts into ComboBox4 ("Wheel Diameler(Inch): ") and ComboBox5
    // ("Speed Meter Model: ") when it is first shown; the layout leaves both empty.
    static QStringList wheelSizeItems();
    static QStringList speedMeterItems();
    // Puts a list into a combo box: each item shown in the window's language, the protocol's
    // English kept as its data (WidgetFields reads and writes by it).
    static void fillCombo(QComboBox* combo, const QStringList& items);

    // The address that Label3 shows and that a click on it opens.
    static QString webAddress();

    // Holds both panels; scrolls them when the window is smaller than designed.
    QScrollArea* Scroll = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;

    QTabWidget* TabbedNotebook1 = nullptr;
    QWidget* TabSheetBasic = nullptr;
    QWidget* TabSheetPedalAssist = nullptr;
    QWidget* TabSheetThrottleHandle = nullptr;
    QWidget* TabSheetTorque = nullptr;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClickableLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr; // "Port:"
    QLabel* Label5 = nullptr; // "Bandrate:"
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBoxAboutTq = nullptr;

    PortComboBox* ComboBox1 = nullptr; // the Port list, read afresh each time it opens
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QComboBox* ComboBox6 = nullptr;
    QComboBox* ComboBox7 = nullptr;
    QComboBox* ComboBox8 = nullptr;
    QComboBox* ComboBox9 = nullptr;
    QComboBox* ComboBox10 = nullptr;
    QComboBox* ComboBox11 = nullptr;
    QComboBox* ComboBox12 = nullptr;
    QComboBox* ComboBox13 = nullptr;

    QPushButton* BitBtn1 = nullptr;  // "Connect"
    QPushButton* BitBtn2 = nullptr;  // "Read Flash"
    QPushButton* BitBtn3 = nullptr;  // "Write Flash"
    QPushButton* BitBtn4 = nullptr;  // Basic "Write"
    QPushButton* BitBtn5 = nullptr;  // Basic "Read"
    QPushButton* BitBtn6 = nullptr;  // Pedal Assist "Read"
    QPushButton* BitBtn7 = nullptr;  // Pedal Assist "Write"
    QPushButton* BitBtn8 = nullptr;  // Throttle Handle "Read"
    QPushButton* BitBtn9 = nullptr;  // Throttle Handle "Write"
    QPushButton* BitBtn11 = nullptr; // "Close"
    QPushButton* BitBtn12 = nullptr; // "Get"
    QPushButton* BitBtn13 = nullptr; // "Continuous Get"
    QPushButton* BitBtn14 = nullptr; // Torque "Read"
    QPushButton* BitBtn15 = nullptr; // Torque "Write"
    // "Plot...": the live readings of the last minute, beside "Get".
    QPushButton* PlotButton = nullptr;
    // "Undo Changes" at the left of each page's button row, by page index.
    std::array<QPushButton*, 4> UndoButtons{};

    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Load1 = nullptr;
    QAction* LoadBackup1 = nullptr; // "Load Backup...": a kept backup, through Load's path
    QAction* CompareWithFile1 = nullptr;
    QAction* CompareWithController1 = nullptr;
    QAction* ClearComparison1 = nullptr;
    QAction* OpenBackupsFolder1 = nullptr;
    // The report of the pages for the customer: as a PDF or HTML file, and on paper.
    QAction* ExportReport1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* ReportSettings1 = nullptr;
    QAction* Quit1 = nullptr;
    QMenu* EditMenu = nullptr;
    QAction* ReviewChanges1 = nullptr;
    QAction* Help1 = nullptr;

    // Installed on all 96 edits.
    DigitsOnlyFilter* digitsOnly = nullptr;

    // The captions each field is known by, in reading order: its own, after its group's ("Error
    // Voltage:" "Min"), or its row's and then its column's ("Start(Kg):" "Spd20").
    QHash<QWidget*, QList<QLabel*>> captions;

private:
    QWidget* setupRightPanel(QWidget* parent);
    QWidget* setupBasicPage();
    QWidget* setupPedalAssistPage();
    QWidget* setupThrottleHandlePage();
    QWidget* setupTorquePage();
    QWidget* setupTorqueCalibration(QWidget* page);
    QWidget* setupTorqueGrid(QWidget* page);
    QGroupBox* setupAboutTq(QWidget* page);
    QPushButton* makeUndoButton(Page page, QWidget* sheet);
    void setupMenu(QMainWindow* window);
    // Tooltips: for every parameter control from the parameter table, and for the rest in words.
    void setupHelp(QMainWindow* window);
    // Where the keyboard starts and the order it walks the controls; the keys that turn pages.
    void setupKeyboard();

    QLineEdit* makeEdit(int n, QWidget* parent);
    // A field on a row of a grid, captioned from the parameter table: the label in column 0, the
    // field in column 1.
    QLineEdit* addEditRow(QGridLayout* grid, int row, int n);
    QComboBox* addComboRow(QGridLayout* grid, int row, QComboBox* combo);

    std::array<QLineEdit*, kEditCount> m_edits{};
};

} // namespace morvent
