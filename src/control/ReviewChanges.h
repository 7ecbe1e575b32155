// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ParameterModel.h"

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTabWidget;
class QTableWidget;

namespace morvent {

// Edit > "Review Changes...": every unwritten change, one row each (page, label, unit, the
// controller's value, the page's), kept up to date while open. Double-click or Enter takes the
// keyboard to the field on its page; "Put Back" gives the selected rows the controller's values;
// "Write Flash" starts the ordinary chain. Esc closes it.
class ReviewChanges : public QDialog {
    Q_OBJECT
public:
    ReviewChanges(QWidget& window, QTabWidget& notebook, ParameterModel& model,
                  std::function<void()> writeFlash);

    QTableWidget* table() const { return m_table; }
    QPushButton* putBackButton() const { return m_putBack; }
    QPushButton* writeFlashButton() const { return m_writeFlash; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void goTo(int row);
    void putBack();

    QWidget& m_window;
    QTabWidget& m_notebook;
    ParameterModel& m_model;
    QTableWidget* m_table = nullptr;
    QPushButton* m_putBack = nullptr;
    QPushButton* m_writeFlash = nullptr;
    std::vector<const Parameter*> m_rows;
};

} // namespace morvent
