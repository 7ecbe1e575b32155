// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Unit1.h"

#include "AboutBox.h"
#include "BackupKeeper.h"
#include "BlockCodec.h"
#include "ChangeMarks.h"
#include "ClickableLabel.h"
#include "ComparisonMarks.h"
#include "ConnectionHelp.h"
#include "ControllerLine.h"
#include "FieldStore.h"
#include "Frames.h"
#include "IdentityReply.h"
#include "Latin1.h"
#include "LineTiming.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsReply.h"
#include "LiveReadingsWindow.h"
#include "LoadWindow.h"
#include "MessageBoxes.h"
#include "NoticingFields.h"
#include "PageUndo.h"
#include "ParameterComparison.h"
#include "ParameterTable.h"
#include "PortComboBox.h"
#include "ReportActions.h"
#include "ReviewChanges.h"
#include "SaveWindow.h"
#include "StatusNote.h"
#include "StatusReporter.h"
#include "StatusTable.h"
#include "TrafficDescription.h"
#include "TrafficLog.h"
#include "Translations.h"
#include "Unit4.h"
#include "Unit5.h"
#include "WindowPlacement.h"
#include "WriteChecks.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <array>
#include <chrono>
#include <cstdio>
#include <thread>
#include <utility>

namespace morvent {

namespace {

// A reply is never longer than 74 bytes; a chunk is cut to this before anything looks at it.
constexpr std::size_t kReplyBufferSize = 291;

constexpr const char* kConnectionLost =
    QT_TRANSLATE_NOOP("morvent::TForm1", "Connection lost: press Connect to start again");
constexpr const char* kParameterFiles =
    QT_TRANSLATE_NOOP("morvent::TForm1", "Parameter files (*.el);;All files (*)");
const QString kPlotGeometry = QStringLiteral("plotWindow/geometry");

void blockingWait(std::chrono::milliseconds pause) {
    std::this_thread::sleep_for(pause);
}

} // namespace

TForm1::TForm1(MessageBoxes& boxes, Options options)
    : m_boxes(boxes), m_options(std::move(options)), m_fields(*this),
      m_loadFields(std::make_unique<NoticingFields>(m_fields)) {
    setObjectName(QStringLiteral("Form1"));
    m_ui.setupUi(this);

    Comm1 = new TComm(this);
    Comm1->setObjectName(QStringLiteral("Comm1"));
    useControllerLine(*Comm1);
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
        connectionLost();
    };

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kProbeListen);
    // Precise timers: a coarse one may fire 5 % late, which every probing step and every
    // continuous reading would add up.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);
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
    // Where Read Flash keeps its backups, and a save what it replaces.
    m_backups = std::make_unique<BackupKeeper>(
        m_options.backupsDirectory.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                  QStringLiteral("/backups")
            : m_options.backupsDirectory);
    // Their behaviour: saving and loading the pages' values; each window owns its dialog.
    auto* saveDialog = new SaveDialog(*m_form4, m_fields, m_boxes, m_backups->replacedFiles());
    saveDialog->replacedKept = [this](const std::string& path, const std::string& copy) {
        const QString kept = QFile::decodeName(copy.c_str());
        m_backupNote->say(tr("What %1 held is kept in %2")
                              .arg(QFileInfo(QFile::decodeName(path.c_str())).fileName(),
                                   QDir(m_backups->directory()).relativeFilePath(kept)),
                          kept);
    };
    m_loadDialog = new LoadDialog(*m_form5, *m_loadFields, m_boxes);
    // Fields a loaded file did not give are 0 now: marked, so nobody writes them unawares.
    m_loadDialog->loaded = [this](const std::string& path,
                                  const std::vector<ParameterFileProblem>& problems) {
        m_comparison->markNotInFile(QFileInfo(QFile::decodeName(path.c_str())).fileName(),
                                    problems);
    };

    // Under the program's own name, as its folder in the user's settings.
    m_settings = m_options.settingsFile.isEmpty()
                     ? std::make_unique<QSettings>(QCoreApplication::applicationName(),
                                                   QCoreApplication::applicationName())
                     : std::make_unique<QSettings>(m_options.settingsFile, QSettings::IniFormat);
    m_status = new StatusReporter(statusBar());

    // The log floats beside the window when shown, so the pages keep their room.
    m_trafficLog = new TrafficLog(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_trafficLog);
    m_trafficLog->setFloating(true);
    m_trafficLog->resize(760, 320);
    m_trafficLog->hide();
    auto* view = new QMenu(tr("&View"), this);
    view->setObjectName(QStringLiteral("View1"));
    m_trafficLog->toggleViewAction()->setText(tr("&Traffic Log"));
    view->addAction(m_trafficLog->toggleViewAction());
    m_ui.MainMenu1->insertMenu(m_ui.Help1, view);
    setupLanguage(*view);

    setupKeeping();
    connectHandlers();
    fitToScreen(screen()->availableGeometry());
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

