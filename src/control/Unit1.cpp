// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Unit1.h"

#include "AboutBox.h"
#include "AwaitedWording.h"
#include "BackupActions.h"
#include "BackupKeeper.h"
#include "BlockCodec.h"
#include "BlockRequests.h"
#include "ChangeMarks.h"
#include "ClickableLabel.h"
#include "ComparisonMarks.h"
#include "ConnectionHelp.h"
#include "ConnectionProbing.h"
#include "ContinuousGet.h"
#include "ControllerLine.h"
#include "FileActions.h"
#include "GettingStarted.h"
#include "LineTiming.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsWindow.h"
#include "LoadWindow.h"
#include "MarksActions.h"
#include "MessageBoxes.h"
#include "ModelBinding.h"
#include "ParameterTable.h"
#include "PlotPlacement.h"
#include "PortComboBox.h"
#include "ReplyDispatcher.h"
#include "ReportActions.h"
#include "SaveWindow.h"
#include "StatusReporter.h"
#include "TrafficDescription.h"
#include "TrafficLog.h"
#include "Translations.h"
#include "ViewMenu.h"
#include "WindowLine.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace morvent {

namespace {

// The top-left corner of the window's frame when it was last closed.
const QString kWindowPlace = QStringLiteral("windowPlace");

// About, Save and Load open over the main window, on its screen, where the user is looking; one
// already open stays where the user put it.
void openOver(QWidget& window, const QWidget& owner) {
    if (!window.isVisible()) {
        const QScreen* screen = owner.screen();
        if (screen) {
            window.move(placeOver(owner.frameGeometry(), window.frameGeometry().size(),
                                  screen->availableGeometry())
                            .topLeft());
        }
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

TForm1::TForm1(MessageBoxes& boxes, Options options)
    : m_boxes(boxes), m_options(std::move(options)), m_fields(m_model, *this) {
    setObjectName(QStringLiteral("Form1"));
    m_ui.setupUi(this);
    m_binding = std::make_unique<ModelBinding>(*this, m_model);

    Comm1 = new TComm(this);
    Comm1->setObjectName(QStringLiteral("Comm1"));
    useControllerLine(*Comm1, m_options.timing.readInterval);
    Comm1->OnReceiveData = [this](TComm* sender, const std::uint8_t* buffer, std::uint16_t length) {
        // Read before the port was closed and not wanted since: handled, a reply would reopen
        // the port behind the user's back.
        if (!Comm1->isOpen()) {
            m_trafficLog->addNote(tr("%1 bytes ignored: the port was closed").arg(length));
            return;
        }
        logReceived(std::span(buffer, length));
        guarded([&] { Comm1ReceiveData(sender, buffer, length); });
    };
    // The device went away under the open port (an adapter pulled): say so, since nothing
    // else will answer from now on.
    Comm1->OnRequestHangup = [this](TComm*) {
        m_trafficLog->addNote(tr("the device went away (hang-up)"));
        m_connection->lost();
    };

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(m_options.timing.probeListen);
    // Precise timers: a coarse one may fire 5 % late, which every probing step and every
    // continuous reading would add up.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(m_options.timing.pollInterval);
    Timer2->setTimerType(Qt::PreciseTimer);

    // Windows of their own, beside the main window rather than inside its object tree, so the
    // About box's labels do not shadow the main window's of the same names.
    m_form3 = std::make_unique<TForm3>();
    m_form4 = std::make_unique<TForm4>();
    m_form5 = std::make_unique<TForm5>();
    // The program ends with the main window, whichever of these is still open.
    for (QWidget* window :
         std::initializer_list<QWidget*>{m_form3.get(), m_form4.get(), m_form5.get()}) {
        window->setAttribute(Qt::WA_QuitOnClose, false);
    }

    // Under the program's own name, as its folder in the user's settings.
    m_settings = m_options.settingsFile.isEmpty()
                     ? std::make_unique<QSettings>(QCoreApplication::applicationName(),
                                                   QCoreApplication::applicationName())
                     : std::make_unique<QSettings>(m_options.settingsFile, QSettings::IniFormat);
    m_status = new StatusReporter(statusBar());

    m_trafficLog = new TrafficLog(this);
    ViewMenu::add(*this, *m_ui.Help1, *m_trafficLog, *m_settings);
    m_ui.setupAccessKeys();
    m_gettingStarted = new GettingStarted(m_ui, this);
    // Never so small that controls are cut off: below the designed size the window scrolls.
    setMinimumSize(480, 360);

    // The backups, saving and loading, the plot, comparison and undo, and the report. Each is
    // built from what exists; what they announce is connected in connectRooms.
    m_backupRoom = std::make_unique<BackupActions>(*this, m_fields, m_options);
    m_files = std::make_unique<FileActions>(
        m_fields, m_boxes, *m_form4, *m_form5, backups().replacedFiles(),
        [this](const std::function<void()>& handler) { guarded(handler); });
    m_plot = std::make_unique<PlotPlacement>(*this, m_ui, m_boxes, *m_settings, m_options);
    m_marks = std::make_unique<MarksActions>(*this, m_ui, m_fields, m_model, m_boxes, m_options);
    buildReport();
    // Where the user leaves the plot is where it opens next time, in this run or the next.
    liveReadings().window().installEventFilter(this);

    m_wording = std::make_unique<AwaitedWording>(*m_status);
    m_line = std::make_unique<WindowLine>(*Comm1, *Timer1, *m_trafficLog, *m_wording, m_boxes,
                                          m_options.timing);
    m_connection = std::make_unique<ConnectionProbing>(*Comm1, *Timer1, *m_line, m_ui, *m_status,
                                                       m_model, backups(), *m_settings);
    m_requests = std::make_unique<BlockRequests>(m_cycle, *m_line, m_fields, m_model, m_boxes,
                                                 *m_status, *m_ui.TabbedNotebook1, *this);
    m_continuousGet =
        std::make_unique<ContinuousGet>(*Timer2, ContinuousBlink, *m_requests, *m_status, m_ui);
    m_dispatcher = std::make_unique<ReplyDispatcher>(m_cycle, *m_requests, *m_line, m_fields,
                                                     m_model, *m_status, changes(), liveReadings());

    connectRooms();
    connectHandlers();
    fitToScreen(screen()->availableGeometry());
    returnToLastPlace();
}

void TForm1::returnToLastPlace() {
    // Where the user left it, as long as that is still on a screen (a laptop taken off its
    // docking station has lost the second one); else where the window system puts it.
    const QVariant last = m_settings->value(kWindowPlace);
    if (!last.canConvert<QPoint>()) {
        return;
    }
    const QPoint place = last.toPoint();
    if (const QScreen* there = QGuiApplication::screenAt(place)) {
        move(frameWithin(QRect(place, size()), there->availableGeometry()).topLeft());
    }
}

void TForm1::fitToScreen(const QRect& available) {
    // Only a screen too small for the window gets a maximise box.
    fitWindow(*this, m_ui.wantedSize(), available);
    // Before it is first shown the window system places it, knowing its own frame; after, the
    // frame is known here too.
    if (isVisible()) {
        keepFrameWithin(available);
    }
}

void TForm1::keepFrameWithin(const QRect& available) {
    const QRect frame = frameGeometry();
    const QRect within = frameWithin(frame, available);
    if (within != frame) {
        resize(size() - (frame.size() - within.size()));
        move(within.topLeft());
    }
}

TForm1::~TForm1() {
    // A plot still shown is kept where it is too, and its hiding as it goes is no more watched.
    LiveReadingsWindow& plot = liveReadings().window();
    plot.removeEventFilter(this);
    if (plot.isVisible()) {
        m_plot->rememberPlotPlace();
    }
}

void TForm1::buildReport() {
    m_report =
        new ReportActions(*this, m_fields, m_model, m_boxes, m_backupRoom->note(), *m_settings,
                          {m_options.askReportNote, m_options.chooseReportFile,
                           m_options.choosePrinter, m_options.fillReportSettings});
    connect(m_ui.ReportSettings1, &QAction::triggered, m_report,
            &ReportActions::ReportSettings1Click);
    connect(m_ui.ExportReport1, &QAction::triggered, m_report, &ReportActions::ExportReport1Click);
    connect(m_ui.Print1, &QAction::triggered, m_report, &ReportActions::Print1Click);
}

LiveReadingsMonitor& TForm1::liveReadings() const {
    return m_plot->liveReadings();
}
BackupKeeper& TForm1::backups() const {
    return m_backupRoom->keeper();
}
ComparisonMarks& TForm1::comparison() const {
    return m_marks->comparison();
}
ReportActions& TForm1::report() const {
    return *m_report;
}
ChangeMarks& TForm1::changes() const {
    return m_marks->changes();
}
ReviewChanges& TForm1::review() const {
    return m_marks->review();
}

void TForm1::showPlot() {
    m_plot->showPlot();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        keepFrameWithin(screen()->availableGeometry());
    }
    if (watched == &liveReadings().window() && event->type() == QEvent::Hide) {
        m_plot->rememberPlotPlace();
    }
    return QMainWindow::eventFilter(watched, event);
}

template <typename Handler> void TForm1::guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        showError(error);
    }
}

