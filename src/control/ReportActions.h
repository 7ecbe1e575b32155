// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QSettings;
class QWidget;

namespace morvent {

class Fields;
class MessageBoxes;
class ParameterModel;
struct ReportContent;
class StatusNote;

// File > "Export Report..." and "Print...": the report of what the pages show, with a line for
// the bike or customer asked first, saved as PDF or HTML or printed through the system's dialog.
class ReportActions : public QObject {
    Q_OBJECT
public:
    // How the user is asked; empty functions: the usual dialogs over parent. An empty optional
    // or name, or false, means the user thought better of it.
    struct Questions {
        std::function<std::optional<QString>()> note;
        std::function<QString()> file;
        std::function<bool(QPrinter&)> printer;
        // Fills in and accepts the Report Settings dialog, or returns false to cancel it.
        std::function<bool(QDialog&)> settings = {};
    };

    // The model knows what the controller holds, for the marks of values not written.
    // The settings keep the shop's details that head the report.
    ReportActions(QWidget& parent, const Fields& pages, const ParameterModel& model,
                  MessageBoxes& boxes, StatusNote& note, QSettings& settings, Questions questions);

    void ExportReport1Click();
    void Print1Click();
    // File > "Report Settings...": the shop's details and the technician, set once.
    void ReportSettings1Click();

private:
    std::optional<QString> askNote();
    // The report of what the pages show, in the window's language.
    ReportContent shownReport(const QString& note) const;

    QWidget& m_parent;
    const Fields& m_pages;
    const ParameterModel& m_model;
    MessageBoxes& m_boxes;
    StatusNote& m_note;
    QSettings& m_settings;
    Questions m_questions;
};

} // namespace morvent