void TForm1::setupLanguage(QMenu& view) {
    QMenu* languages = view.addMenu(tr("&Language"));
    languages->setObjectName(QStringLiteral("Language1"));
    languages->setToolTipsVisible(true);
    const QString key = QString::fromLatin1(kLanguageSetting.data(), kLanguageSetting.size());
    const QString chosen = m_settings->value(key).toString();
    auto* group = new QActionGroup(languages);
    for (const LanguageOffer& offer : languageOffers()) {
        QAction* action = languages->addAction(offer.name);
        action->setObjectName(QStringLiteral("Language_") + offer.code);
        action->setCheckable(true);
        action->setChecked(offer.code == chosen);
        // Every caption is made with the window, so a new language shows from the next start.
        action->setToolTip(tr("Takes effect at the next start"));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, key, offer] {
            m_settings->setValue(key, offer.code);
            statusBar()->showMessage(
                tr("%1 from the next start").arg(QString(offer.name).remove(QLatin1Char('&'))),
                10000);
        });
    }
    // Qt opens the menu bar with Alt alone on some desktops only; F10 does it everywhere.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}

void TForm1::setupKeeping() {
    m_liveReadings = std::make_unique<LiveReadingsMonitor>(m_boxes, m_options.chooseRecordingFile);
    m_backupNote = new StatusNote(QStringLiteral("BackupNote"), statusBar());
    auto* comparisonNote = new StatusNote(QStringLiteral("ComparisonNote"), statusBar());
    m_comparison =
        new ComparisonMarks(*this, *m_ui.TabbedNotebook1, *comparisonNote, *m_ui.ClearComparison1);
    m_undo = new PageUndo(m_model, m_fields, m_ui.UndoButtons, this);
    m_changes = new ChangeMarks(*this, *statusBar(), m_model, *m_comparison);
    m_review = new ReviewChanges(*this, *m_ui.TabbedNotebook1, m_model, m_fields, *m_changes,
                                 [this] { guarded([&] { BitBtn3Click(); }); });
    connect(m_ui.ReviewChanges1, &QAction::triggered, this, [this] {
        m_review->show();
        m_review->raise();
        m_review->activateWindow();
    });
    // After the Load window's own handler: values put into the pages mean the load went through.
    connect(m_form5->BitBtn1, &QPushButton::clicked, this, [this] { afterLoad(); });
    connect(m_ui.LoadBackup1, &QAction::triggered, this, [this] { LoadBackup1Click(); });
    connect(m_ui.PlotButton, &QPushButton::clicked, this, [this] { showPlot(); });
    // Where the user leaves the plot is where it opens next time, in this run or the next.
    m_liveReadings->window().installEventFilter(this);
    connect(m_ui.CompareWithFile1, &QAction::triggered, this,
            [this] { guarded([&] { CompareWithFile1Click(); }); });
    connect(m_ui.CompareWithController1, &QAction::triggered, this,
            [this] { guarded([&] { CompareWithController1Click(); }); });
    // Offered as the File menu opens, which is the only way to it: connected, and nothing else
    // running that it would cut into.
    connect(m_ui.File1, &QMenu::aboutToShow, this,
            [this] { m_ui.CompareWithController1->setEnabled(controllerComparisonAllowed()); });
    connect(m_ui.ClearComparison1, &QAction::triggered, this, [this] { m_comparison->clear(); });
    connect(m_ui.OpenBackupsFolder1, &QAction::triggered, this,
            [this] { OpenBackupsFolder1Click(); });
    m_report = new ReportActions(
        *this, m_fields, m_model, m_boxes, *m_backupNote,
        {m_options.askReportNote, m_options.chooseReportFile, m_options.choosePrinter});
    connect(m_ui.ExportReport1, &QAction::triggered, m_report, &ReportActions::ExportReport1Click);
    connect(m_ui.Print1, &QAction::triggered, m_report, &ReportActions::Print1Click);
}

TForm1::~TForm1() {
    // A plot still shown is kept where it is too, and its hiding as it goes is no more watched.
    LiveReadingsWindow& plot = m_liveReadings->window();
    plot.removeEventFilter(this);
    if (plot.isVisible()) {
        m_settings->setValue(kPlotGeometry, plot.saveGeometry());
    }
}

void TForm1::afterLoad() {
    if (m_loadFields->takeWritten()) {
        m_undo->rememberAll();
        m_model.loaded();
    }
}

void TForm1::loadFile(const QString& path) {
    guarded([&] { m_loadDialog->transferFile(QFile::encodeName(path).toStdString()); });
    afterLoad();
}

void TForm1::setIdentityCurrent(bool current) {
    for (QLabel* label :
         {m_ui.Label6, m_ui.Label7, m_ui.Label8, m_ui.Label9, m_ui.Label10, m_ui.Label11}) {
        label->setEnabled(current);
    }
}