void TForm1::showError(const std::exception& error) {
    QString text = withFullStop(shownError(error));
    // A port that would not open: the cause and the fix in plain words after the message.
    if (const auto* comms = dynamic_cast<const ECommsError*>(&error)) {
        const QString help =
            openFailureHelp(TComm::devicePath(Comm1->CommName()), comms->systemError());
        if (!help.isEmpty()) {
            text += QStringLiteral("\n\n") + help;
        }
        if (!Comm1->isOpen()) {
            m_connection->portClosedByError();
        }
    }
    m_boxes.generalError(text);
}

void TForm1::connectRooms() {
    // Every room exists by now, and each announcement has one listener, so the order of these
    // does not matter.
    connect(m_line.get(), &WindowLine::pollingFailed, m_connection.get(), &ConnectionProbing::lost);
    connect(m_connection.get(), &ConnectionProbing::connectionLost, m_continuousGet.get(),
            &ContinuousGet::stop);
    connect(m_continuousGet.get(), &ContinuousGet::pollingChanged, m_line.get(),
            &WindowLine::setPolling);
    connect(m_dispatcher.get(), &ReplyDispatcher::identityArrived, m_connection.get(),
            &ConnectionProbing::stopProbing);
    connect(m_dispatcher.get(), &ReplyDispatcher::identified, m_connection.get(),
            &ConnectionProbing::identified);
    connect(m_dispatcher.get(), &ReplyDispatcher::blockReadIntoPages, m_marks.get(),
            &MarksActions::readIntoPages);
    connect(m_dispatcher.get(), &ReplyDispatcher::keepBackup, m_backupRoom.get(),
            &BackupActions::keepBackup);
    connect(m_files.get(), &FileActions::saved, m_backupRoom.get(), &BackupActions::noteSaved);
    connect(m_files.get(), &FileActions::replacedKept, m_backupRoom.get(),
            &BackupActions::noteReplacedKept);
    connect(m_files.get(), &FileActions::loaded, &comparison(), &ComparisonMarks::markNotInFile);
    connect(m_files.get(), &FileActions::loadedIntoPages, m_marks.get(),
            &MarksActions::loadedIntoPages);
    connect(m_backupRoom.get(), &BackupActions::backupChosen, m_files.get(),
            &FileActions::loadFile);
    connect(m_marks.get(), &MarksActions::writeFlashWanted, this,
            [this] { guarded([this] { BitBtn3Click(); }); });
}

