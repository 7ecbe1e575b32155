// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ParameterModel.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <set>

class QLabel;
class QStatusBar;
class QWidget;

namespace morvent {

class ComparisonMarks;

// The pages' unwritten changes, as the parameter model knows them: each changed field carries a
// sign in its corner and a tooltip that begins "Changed: the controller holds X.", the tabs of
// pages holding one say so, and the status bar counts them. It follows the model, whatever
// changed it.
class ChangeMarks : public QObject {
    Q_OBJECT
public:
    ChangeMarks(QWidget& window, QStatusBar& bar, ParameterModel& model,
                ComparisonMarks& comparison);

    int count() const { return static_cast<int>(m_changed.size()); }
    int countOnPage(int page) const;
    // "1 change not written", "3 changes not written"; empty at none.
    static QString countText(int changes);
    // The control's help, after what the controller holds where it differs.
    QString toolTip(const Parameter& p) const;

signals:
    // After any change of a shown value or of what is known.
    void changesUpdated();

private:
    void refresh(const Parameter& p);
    void refreshAll();
    void report();

    QWidget& m_window;
    ParameterModel& m_model;
    ComparisonMarks& m_comparison;
    QLabel* m_note = nullptr;
    std::set<const Parameter*> m_changed;
    std::map<const Parameter*, QPointer<QWidget>> m_signs;
};

} // namespace morvent