void TForm1::showPlot() {
    LiveReadingsWindow& plot = m_liveReadings->window();
    if (!std::exchange(m_plotPlaced, true)) {
        const QByteArray saved = m_settings->value(kPlotGeometry).toByteArray();
        if (saved.isEmpty() || !plot.restoreGeometry(saved)) {
            // Beside this window, its frame taken to be as this one's; never over the button
            // that stops Continuous Get, which is what one presses while watching the plot.
            const QRect frame = frameGeometry();
            const QMargins margins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                                   frame.right() - geometry().right(),
                                   frame.bottom() - geometry().bottom());
            const QRect button(m_ui.BitBtn13->mapToGlobal(QPoint(0, 0)), m_ui.BitBtn13->size());
            const QRect place = placeBeside(frame, button, plot.size().grownBy(margins),
                                            screen()->availableGeometry());
            plot.move(place.topLeft());
            plot.resize(place.size().shrunkBy(margins));
        }
    }
    m_liveReadings->showWindow();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        keepFrameWithin(screen()->availableGeometry());
    }
    if (watched == &m_liveReadings->window() && event->type() == QEvent::Hide) {
        m_settings->setValue(kPlotGeometry, m_liveReadings->window().saveGeometry());
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
    QString text = withFullStop(shownText(error.what()));
    // A port that would not open: the cause and the fix in plain words after the message.
    if (const auto* comms = dynamic_cast<const ECommsError*>(&error)) {
        const QString help =
            openFailureHelp(TComm::devicePath(Comm1->CommName()), comms->systemError());
        if (!help.isEmpty()) {
            text += QStringLiteral("\n\n") + help;
        }
        if (!Comm1->isOpen()) {
            // A port that will not open again after a reply (the adapter went away while the
            // port was being reopened) is a lost connection, not a choice of the user's.
            m_status->clearAwaiting();
            if (ConnectFlag == 1) {
                m_status->setConnectionState(tr(kConnectionLost), true);
            } else {
                m_status->setConnectionState(tr("Disconnected"));
            }
            setIdentityCurrent(false);
        }
    }
    m_boxes.generalError(text);
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
    connect(m_ui.Save1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(m_ui.Load1, &QAction::triggered, this, [this] { Load1Click(); });
    connect(m_ui.Quit1, &QAction::triggered, this, &QWidget::close);
    connect(m_ui.Label3, &ClickableLabel::clicked, this, [this] { Label3Click(); });
    connect(m_ui.ComboBox1, &PortComboBox::aboutToShowPopup, this, [this] { refreshPorts(); });
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
    return {m_ui.BitBtn11, m_ui.BitBtn9,  m_ui.BitBtn8, m_ui.BitBtn7, m_ui.BitBtn6,
            m_ui.BitBtn5,  m_ui.BitBtn4,  m_ui.BitBtn3, m_ui.BitBtn2, m_ui.BitBtn12,
            m_ui.BitBtn13, m_ui.BitBtn14, m_ui.BitBtn15};
}

QList<QPushButton*> TForm1::pollingLockedButtons() const {
    return {m_ui.BitBtn11, m_ui.BitBtn9, m_ui.BitBtn8, m_ui.BitBtn7, m_ui.BitBtn6,
            m_ui.BitBtn5,  m_ui.BitBtn4, m_ui.BitBtn3, m_ui.BitBtn2, m_ui.BitBtn14,
            m_ui.BitBtn15, m_ui.BitBtn1, m_ui.BitBtn12};
}

void TForm1::setControllerButtonsEnabled(bool enabled) {
    for (QPushButton* button : controllerButtons()) {
        button->setEnabled(enabled);
    }
}

bool TForm1::mayLoseChanges(const QString& what, const QString& proceed) {
    const int changes = m_changes->count();
    if (changes == 0) {
        return true;
    }
    return m_boxes.proceed(
        tr("%1 to the controller: %2").arg(ChangeMarks::countText(changes), what), proceed);
}

void TForm1::endBySignal() {
    if (m_changes->count() > 0) {
        const BackupKeeper::Outcome outcome = m_backups->keep(m_fields);
        const QString said = outcome.kept
                                 ? QStringLiteral("unwritten changes kept in %1").arg(outcome.path)
                                 : QStringLiteral("unwritten changes lost: %1").arg(outcome.error);
        std::fprintf(stderr, "morvent: %s\n", said.toLocal8Bit().constData());
    }
    m_endingBySignal = true;
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!m_endingBySignal &&
        !mayLoseChanges(tr("closing the window loses what was typed. Quit anyway?"), tr("Quit"))) {
        event->ignore();
        return;
    }
    // Polling stops before the port closes under it, and the port is let go at once, so the next
    // program finds it free.
    stopContinuousGet();
    Timer1->stop();
    Comm1->CloseComm();
    Comm1->discardNotifications();
    for (QWidget* window :
         std::initializer_list<QWidget*>{m_form3.get(), m_form4.get(), m_form5.get(),
                                         &m_liveReadings->window(), m_trafficLog}) {
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
    setControllerButtonsEnabled(false);
    m_ui.BitBtn1->setEnabled(true);
    Timer1->stop();
    Timer2->stop();
    ConnectFlag = 0;
}

void TForm1::Searchcomm() {
    m_ports.clear();
    if (!m_options.simulatedDevice.isEmpty()) {
        m_ports.push_back(simulatedPort(m_options.simulatedDevice));
    }
    if (m_options.ports) {
        for (PortEntry& port : m_options.ports()) {
            m_ports.push_back(std::move(port));
        }
    }
    m_ui.ComboBox1->clear();
    for (const PortEntry& port : m_ports) {
        m_ui.ComboBox1->addItem(port.name);
        m_ui.ComboBox1->setItemData(m_ui.ComboBox1->count() - 1, port.description, Qt::ToolTipRole);
    }
}

void TForm1::refreshPorts() {
    const QString chosen = m_ui.ComboBox1->currentText();
    Searchcomm();
    const int index = m_ui.ComboBox1->findText(chosen);
    m_ui.ComboBox1->setCurrentIndex(index);
    if (index < 0) {
        m_ui.ComboBox1->setEditText(chosen);
    }
}

QString TForm1::deviceFor(const QString& portName) const {
    for (const PortEntry& port : m_ports) {
        if (port.name == portName) {
            return port.device;
        }
    }
    // A name typed by hand: a bare name is a device in /dev, a path is opened as typed.
    return portName;
}

void TForm1::BitBtn1Click() {
    if (!mayLoseChanges(tr("connecting forgets what the controller holds, and the "
                           "pages show no changes until read again. Connect anyway?"),
                        tr("Connect"))) {
        return;
    }
    // Whatever is on the bench now may be another controller.
    m_model.forget();
    // Whenever it is open, whatever the flag says: a port left open must never make every later
    // "Connect" fail as opened already.
    if (Comm1->isOpen()) {
        Comm1->CloseComm();
    }
    // What the ended session still had on its way is not for the new one.
    Comm1->discardNotifications();
    // The last controller's until this one names itself.
    setIdentityCurrent(false);
    m_status->clearActivity();
    Comm1->setCommName(deviceFor(m_ui.ComboBox1->currentText()).toStdString());
    m_ui.ComboBox2->setCurrentIndex(0);
    Comm1->setBaudRate(kProbeRates[0]);
    Comm1->OpenCommAlone();
    ConnectFlag = 1;
    m_probeRounds = 0;
    Timer1->stop();
    m_ui.BitBtn11->setEnabled(true);
    SendConnectCommand();
}

void TForm1::BitBtn11Click() {
    if (!mayLoseChanges(tr("after Close, what was typed can no longer be written. Close anyway?"),
                        tr("Close"))) {
        return;
    }
    Timer1->stop();
    Comm1->CloseComm();
    // A reply already read is not handled after "Close": it would reopen the port.
    Comm1->discardNotifications();
    ConnectFlag = 0;
    setControllerButtonsEnabled(false);
    m_status->clearAwaiting();
    m_status->clearActivity();
    m_status->setConnectionState(tr("Disconnected"));
    setIdentityCurrent(false);
}

void TForm1::Timer1Timer() {
    const int next = (m_ui.ComboBox2->currentIndex() + 1) % static_cast<int>(kProbeRates.size());
    if (next == 0) {
        ++m_probeRounds;
    }
    m_ui.ComboBox2->setCurrentIndex(next);
    // Stopped first: a rate the adapter refuses is shown once, not at every tick behind the box.
    Timer1->stop();
    Comm1->setBaudRate(kProbeRates[static_cast<std::size_t>(next)]);
    SendConnectCommand();
}

void TForm1::TabbedNotebook1Click() {
    // The chain's awaited reply will be dropped when it comes; the chain ends here, and says so.
    if (PendingRequest == FlashReadChain || PendingRequest == FlashWriteChain ||
        PendingRequest == ControllerComparison) {
        m_status->setActivity(m_status->awaitedWhat() +
                                  QStringLiteral(": ended by a tab click, its reply not taken"),
                              true);
    }
    PendingRequest = NothingAwaited;
    m_status->clearAwaiting();
}

void TForm1::readBlock(Block block) {
    PendingRequest = SingleRead;
    SendReadCommand(morvent::code(morvent::layout(block).command));
}

void TForm1::showRefusedField(const Refusal& refusal) {
    information(refusal.message);
    m_ui.TabbedNotebook1->setCurrentIndex(refusal.page);
    if (auto* control = findChild<QWidget*>(QString::fromStdString(refusal.control))) {
        control->setFocus();
    }
}

bool TForm1::writeAllowed(Block block, const std::optional<Refusal>& pageCheck) {
    if (pageCheck) {
        information(pageCheck->message);
        return false;
    }
    // A value wider than its byte would reach the controller as a different number than the
    // one typed; it is refused here like a value out of range, and the field is shown.
    if (const auto tooWide = checkFieldWidths(block, m_fields)) {
        showRefusedField(*tooWide);
        return false;
    }
    return true;
}

void TForm1::BitBtn5Click() {
    readBlock(Block::Basic);
}
void TForm1::BitBtn6Click() {
    readBlock(Block::PedalAssist);
}
void TForm1::BitBtn8Click() {
    readBlock(Block::ThrottleHandle);
}
void TForm1::BitBtn14Click() {
    readBlock(Block::Torque);
}

void TForm1::BitBtn4Click() {
    if (writeAllowed(Block::Basic, checkBasicWrite(m_fields, MaxCurrent))) {
        PendingRequest = SingleWrite;
        SendBasicWrite();
    }
}

void TForm1::BitBtn7Click() {
    if (writeAllowed(Block::PedalAssist, checkPedalAssistWrite(m_fields))) {
        PendingRequest = SingleWrite;
        SendPedalAssistWrite();
    }
}

void TForm1::BitBtn9Click() {
    const bool allowed = writeAllowed(Block::ThrottleHandle, checkThrottleHandleWrite(m_fields));
    // This page awaits an acknowledgement even when its checks refused the write and nothing
    // went out; only a field that is not a number (raised above) leaves the state alone.
    PendingRequest = SingleWrite;
    if (allowed) {
        SendThrottleWrite();
    }
}

void TForm1::BitBtn15Click() {
    if (writeAllowed(Block::Torque, checkTorqueWrite(m_fields))) {
        PendingRequest = SingleWrite;
        SendTorqueWrite();
    }
}

void TForm1::BitBtn12Click() {
    PendingRequest = SingleRead;
    SendReadCommand(morvent::code(Command::LiveReadings));
    Timer2->stop();
}

void TForm1::BitBtn13Click() {
    if (!Timer2->isActive()) {
        // The first request goes out with the first tick, 500 ms from now.
        Timer2->start();
        for (QPushButton* button : pollingLockedButtons()) {
            button->setEnabled(false);
        }
        m_status->setActivity(tr("Continuous Get running: press Continuous Get again to stop"));
        return;
    }
    stopContinuousGet();
}

void TForm1::stopContinuousGet() {
    if (!Timer2->isActive()) {
        return;
    }
    Timer2->stop();
    m_status->clearActivity();
    m_ui.BitBtn13->setText(tr("Continuous Get"));
    for (QPushButton* button : pollingLockedButtons()) {
        button->setEnabled(true);
    }
}

void TForm1::connectionLost() {
    // Nothing answers any more. The device is let go too, so that an adapter plugged in again
    // gets its old name back rather than a new one.
    Timer1->stop();
    stopContinuousGet();
    Comm1->CloseComm();
    Comm1->discardNotifications();
    m_status->clearAwaiting();
    m_status->setConnectionState(tr(kConnectionLost), true);
    setIdentityCurrent(false);
}

void TForm1::Timer2Timer() {
    // One request a tick, whether or not the last one was answered.
    PendingRequest = SingleRead;
    SendReadCommand(morvent::code(Command::LiveReadings));
    // A send that failed, or a hang-up while its box was open, has ended polling and put the
    // caption back; blinking on would blank it.
    if (!Timer2->isActive()) {
        return;
    }
    ContinuousBlink = ContinuousBlink == 0 ? 1 : 0;
    m_ui.BitBtn13->setText(ContinuousBlink == 1 ? tr("Continuous Get") : QString());
}

void TForm1::BitBtn2Click() {
    PendingRequest = FlashReadChain;
    SendReadCommand(morvent::code(Command::Basic));
}

void TForm1::BitBtn3Click() {
    // Write Flash names a field out of range without leaving the page the user is on.
    if (const auto refusal = checkWriteFlash(m_fields, MaxCurrent)) {
        information(refusal->message);
        return;
    }
    // Every block is checked for width before the first frame, so the chain never stops half
    // written because a later block could not be sent as typed.
    if (const auto tooWide = checkFieldWidthsForFlash(m_fields)) {
        showRefusedField(*tooWide);
        return;
    }
    PendingRequest = FlashWriteChain;
    SendBasicWrite();
}

void TForm1::Help1Click() {
    m_form3->show();
    m_form3->raise();
    m_form3->activateWindow();
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
    m_form4->show();
    m_form4->raise();
}

void TForm1::Load1Click() {
    if (!mayLoseChanges(tr("a load puts the file's values over what was typed. Load anyway?"),
                        tr("Load"))) {
        return;
    }
    m_form5->show();
    m_form5->raise();
}

QString TForm1::backupFolder() const {
    const QString folder = m_backups->controllerFolder();
    if (QFileInfo(folder).isDir()) {
        return folder;
    }
    return QFileInfo(m_backups->directory()).isDir() ? m_backups->directory() : QDir::homePath();
}

void TForm1::CompareWithFile1Click() {
    // Most comparisons are with an earlier backup of the controller on the bench.
    const QString folder = backupFolder();
    const QString path = m_options.chooseComparisonFile
                             ? m_options.chooseComparisonFile(folder)
                             : QFileDialog::getOpenFileName(this, tr("Compare With File"), folder,
                                                            tr(kParameterFiles));
    if (!path.isEmpty()) {
        m_comparison->compareWith(path, m_fields);
    }
}

void TForm1::LoadBackup1Click() {
    if (!mayLoseChanges(tr("a load puts the backup's values over what was typed. Load anyway?"),
                        tr("Load"))) {
        return;
    }
    const QString folder = backupFolder();
    const QString path =
        m_options.chooseBackupFile
            ? m_options.chooseBackupFile(folder)
            : QFileDialog::getOpenFileName(this, tr("Load Backup"), folder, tr(kParameterFiles));
    if (!path.isEmpty()) {
        loadFile(path);
    }
}

bool TForm1::controllerComparisonAllowed() const {
    // Connected, not polling (both as Read Flash), and no chain of any kind running.
    return m_ui.BitBtn2->isEnabled() && PendingRequest != FlashReadChain &&
           PendingRequest != FlashWriteChain && PendingRequest != ControllerComparison;
}

void TForm1::CompareWithController1Click() {
    if (!controllerComparisonAllowed()) {
        return;
    }
    m_controllerCopy = std::make_unique<FieldStore>();
    fillParameterCombos(*m_controllerCopy);
    PendingRequest = ControllerComparison;
    SendReadCommand(morvent::code(Command::Basic));
}

void TForm1::OpenBackupsFolder1Click() {
    // Opened even before the first backup, so the user sees where they will go.
    QDir().mkpath(m_backups->directory());
    const QUrl folder = QUrl::fromLocalFile(m_backups->directory());
    if (m_options.openUrl) {
        m_options.openUrl(folder);
    } else {
        QDesktopServices::openUrl(folder);
    }
}

void TForm1::keepBackup() {
    const BackupKeeper::Outcome outcome = m_backups->keep(m_fields);
    if (outcome.kept) {
        m_backupNote->say(tr("Backup kept: %1").arg(QFileInfo(outcome.path).fileName()),
                          outcome.path);
    } else {
        m_backupNote->warn(tr("No backup kept"), outcome.error);
    }
}

bool TForm1::send(const Bytes& frame) {
    const QString meaning = shownText(describeRequest(frame));
    if (Comm1->SendData(frame.data(), static_cast<std::uint16_t>(frame.size()))) {
        m_trafficLog->addSent(frame, meaning);
        return true;
    }
    m_trafficLog->addSent(frame, tr("%1: not sent, the port is closed").arg(meaning));
    // Continuous Get would fail again with every tick, one box over the other and over the very
    // button that stops it: it ends here, before the one box.
    if (Timer2->isActive()) {
        connectionLost();
    }
    m_boxes.plain(tr("Error sending!"));
    return false;
}

void TForm1::awaitReply(std::uint8_t code) {
    const bool liveReadings = code == morvent::code(Command::LiveReadings);
    // Continuous Get says once that it runs; a wait shown at every tick would only flicker, so
    // only readings that stop coming get a word, timed from the first unanswered request.
    if (liveReadings && Timer2->isActive()) {
        if (m_status->awaitedWhat().isEmpty()) {
            m_status->awaiting(tr("Continuous Get: the live readings"), true);
        }
        return;
    }
    m_status->clearActivity();
    QString what;
    // A chain's step: its name and place, the live readings ending Read Flash.
    QString step = tr("Live Readings");
    int place = static_cast<int>(kAllBlocks.size()) + 1;
    if (code == morvent::code(Command::FirmwareText)) {
        what = tr("the firmware text");
    } else if (liveReadings) {
        what = tr("the live readings");
    } else if (const auto block = blockForCode(code)) {
        const std::string_view title = morvent::layout(*block).title;
        step = shownText(title);
        what = tr("the %1 block").arg(step);
        place = static_cast<int>(*block) + 1;
    }
    const auto chainStep = [&](const char* chain, std::size_t steps) {
        return tr("%1: %2, %3 of %4").arg(tr(chain), step).arg(place).arg(steps);
    };
    switch (PendingRequest) {
    case FlashReadChain:
        m_status->awaiting(chainStep(QT_TR_NOOP("Read Flash"), kAllBlocks.size() + 1));
        break;
    case FlashWriteChain:
        m_status->awaiting(chainStep(QT_TR_NOOP("Write Flash"), kAllBlocks.size()));
        break;
    case ControllerComparison:
        m_status->awaiting(chainStep(QT_TR_NOOP("Compare With Controller"), kAllBlocks.size()));
        break;
    case SingleWrite:
        m_status->awaiting(tr("Waiting for %1 to be stored").arg(what));
        break;
    default:
        m_status->awaiting(tr("Waiting for %1").arg(what));
        break;
    }
}

void TForm1::logReceived(std::span<const std::uint8_t> chunk) {
    // Described before the dispatcher acts on it, with what was awaited when it came.
    m_trafficLog->addReceived(chunk, shownText(describeReply(chunk, PendingRequest)));
    m_status->clearAwaiting();
}

void TForm1::SendReadCommand(std::uint8_t code) {
    if (code == morvent::code(Command::FirmwareText)) {
        m_firmwareTextAwaited = true;
    }
    blockingWait(kRequestPause);
    if (send(Bytes{kRequestLead, code})) {
        awaitReply(code);
    }
}

void TForm1::SendConnectCommand() {
    m_status->clearAwaiting();
    QString state = tr("Probing at %1 baud").arg(Comm1->BaudRate());
    if (m_probeRounds > 0) {
        // Probing goes on, but after a whole round the likely causes are worth a look.
        state = tr("%1: no controller answered at any rate. Check its power and key switch, the "
                   "TX/RX wiring and the port")
                    .arg(state);
    }
    m_status->setConnectionState(state);
    blockingWait(kConnectPause);
    if (!send(connectRequest())) {
        return;
    }
    blockingWait(kConnectPause);
    Comm1->setBaudRate(kLineRate);
    Timer1->start();
}

void TForm1::sendWrite(Block block) {
    settleCombos(block, m_fields);
    // The pages stay open to typing while Write Flash runs, so each block is checked again as its
    // frame is built; a value refused here ends the chain before anything of it is sent.
    if (PendingRequest == FlashWriteChain) {
        if (const auto refusal = checkWriteFlashBlock(block, m_fields, MaxCurrent)) {
            PendingRequest = NothingAwaited;
            information(refusal->message);
            return;
        }
        if (const auto tooWide = checkFieldWidths(block, m_fields)) {
            PendingRequest = NothingAwaited;
            showRefusedField(*tooWide);
            return;
        }
    }
    // Built before the pause: a field that is not a number stops the write before anything waits.
    const Bytes frame = buildWriteFrame(block, m_fields);
    m_sent[static_cast<std::size_t>(block)] = m_model.values(block);
    blockingWait(kRequestPause);
    if (send(frame)) {
        awaitReply(morvent::code(morvent::layout(block).command));
    }
}

void TForm1::SendBasicWrite() {
    sendWrite(Block::Basic);
}
void TForm1::SendPedalAssistWrite() {
    sendWrite(Block::PedalAssist);
}
void TForm1::SendThrottleWrite() {
    sendWrite(Block::ThrottleHandle);
}
void TForm1::SendTorqueWrite() {
    sendWrite(Block::Torque);
}

void TForm1::reopenPort() {
    Comm1->CloseComm();
    Comm1->OpenComm();
}

void TForm1::information(std::string_view text) {
    m_boxes.information(shownText(text));
}

void TForm1::Comm1ReceiveData(TComm*, const std::uint8_t* Buffer, std::uint16_t BufferLength) {
    // A private copy per event, zero beyond what arrived; a longer chunk is cut, and one event is
    // one reply: nothing is carried over to the next.
    std::array<std::uint8_t, kReplyBufferSize> reply{};
    const std::size_t received = std::min<std::size_t>(BufferLength, reply.size());
    std::copy_n(Buffer, received, reply.begin());
    // Only what arrived is looked at: a reply shorter than its code's is refused, never read on
    // into the zeros after it.
    const std::span<const std::uint8_t> bytes(reply.data(), received);

    const std::uint8_t code = reply[0];
    if (code == morvent::code(Command::Identity)) {
        handleIdentity(bytes);
    } else if (code == morvent::code(Command::FirmwareText)) {
        handleFirmwareText(bytes);
    } else if (const auto block = blockForCode(code)) {
        handleBlockReply(*block, bytes);
    } else if (code == morvent::code(Command::LiveReadings)) {
        handleLiveReadings(bytes);
    }
}

void TForm1::handleIdentity(std::span<const std::uint8_t> reply) {
    // Probing ends with any identity reply, valid or not.
    Timer1->stop();
    if (readReplyFlaw(Command::Identity, reply) != ReplyFlaw::None) {
        m_status->setConnectionState(tr("Probing stopped: identity checksum error"));
        information(kIdentityChecksumMessage);
        return;
    }
    MaxCurrent = applyIdentity(reply, m_fields);
    const std::string manufacturer = latin1ToUtf8(reply.subspan(2, 4));
    const std::string model = latin1ToUtf8(reply.subspan(6, 4));
    m_backups->setController(manufacturer, model);
    m_status->setConnectionState(
        tr("Connected: %1 %2")
            .arg(QString::fromStdString(manufacturer), QString::fromStdString(model)));
    setIdentityCurrent(true);
    m_model.connected();
    m_settings->setValue(QStringLiteral("lastPort"), m_ui.ComboBox1->currentText());
    m_ui.ComboBox2->setCurrentIndex(1);
    setControllerButtonsEnabled(true);
    PendingRequest = NothingAwaited;
    reopenPort();
    SendReadCommand(morvent::code(Command::FirmwareText));
}

void TForm1::handleFirmwareText(std::span<const std::uint8_t> reply) {
    const bool awaited = std::exchange(m_firmwareTextAwaited, false);
    const ReplyFlaw flaw = readReplyFlaw(Command::FirmwareText, reply);
    if (flaw != ReplyFlaw::None) {
        information(kFirmwareTextChecksumMessage);
    }
    // The text is shown even when its checksum fails, as it is only for reading; but only the
    // answer to the request, whole: a chunk that merely starts with 0x50 (the tail of a reply
    // cut in two) is no firmware text.
    if (awaited && flaw != ReplyFlaw::Cut) {
        applyFirmwareText(reply, m_fields);
    }
}

void TForm1::handleBlockReply(Block block, std::span<const std::uint8_t> reply) {
    // A read reply and a write acknowledgement start with the same code; what is awaited tells
    // them apart, and a read never leaves a write awaited, so at most one of these runs.
    if (PendingRequest == SingleRead || PendingRequest == FlashReadChain ||
        PendingRequest == ControllerComparison) {
        handleBlockReadReply(block, reply);
    }
    if (PendingRequest == SingleWrite || PendingRequest == FlashWriteChain) {
        handleWriteAcknowledgement(block, reply);
    }
}

void TForm1::handleBlockReadReply(Block block, std::span<const std::uint8_t> reply) {
    if (readReplyFlaw(morvent::layout(block).command, reply) != ReplyFlaw::None) {
        information(morvent::layout(block).readChecksumMessage);
        return;
    }
    // Compare With Controller is a read chain of its own through this same path, so it has the
    // waits, the port handling and the checksum messages of Read Flash; only its replies go into
    // the copy kept aside instead of the pages, and it ends with the last block, the live
    // readings being no parameter.
    const bool comparing = PendingRequest == ControllerComparison;
    if (comparing) {
        // What the controller holds is known now: the pages' differences are their changes.
        applyReadReply(block, reply, *m_controllerCopy);
        m_model.learnFrom(block, *m_controllerCopy);
    } else {
        applyReadReply(block, reply, m_fields);
        m_model.learn(block);
        m_undo->remember(block);
        m_comparison->clearPage(block);
    }
    reopenPort();
    if (PendingRequest == FlashReadChain || (comparing && block != kAllBlocks.back())) {
        SendReadCommand(
            static_cast<std::uint8_t>(morvent::code(morvent::layout(block).command) + 1));
    } else {
        PendingRequest = NothingAwaited;
        if (comparing) {
            const int changes = m_changes->count();
            m_status->setActivity(
                changes == 0
                    ? tr("No field differs from the controller")
                    : tr("Compare With Controller: %1").arg(ChangeMarks::countText(changes)));
        }
    }
}

void TForm1::handleWriteAcknowledgement(Block block, std::span<const std::uint8_t> reply) {
    const BlockLayout& blockLayout = morvent::layout(block);
    if (acknowledgementFlaw(blockLayout.command, reply) != ReplyFlaw::None) {
        information(blockLayout.writeChecksumMessage);
        return;
    }
    const std::uint8_t status = reply[1];
    const StatusOutcome outcome = interpretStatus(block, status);
    if (outcome.kind == StatusKind::FieldRefused) {
        showRefusedField(outcome.refusal);
    }
    const bool accepted = outcome.kind == StatusKind::Accepted;
    if (accepted) {
        m_model.learn(block, m_sent[static_cast<std::size_t>(block)]);
    }
    const bool chain = PendingRequest == FlashWriteChain;

    switch (block) {
    case Block::Basic:
        if (accepted && chain) {
            reopenPort();
            SendPedalAssistWrite();
        } else if (accepted) {
            information(blockLayout.successMessage);
        }
        if (PendingRequest == SingleWrite) {
            PendingRequest = NothingAwaited;
            reopenPort();
        }
        break;
    case Block::PedalAssist:
        if (accepted && chain) {
            reopenPort();
            SendThrottleWrite();
        }
        if (PendingRequest == SingleWrite) {
            PendingRequest = NothingAwaited;
            reopenPort();
            if (accepted) {
                information(blockLayout.successMessage);
            }
        }
        break;
    case Block::ThrottleHandle:
        if (accepted && chain) {
            reopenPort();
            SendTorqueWrite();
        } else if (accepted) {
            reopenPort();
            information(blockLayout.successMessage);
            PendingRequest = NothingAwaited;
        }
        break;
    case Block::Torque:
        if (accepted) {
            reopenPort();
            information(chain ? kWriteFlashSucceeded : blockLayout.successMessage);
            PendingRequest = NothingAwaited;
        }
        break;
    }
}

void TForm1::handleLiveReadings(std::span<const std::uint8_t> reply) {
    if (PendingRequest != SingleRead && PendingRequest != FlashReadChain) {
        return;
    }
    if (readReplyFlaw(Command::LiveReadings, reply) != ReplyFlaw::None) {
        information(kLiveReadingsChecksumMessage);
        return;
    }
    applyLiveReadings(reply, m_fields);
    m_liveReadings->add(liveReadingsShown(m_fields));
    // Only the end of Read Flash reopens the port; continuous readings every 500 ms leave it be.
    if (PendingRequest == FlashReadChain) {
        reopenPort();
        // Kept before the box, which may stay open a while; a failure only goes to the status bar.
        keepBackup();
        information(kReadFlashSucceeded);
    }
    PendingRequest = NothingAwaited;
}

} // namespace morvent
