#include "Form1Extras.h"

#include "Form1Ui.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include <stdexcept>

namespace morvent {

namespace {

// The box layout, somewhere under root, that holds widget.
QBoxLayout* boxHolding(QLayout* root, QWidget* widget) {
    if (!root) {
        return nullptr;
    }
    if (auto* box = qobject_cast<QBoxLayout*>(root); box && box->indexOf(widget) >= 0) {
        return box;
    }
    for (int i = 0; i < root->count(); ++i) {
        if (QBoxLayout* found = boxHolding(root->itemAt(i)->layout(), widget)) {
            return found;
        }
    }
    return nullptr;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

void Form1Extras::setupUi(Form1Ui& ui) {
    // "Get" sits under the right-hand column of readings; "Plot..." goes to its left, into the
    // gap between the columns, so the group gains no row and the Torque page no height.
    auto* grid = qobject_cast<QGridLayout*>(ui.GroupBoxAboutTq->layout());
    if (!grid) {
        throw std::logic_error("the About Tq group has no grid");
    }
    PlotButton = makeButton("PlotButton", QStringLiteral("Plot..."), ui.GroupBoxAboutTq);
    PlotButton->setToolTip(QStringLiteral("Plot the readings of the last minute"));
    PlotButton->setMinimumWidth(80);
    grid->removeWidget(ui.BitBtn12);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(PlotButton);
    buttons->addWidget(ui.BitBtn12);
    grid->addLayout(buttons, 2, 2, 1, 3, Qt::AlignRight);

    const std::array<QPushButton*, 4> readButtons{ui.BitBtn5, ui.BitBtn6, ui.BitBtn8, ui.BitBtn14};
    const std::array<const char*, 4> names{"UndoBasic", "UndoPedalAssist", "UndoThrottleHandle",
                                           "UndoTorque"};
    for (std::size_t page = 0; page < readButtons.size(); ++page) {
        QWidget* sheet = ui.TabbedNotebook1->widget(static_cast<int>(page));
        QBoxLayout* row = boxHolding(sheet->layout(), readButtons[page]);
        if (!row) {
            throw std::logic_error("a page's Read button is in no button row");
        }
        QPushButton* undo = makeButton(names[page], QStringLiteral("Undo Changes"), sheet);
        undo->setMinimumWidth(120);
        row->insertWidget(0, undo);
        UndoButtons[page] = undo;
    }

    ui.File1->addSeparator();
    CompareWithFile1 = ui.File1->addAction(QStringLiteral("Compare With File..."));
    CompareWithFile1->setObjectName(QStringLiteral("CompareWithFile1"));
    CompareWithController1 = ui.File1->addAction(QStringLiteral("Compare With Controller"));
    CompareWithController1->setObjectName(QStringLiteral("CompareWithController1"));
    // Until the File menu opens on a connected window.
    CompareWithController1->setEnabled(false);
    ClearComparison1 = ui.File1->addAction(QStringLiteral("Clear Comparison"));
    ClearComparison1->setObjectName(QStringLiteral("ClearComparison1"));
    ui.File1->addSeparator();
    OpenBackupsFolder1 = ui.File1->addAction(QStringLiteral("Open Backups Folder"));
    OpenBackupsFolder1->setObjectName(QStringLiteral("OpenBackupsFolder1"));
}

} // namespace morvent