int TForm1::ConnectFlag() const {
    return m_connection->connectFlag();
}

bool TForm1::comparisonAllowed() const {
    return m_connection->connected() && !m_continuousGet->polling() && !m_cycle.chainRunning();
}

void TForm1::connectHandlers() {
    auto on = [this](QPushButton* button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { guarded([&] { (this->*handler)(); }); });
    };
    on(m_ui.BitBtn1, &TForm1::BitBtn1Click);
    on(m_ui.BitBtn11, &TForm1::BitBtn11Click);
    on(m_ui.BitBtn2, &TForm1::BitBtn2Click);
    on(m_ui.BitBtn3, &TForm1::BitBtn3Click);
    on(m_ui.BitBtn4, &TForm1::BitBtn4Click);
    on(m_ui.BitBtn5, &TForm1::BitBtn5Click);
    on(m_ui.BitBtn6, &TForm1::BitBtn6Click);
    on(m_ui.BitBtn7, &TForm1::BitBtn7Click);
    on(m_ui.BitBtn8, &TForm1::BitBtn8Click);
    on(m_ui.BitBtn9, &TForm1::BitBtn9Click);
    on(m_ui.BitBtn12, &TForm1::BitBtn12Click);
    on(m_ui.BitBtn13, &TForm1::BitBtn13Click);
    on(m_ui.BitBtn14, &TForm1::BitBtn14Click);
    on(m_ui.BitBtn15, &TForm1::BitBtn15Click);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([&] { Timer1Timer(); }); });
    connect(Timer2, &QTimer::timeout, this, [this] { guarded([&] { Timer2Timer(); }); });
    connect(m_ui.TabbedNotebook1, &QTabWidget::tabBarClicked, this,
            [this] { TabbedNotebook1Click(); });
    connect(m_ui.Help1, &QAction::triggered, this, [this] { Help1Click(); });
    // Help itself shows the About box; the first steps are F1 away, and a button in that box.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { showGettingStarted(); });
    connect(m_form3->GettingStartedButton, &QPushButton::clicked, this,
            [this] { showGettingStarted(); });
    connect(m_ui.Save1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(m_ui.Load1, &QAction::triggered, this, [this] { Load1Click(); });
    connect(m_ui.Quit1, &QAction::triggered, this, &QWidget::close);
    connect(m_ui.Label3, &ClickableLabel::clicked, this, [this] { Label3Click(); });
    connect(m_ui.ComboBox1, &PortComboBox::aboutToShowPopup, this,
            [this] { m_connection->refreshPorts(m_options.simulatedDevice, m_options.ports); });
    connect(m_ui.LoadBackup1, &QAction::triggered, this, [this] { LoadBackup1Click(); });
    connect(m_ui.CompareWithFile1, &QAction::triggered, this,
            [this] { guarded([&] { CompareWithFile1Click(); }); });
    connect(m_ui.CompareWithController1, &QAction::triggered, this,
            [this] { guarded([&] { CompareWithController1Click(); }); });
    // Offered as the File menu opens, which is the only way to it: connected, and nothing else
    // running that it would cut into.
    connect(m_ui.File1, &QMenu::aboutToShow, this,
            [this] { m_ui.CompareWithController1->setEnabled(comparisonAllowed()); });
    connect(m_ui.OpenBackupsFolder1, &QAction::triggered, this,
            [this] { OpenBackupsFolder1Click(); });
    // A combo box shows what it will be sent as once the user leaves it.
    for (const Parameter& p : parameterTable()) {
        auto* combo = findChild<QComboBox*>(QString::fromStdString(p.control));
        if (combo && combo->lineEdit()) {
            connect(combo->lineEdit(), &QLineEdit::editingFinished, this,
                    [this, name = p.control] { settleCombo(name, m_fields); });
        }
    }
}

