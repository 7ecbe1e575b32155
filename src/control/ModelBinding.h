// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ParameterModel.h"
#include "WidgetFields.h"

#include <QObject>
#include <QPointer>

#include <map>

class QWidget;

namespace morvent {

// Keeps the pages' parameter controls and the parameter model in step. What the user types or
// picks goes into the model at once, as the control shows it (a combo box's text typed over its
// item, its selected index); what the model is given (a read reply, a load, undo, a put back) the
// control shows, without that coming back as the user's. After the model is shown the control is
// read back, so the model holds exactly what the control shows, as a write reads it.
class ModelBinding final : public QObject {
    Q_OBJECT
public:
    // Every parameter control is found by its name under window; the model first takes what
    // they show, lists included.
    ModelBinding(QWidget& window, ParameterModel& model);
    ~ModelBinding() override;

private:
    void take(const Parameter& p);
    void show(const Parameter& p);

    ParameterModel& m_model;
    WidgetFields m_widgets;
    std::map<const Parameter*, QPointer<QWidget>> m_controls;
    ParameterModel::Listening m_listening = 0;
    // Set while one side is put into the other: what that side then says is no news.
    bool m_busy = false;
};

} // namespace morvent
