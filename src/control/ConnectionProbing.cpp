// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ConnectionProbing.h"

#include "BackupKeeper.h"
#include "ControllerExchange.h"
#include "Form1Ui.h"
#include "LineTiming.h"
#include "ParameterModel.h"
#include "PortComboBox.h"
#include "StatusReporter.h"
#include "TComm.h"
#include "WindowLine.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

namespace morvent {

ConnectionProbing::ConnectionProbing(TComm& comm, QTimer& probeTimer, WindowLine& line, Form1Ui& ui,
                                     StatusReporter& status, ParameterModel& model,
                                     BackupKeeper& backups, QSettings& settings)
    : m_comm(comm), m_probeTimer(probeTimer), m_line(line), m_ui(ui), m_status(status),
      m_model(model), m_backups(backups), m_settings(settings) {
    // The user may pick the next rate to probe by hand.
    QObject::connect(m_ui.ComboBox2, &QComboBox::currentIndexChanged, this,
                     [this](int index) { m_probeIndex = static_cast<std::size_t>(index); });
}

void ConnectionProbing::showDisconnected() {
    setControllerButtonsEnabled(false);
    m_connectFlag = 0;
}

QList<QPushButton*> ConnectionProbing::controllerButtons() const {
    return {m_ui.BitBtn11, m_ui.BitBtn9,  m_ui.BitBtn8, m_ui.BitBtn7, m_ui.BitBtn6,
            m_ui.BitBtn5,  m_ui.BitBtn4,  m_ui.BitBtn3, m_ui.BitBtn2, m_ui.BitBtn12,
            m_ui.BitBtn13, m_ui.BitBtn14, m_ui.BitBtn15};
}

void ConnectionProbing::setControllerButtonsEnabled(bool enabled) {
    m_connected = enabled;
    for (QPushButton* button : controllerButtons()) {
        button->setEnabled(enabled);
    }
}

void ConnectionProbing::setIdentityCurrent(bool current) {
    for (QLabel* label :
         {m_ui.Label6, m_ui.Label7, m_ui.Label8, m_ui.Label9, m_ui.Label10, m_ui.Label11}) {
        label->setEnabled(current);
    }
}

void ConnectionProbing::searchPorts(const QString& simulatedDevice, const PortSource& ports) {
    m_ports.clear();
    if (!simulatedDevice.isEmpty()) {
        m_ports.push_back(simulatedPort(simulatedDevice));
    }
    if (ports) {
        for (PortEntry& port : ports()) {
            m_ports.push_back(std::move(port));
        }
    }
    m_ui.ComboBox1->clear();
    for (const PortEntry& port : m_ports) {
        m_ui.ComboBox1->addItem(port.name);
        m_ui.ComboBox1->setItemData(m_ui.ComboBox1->count() - 1, port.description, Qt::ToolTipRole);
    }
    // A newcomer without an adapter learns why the list is empty and how to try the window all
    // the same.
    if (!m_ui.ComboBox1->property("help").isValid()) {
        m_ui.ComboBox1->setProperty("help", m_ui.ComboBox1->toolTip());
    }
    const QString help = m_ui.ComboBox1->property("help").toString();
    m_ui.ComboBox1->lineEdit()->setPlaceholderText(m_ports.empty() ? tr("No adapter found")
                                                                   : QString());
    m_ui.ComboBox1->setToolTip(
        m_ports.empty()
            ? help + QLatin1Char('\n') +
                  tr("No adapter found. To try the window without a bike, start it with "
                     "--simulate (the menu entry \"Try with the simulated controller\"): the "
                     "simulated controller is then first in this list.") +
                  QLatin1Char('\n') +
                  tr("F1 opens Getting Started: seven steps from connecting to the report.")
            : help);
}

void ConnectionProbing::refreshPorts(const QString& simulatedDevice, const PortSource& ports) {
    const QString chosen = m_ui.ComboBox1->currentText();
    searchPorts(simulatedDevice, ports);
    const int index = m_ui.ComboBox1->findText(chosen);
    m_ui.ComboBox1->setCurrentIndex(index);
    if (index < 0) {
        m_ui.ComboBox1->setEditText(chosen);
    }
}

QString ConnectionProbing::deviceFor(const QString& portName) const {
    for (const PortEntry& port : m_ports) {
        if (port.name == portName) {
            return port.device;
        }
    }
    // A name typed by hand: a bare name is a device in /dev, a path is opened as typed.
    return portName;
}

void ConnectionProbing::connect() {
    // Whatever is on the bench now may be another controller.
    m_model.forget();
    // Whenever it is open, whatever the flag says: a port left open must never make every later
    // "Connect" fail as opened already.
    if (m_comm.isOpen()) {
        m_comm.CloseComm();
    }
    // What the ended session still had on its way is not for the new one.
    m_comm.discardNotifications();
    // The last controller's until this one names itself.
    setIdentityCurrent(false);
    m_status.clearActivity();
    m_comm.setCommName(deviceFor(m_ui.ComboBox1->currentText()).toStdString());
    m_probeIndex = 0;
    m_ui.ComboBox2->setCurrentIndex(0);
    m_comm.setBaudRate(kProbeRates[0]);
    m_comm.OpenCommAlone();
    m_connectFlag = 1;
    m_probeRounds = 0;
    m_probeTimer.stop();
    m_ui.BitBtn11->setEnabled(true);
    sendConnectRequest();
}

void ConnectionProbing::close() {
    m_probeTimer.stop();
    m_comm.CloseComm();
    // A reply already read is not handled after "Close": it would reopen the port.
    m_comm.discardNotifications();
    m_connectFlag = 0;
    setControllerButtonsEnabled(false);
    m_status.clearAwaiting();
    m_status.clearActivity();
    m_status.setConnectionState(tr("Disconnected"));
    setIdentityCurrent(false);
}

void ConnectionProbing::probeNextRate() {
    const std::size_t next = nextProbeIndex(m_probeIndex);
    if (next == 0) {
        ++m_probeRounds;
    }
    m_probeIndex = next;
    m_ui.ComboBox2->setCurrentIndex(static_cast<int>(next));
    // Stopped first: a rate the adapter refuses is shown once, not at every tick behind the box.
    m_probeTimer.stop();
    m_line.setRate(kProbeRates[next]);
    sendConnectRequest();
}

void ConnectionProbing::sendConnectRequest() {
    m_status.clearAwaiting();
    // Probing goes on, but after a whole round the likely causes are worth a look.
    m_status.setConnectionState(
        (m_probeRounds > 0 ? tr("Probing at %1 baud: no controller answered at any rate. Check "
                                "its power and key switch, the TX/RX wiring and the port")
                           : tr("Probing at %1 baud"))
            .arg(m_comm.BaudRate()));
    probe(m_line);
}

void ConnectionProbing::stopProbing() {
    m_probeTimer.stop();
}

void ConnectionProbing::identified(const std::string& manufacturer, const std::string& model) {
    m_backups.setController(manufacturer, model);
    m_status.setConnectionState(
        tr("Connected: %1 %2")
            .arg(QString::fromStdString(manufacturer), QString::fromStdString(model)));
    setIdentityCurrent(true);
    m_model.connected();
    m_settings.setValue(QStringLiteral("lastPort"), m_ui.ComboBox1->currentText());
    // The list shows the line's rate from now on.
    m_probeIndex = 1;
    m_ui.ComboBox2->setCurrentIndex(1);
    setControllerButtonsEnabled(true);
}

void ConnectionProbing::lost() {
    // Nothing answers any more. The device is let go too, so that an adapter plugged in again
    // gets its old name back rather than a new one.
    m_probeTimer.stop();
    emit connectionLost();
    m_comm.CloseComm();
    m_comm.discardNotifications();
    m_status.clearAwaiting();
    m_status.setConnectionState(tr(kConnectionLost), true);
    setIdentityCurrent(false);
}

void ConnectionProbing::portClosedByError() {
    // A port that will not open again after a reply (the adapter went away while the port was
    // being reopened) is a lost connection, not a choice of the user's.
    m_status.clearAwaiting();
    if (m_connectFlag == 1) {
        m_status.setConnectionState(tr(kConnectionLost), true);
    } else {
        m_status.setConnectionState(tr("Disconnected"));
    }
    setIdentityCurrent(false);
}

} // namespace morvent
