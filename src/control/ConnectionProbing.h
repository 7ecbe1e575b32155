// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "PortList.h"

#include <QList>
#include <QObject>

#include <cstddef>
#include <string>
#include <vector>

class QPushButton;
class QSettings;
class QTimer;

namespace morvent {

class BackupKeeper;
class Form1Ui;
class ParameterModel;
class StatusReporter;
class TComm;
class WindowLine;

// Connecting and finding the controller's rate: the Port list, "Connect" and its probing (the
// connect request at each rate in turn, one a tick of the probe timer, round after round until
// an identity comes), "Close", and a connection that is lost. The state is kept here: whether a
// "Connect" holds the port, whether a controller named itself, and the rate being probed; the
// Bandrate list and the buttons only show it.
class ConnectionProbing : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kConnectionLost =
        QT_TRANSLATE_NOOP("morvent::TForm1", "Connection lost: press Connect to start again");

    ConnectionProbing(TComm& comm, QTimer& probeTimer, WindowLine& line, Form1Ui& ui,
                      StatusReporter& status, ParameterModel& model, BackupKeeper& backups,
                      QSettings& settings);

    // 1 from a successful "Connect" until "Close": connected or probing.
    int connectFlag() const { return m_connectFlag; }
    // A controller named itself since the window showed or "Close": its buttons are offered.
    bool connected() const { return m_connected; }
    // The window as it first shows: nothing connected, nothing offered.
    void showDisconnected();

    // The buttons that need a connected controller, in the order they are switched.
    QList<QPushButton*> controllerButtons() const;
    void setControllerButtonsEnabled(bool enabled);

    // The Port list afresh: the simulated controller first when there is one, then `ports`.
    void searchPorts(const QString& simulatedDevice, const PortSource& ports);
    // As searchPorts, keeping what the user picked or typed.
    void refreshPorts(const QString& simulatedDevice, const PortSource& ports);
    // Opens the chosen port at the first rate and sends the first connect request.
    void connect();
    void close();
    // The probe timer's tick: no identity came, the next rate is tried.
    void probeNextRate();
    // The connect request at the line's rate, the state saying which.
    void sendConnectRequest();
    // An identity arrived: probing ends, whatever the identity holds.
    void stopProbing();
    // A good identity from this maker and model: connected.
    void identified(const std::string& manufacturer, const std::string& model);
    // The line hung up or can no longer be written: probing and polling end, the port is let go.
    void lost();
    // The port would not open again: connected or not, the state says what is left.
    void portClosedByError();

signals:
    // The line is gone: whatever polls it ends.
    void connectionLost();

private:
    QString deviceFor(const QString& portName) const;
    // The identity shown is this controller's, or greyed as the last one's.
    void setIdentityCurrent(bool current);

    TComm& m_comm;
    QTimer& m_probeTimer;
    WindowLine& m_line;
    Form1Ui& m_ui;
    StatusReporter& m_status;
    ParameterModel& m_model;
    BackupKeeper& m_backups;
    QSettings& m_settings;
    int m_connectFlag = 0;
    bool m_connected = false;
    // The place in kProbeRates being probed, which the Bandrate list shows.
    std::size_t m_probeIndex = 0;
    std::vector<PortEntry> m_ports;
    // Full rounds through the five rates since "Connect" without an answer.
    int m_probeRounds = 0;
};

} // namespace morvent
