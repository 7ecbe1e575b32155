// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "AwaitedRequest.h"
#include "BlockLayout.h"
#include "Form1Options.h"
#include "Form1Ui.h"
#include "ParameterModel.h"
#include "PortList.h"
#include "Refusal.h"
#include "RequestCycle.h"
#include "TComm.h"
#include "WindowFields.h"

#include <QMainWindow>
#include <QUrl>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

class QPrinter;
class QSettings;
class QTimer;

namespace morvent {

class AwaitedWording;
class BackupActions;
class BackupKeeper;
class BlockRequests;
class ChangeMarks;
class ComparisonMarks;
class ConnectionProbing;
class ContinuousGet;
class FileActions;
class LiveReadingsMonitor;
class MarksActions;
class ModelBinding;
class MessageBoxes;
class PlotPlacement;
class ReplyDispatcher;
class ReportActions;
class ReviewChanges;
class StatusReporter;
class TrafficLog;
class WindowLine;
class GettingStarted;
class TForm3;
class TForm4;
class TForm5;

// The main window: its handlers, named after their controls and events, hand the work to the
// connection and probing, the block requests and chains, the reply dispatcher through which every
// reply passes, Continuous Get, and what is kept for the user. Frames are built from the parameter
// model and replies written into it; the pages' widgets are its views (ModelBinding), and it
// knows what the controller holds.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    using Options = Form1Options;

    explicit TForm1(MessageBoxes& boxes, Options options = {});
    ~TForm1() override;

    Form1Ui& ui() { return m_ui; }
    Fields& fields() { return m_fields; }
    TComm* Comm1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    TForm3* Form3() const { return m_form3.get(); }
    TForm4* Form4() const { return m_form4.get(); }
    TForm5* Form5() const { return m_form5.get(); }
    GettingStarted* gettingStarted() const { return m_gettingStarted; }
    StatusReporter* status() const { return m_status; }
    TrafficLog* trafficLog() const { return m_trafficLog; }
    LiveReadingsMonitor& liveReadings() const;
    BackupKeeper& backups() const;
    ComparisonMarks& comparison() const;
    ReportActions& report() const;
    // The parameter set the pages show, and what the controller is known to hold.
    ParameterModel& model() { return m_model; }
    ChangeMarks& changes() const;
    ReviewChanges& review() const;

    // What is awaited from the controller.
    PendingRequestKind PendingRequest() const { return m_cycle.PendingRequest(); }
    // 1 from a successful "Connect" until "Close": connected or probing.
    int ConnectFlag() const;
    // The controller's maximum current from its identity, 0 until one arrives.
    int MaxCurrent() const { return m_cycle.maxCurrent(); }
    // Compare With Controller: connected, not polling, and no chain of any kind running.
    bool comparisonAllowed() const;
    // Flips with every tick of continuous reading, to blink the "Continuous Get" caption.
    int ContinuousBlink = 0;

    // Handlers, named after their controls and events.
    void FormShow();
    void Searchcomm();
    void BitBtn1Click();
    void BitBtn11Click();
    void Timer1Timer();
    void BitBtn5Click();  // Basic "Read"
    void BitBtn4Click();  // Basic "Write"
    void BitBtn6Click();  // Pedal Assist "Read"
    void BitBtn7Click();  // Pedal Assist "Write"
    void BitBtn8Click();  // Throttle Handle "Read"
    void BitBtn9Click();  // Throttle Handle "Write"
    void BitBtn14Click(); // Torque "Read"
    void BitBtn15Click(); // Torque "Write"
    void BitBtn12Click(); // "Get"
    void BitBtn13Click(); // "Continuous Get"
    void Timer2Timer();
    void BitBtn2Click(); // "Read Flash"
    void BitBtn3Click(); // "Write Flash"
    void Comm1ReceiveData(TComm* Sender, const std::uint8_t* Buffer, std::uint16_t BufferLength);
    void TabbedNotebook1Click();
    void Help1Click();
    // F1, or "Getting Started" in the About box: the first steps, beside this window.
    void showGettingStarted();
    void Label3Click();
    void Save1Click();
    void Load1Click();
    void CompareWithFile1Click();
    void CompareWithController1Click();
    void OpenBackupsFolder1Click();
    void LoadBackup1Click();

    // Sizes the window for a screen whose free area is `available`: as designed when it fits,
    // else the room there is, the pages' fields scrolling.
    void fitToScreen(const QRect& available);
    // Moves the window, and shrinks it where it must, so that its frame is all on `available`.
    void keepFrameWithin(const QRect& available);
    void returnToLastPlace();
    // "Plot...": the plot window, where it was last, or first beside this window.
    void showPlot();
    // Kill, a shutdown or a lost terminal end the program at once, with nobody there to answer
    // a question: unwritten changes are kept among the backups instead, where Load Backup finds
    // them, and the window closes as when its user closes it.
    void endBySignal();

    // Frame senders: each waits first, as the controller needs a quiet line between frames.
    void SendReadCommand(std::uint8_t code);
    void SendConnectCommand();
    // The write frames carry the block's full length, as every caller needs.
    void SendBasicWrite();
    void SendPedalAssistWrite();
    void SendThrottleWrite();
    void SendTorqueWrite();

    // The buttons that need a connected controller, in the order they are switched.
    QList<QPushButton*> controllerButtons() const;
    // The buttons continuous reading locks while it runs, in the order they are switched.
    QList<QPushButton*> pollingLockedButtons() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a handler; an error nobody caught ends it and goes to the general error display.
    template <typename Handler> void guarded(Handler&& handler);
    void connectHandlers();
    // File > "Report Settings...", "Export Report..." and "Print...".
    void buildReport();
    // What the rooms announce, connected once they all exist.
    void connectRooms();
    void showError(const std::exception& error);
    void logReceived(std::span<const std::uint8_t> chunk);
    bool m_endingBySignal = false;

    MessageBoxes& m_boxes;
    Options m_options;
    Form1Ui m_ui;
    ParameterModel m_model;
    // Parameters in the model, the rest (identity, live readings) in their widgets.
    WindowFields m_fields;
    std::unique_ptr<ModelBinding> m_binding;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
    std::unique_ptr<TForm5> m_form5;
    std::unique_ptr<QSettings> m_settings;
    StatusReporter* m_status = nullptr;
    TrafficLog* m_trafficLog = nullptr;
    GettingStarted* m_gettingStarted = nullptr;
    bool m_shown = false;
    RequestCycle m_cycle;
    // What is kept for the user: backups, files, the plot's place, the pages' marks.
    std::unique_ptr<BackupActions> m_backupRoom;
    std::unique_ptr<FileActions> m_files;
    std::unique_ptr<PlotPlacement> m_plot;
    std::unique_ptr<MarksActions> m_marks;
    ReportActions* m_report = nullptr;
    std::unique_ptr<AwaitedWording> m_wording;
    std::unique_ptr<WindowLine> m_line;
    std::unique_ptr<ConnectionProbing> m_connection;
    std::unique_ptr<BlockRequests> m_requests;
    std::unique_ptr<ContinuousGet> m_continuousGet;
    std::unique_ptr<ReplyDispatcher> m_dispatcher;
};

} // namespace morvent