QList<QPushButton*> TForm1::controllerButtons() const {
    return m_connection->controllerButtons();
}

QList<QPushButton*> TForm1::pollingLockedButtons() const {
    return m_continuousGet->lockedButtons();
}

void TForm1::endBySignal() {
    if (changes().count() > 0) {
        m_backupRoom->keepUnwrittenChanges();
    }
    m_endingBySignal = true;
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!m_endingBySignal &&
        !m_marks->mayLoseChanges(
            [](int changes) {
                return tr("%n changes not written to the controller: closing the window loses "
                          "what was typed. Quit anyway?",
                          nullptr, changes);
            },
            tr("Quit"))) {
        event->ignore();
        return;
    }
    // Polling stops before the port closes under it, and the port is let go at once, so the next
    // program finds it free.
    m_continuousGet->stop();
    Timer1->stop();
    m_settings->setValue(kWindowPlace, pos());
    Comm1->CloseComm();
    Comm1->discardNotifications();
    for (QWidget* window : std::initializer_list<QWidget*>{m_form3.get(), m_form4.get(),
                                                           m_form5.get(), &liveReadings().window(),
                                                           m_trafficLog, m_gettingStarted}) {
        window->close();
    }
    QMainWindow::closeEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        // Its frame is known once it is on the screen: a title bar placed off the screen, which
        // would leave the window neither movable nor maximisable, is brought back.
        windowHandle()->installEventFilter(this);
        guarded([this] { FormShow(); });
    }
}

void TForm1::FormShow() {
    Searchcomm();
    // The port that last worked, if it is still there; else the first.
    const int last =
        m_ui.ComboBox1->findText(m_settings->value(QStringLiteral("lastPort")).toString());
    m_ui.ComboBox1->setCurrentIndex(last >= 0 ? last : (m_ui.ComboBox1->count() > 0 ? 0 : -1));
    m_ui.ComboBox2->setCurrentIndex(0);
    Form1Ui::fillCombo(m_ui.ComboBox4, Form1Ui::wheelSizeItems());
    m_ui.ComboBox4->setCurrentIndex(-1);
    Form1Ui::fillCombo(m_ui.ComboBox5, Form1Ui::speedMeterItems());
    m_ui.ComboBox5->setCurrentIndex(-1);
    m_continuousGet->stop();
    m_connection->showDisconnected();
    m_ui.BitBtn1->setEnabled(true);
    Timer1->stop();
}

void TForm1::Help1Click() {
    openOver(*m_form3, *this);
}

void TForm1::showGettingStarted() {
    if (!m_gettingStarted->isVisible()) {
        placeCompanion(*m_gettingStarted, *this,
                       coverableArea(*this, *m_ui.TabbedNotebook1->currentWidget()));
    }
    m_gettingStarted->show();
    m_gettingStarted->raise();
    m_gettingStarted->activateWindow();
}

void TForm1::Label3Click() {
    const QUrl address(Form1Ui::webAddress());
    if (m_options.openUrl) {
        m_options.openUrl(address);
    } else {
        QDesktopServices::openUrl(address);
    }
}

void TForm1::Save1Click() {
    openOver(*m_form4, *this);
    // Ctrl+S and then the name: what is typed goes where it is meant to.
    m_form4->Edit1->setFocus(Qt::ShortcutFocusReason);
    m_form4->Edit1->selectAll();
}

void TForm1::Load1Click() {
    if (!m_marks->mayLoseChanges(
            [](int changes) {
                return tr("%n changes not written to the controller: a load puts the file's "
                          "values over what was typed. Load anyway?",
                          nullptr, changes);
            },
            tr("Load"))) {
        return;
    }
    openOver(*m_form5, *this);
}

void TForm1::logReceived(std::span<const std::uint8_t> chunk) {
    // Described before the dispatcher acts on it, with what was awaited when it came.
    m_trafficLog->addReceived(chunk, shownText(describeReplyWording(chunk, PendingRequest())));
    m_status->clearAwaiting();
}

void TForm1::Searchcomm() {
    m_connection->searchPorts(m_options.simulatedDevice, m_options.ports);
}

void TForm1::BitBtn1Click() {
    if (m_marks->mayLoseChanges(
            [](int changes) {
                return tr("%n changes not written to the controller: connecting forgets what the "
                          "controller holds, and the pages show no changes until read again. "
                          "Connect anyway?",
                          nullptr, changes);
            },
            tr("Connect"))) {
        m_connection->connect();
    }
}

void TForm1::BitBtn11Click() {
    if (m_marks->mayLoseChanges(
            [](int changes) {
                return tr("%n changes not written to the controller: after Close, what was typed "
                          "can no longer be written. Close anyway?",
                          nullptr, changes);
            },
            tr("Close", "ends the connection to the controller"))) {
        m_connection->close();
    }
}

void TForm1::Timer1Timer() {
    m_connection->probeNextRate();
}

void TForm1::SendConnectCommand() {
    m_connection->sendConnectRequest();
}

void TForm1::TabbedNotebook1Click() {
    m_requests->endByTabClick();
}

void TForm1::BitBtn5Click() {
    m_requests->read(Block::Basic);
}
void TForm1::BitBtn6Click() {
    m_requests->read(Block::PedalAssist);
}
void TForm1::BitBtn8Click() {
    m_requests->read(Block::ThrottleHandle);
}
void TForm1::BitBtn14Click() {
    m_requests->read(Block::Torque);
}
void TForm1::BitBtn4Click() {
    m_requests->write(Block::Basic);
}
void TForm1::BitBtn7Click() {
    m_requests->write(Block::PedalAssist);
}
void TForm1::BitBtn9Click() {
    m_requests->write(Block::ThrottleHandle);
}
void TForm1::BitBtn15Click() {
    m_requests->write(Block::Torque);
}

void TForm1::BitBtn12Click() {
    m_continuousGet->getOnce();
}
void TForm1::BitBtn13Click() {
    m_continuousGet->toggle();
}
void TForm1::Timer2Timer() {
    m_continuousGet->tick();
}

void TForm1::BitBtn2Click() {
    m_requests->readFlash();
}
void TForm1::BitBtn3Click() {
    m_requests->writeFlash();
}

void TForm1::CompareWithFile1Click() {
    m_marks->compareWithFile(m_backupRoom->folder());
}
void TForm1::LoadBackup1Click() {
    if (m_marks->mayLoseChanges(&BackupActions::loadQuestion, BackupActions::loadAnswer())) {
        m_backupRoom->chooseBackup();
    }
}
void TForm1::CompareWithController1Click() {
    if (comparisonAllowed()) {
        m_requests->compareWithController();
    }
}
void TForm1::OpenBackupsFolder1Click() {
    m_backupRoom->openBackupsFolder();
}

void TForm1::SendReadCommand(std::uint8_t code) {
    m_requests->sendRead(code);
}
void TForm1::SendBasicWrite() {
    m_requests->sendWrite(Block::Basic);
}
void TForm1::SendPedalAssistWrite() {
    m_requests->sendWrite(Block::PedalAssist);
}
void TForm1::SendThrottleWrite() {
    m_requests->sendWrite(Block::ThrottleHandle);
}
void TForm1::SendTorqueWrite() {
    m_requests->sendWrite(Block::Torque);
}

void TForm1::Comm1ReceiveData(TComm*, const std::uint8_t* Buffer, std::uint16_t BufferLength) {
    m_dispatcher->dispatch(Buffer, BufferLength);
}

} // namespace morvent
