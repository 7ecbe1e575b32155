// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TComm.h"

#include "CommPort.h"
#include "NotificationQueue.h"
#include "SerialSystem.h"
#include "SignalUndo.h"

#include <QtGlobal>

namespace morvent {

ECommsError commsError(CommsFailure failure, int systemError) {
    // The component's own texts, translated where they are shown.
    const char* message = "";
    switch (failure) {
    case CommsFailure::AlreadyOpen:
        message = QT_TRANSLATE_NOOP("Protocol", "This serial port already opened");
        break;
    case CommsFailure::Opening:
        message = QT_TRANSLATE_NOOP("Protocol", "Error opening serial port");
        break;
    case CommsFailure::NotACommHandle:
        message = QT_TRANSLATE_NOOP("Protocol", "File handle is not a comm handle ");
        break;
    case CommsFailure::Setup:
        message = QT_TRANSLATE_NOOP("Protocol", "Cannot setup comm buffer");
        break;
    case CommsFailure::Event:
        message = QT_TRANSLATE_NOOP("Protocol", "Unable to create event");
        break;
    case CommsFailure::ReadThread:
        message = QT_TRANSLATE_NOOP("Protocol", "Unable to create read thread");
        break;
    case CommsFailure::WriteThread:
        message = QT_TRANSLATE_NOOP("Protocol", "Unable to create write thread");
        break;
    }
    return ECommsError(message, systemError);
}

TComm::TComm(QObject* owner) : TComm(owner, SerialSystem::real()) {}

TComm::TComm(QObject* owner, const SerialSystem& system)
    : QObject(owner), m_system(std::make_unique<const SerialSystem>(system)),
      m_notifications(new NotificationQueue(
          [this](const Notification& notification) { deliver(notification); }, this)) {}

TComm::~TComm() {
    // Workers hold pointers into this object; none may outlive it.
    CloseComm();
}

std::string TComm::devicePath(const std::string& commName) {
    return commDevicePath(commName);
}

std::uint32_t TComm::ComHandle() const {
    return m_port ? m_port->handle() : 0;
}

void TComm::OpenComm() {
    if (isOpen()) {
        throw commsError(CommsFailure::AlreadyOpen);
    }
    m_port = openCommPort(devicePath(m_commName), PortSetup{m_line, m_timeouts, m_replyComplete,
                                                            *m_notifications, *m_system});
}

void TComm::OpenCommAlone() {
    OpenComm();
    // Held now, so nobody else can open it any more; whoever has it open already would take the
    // controller's replies.
    if (const int inUse = m_port->usedElsewhere(); inUse != 0) {
        CloseComm();
        throw commsError(CommsFailure::Opening, inUse);
    }
}

void TComm::CloseComm() {
    m_port.reset();
}

void TComm::startReply(ReplyComplete complete) {
    m_replyComplete = std::move(complete);
    if (m_port) {
        m_port->startReply(m_replyComplete);
    }
    // After the reader has let go of what it held: a chunk it posted before is among these.
    m_notifications->discardReceived();
}

void TComm::discardNotifications() {
    m_notifications->discard();
}

std::uint64_t TComm::droppedBytes() const {
    return m_notifications->droppedBytes();
}

bool TComm::SendData(const std::uint8_t* buffer, std::uint16_t size) {
    if (!m_port || size == 0) {
        return false;
    }
    return m_port->send(std::vector<std::uint8_t>(buffer, buffer + size));
}

void TComm::applyChangedLine(const std::function<void()>& restore) {
    const UndoGuard changing;
    if (!isOpen()) {
        return;
    }
    if (const int error = ApplyLineSettings(); error != 0) {
        restore();
        ApplyLineSettings();
        throw commsError(CommsFailure::Setup, error);
    }
}

int TComm::ApplyLineSettings() {
    return m_port->applyLineSettings(m_line);
}

void TComm::ApplyTimeouts() {
    m_port->applyTimeouts(m_timeouts);
}

void TComm::deliver(const Notification& notification) {
    // Handlers run from copies: a handler may replace itself (or another) while it runs.
    switch (notification.kind) {
    case CommNotification::ReceiveData:
        if (const auto handler = OnReceiveData) {
            handler(this, notification.bytes.get(),
                    static_cast<std::uint16_t>(notification.parameter & 0xFFFF));
        }
        break;
    case CommNotification::ReceiveError:
        if (const auto handler = OnReceiveError) {
            handler(this, notification.parameter);
        }
        break;
    case CommNotification::RequestHangup:
        if (const auto handler = OnRequestHangup) {
            handler(this);
        }
        break;
    case CommNotification::ModemStateChange:
        if (const auto handler = OnModemStateChange) {
            handler(this, notification.parameter);
        }
        break;
    case CommNotification::SendDataEmpty:
        if (const auto handler = OnSendDataEmpty) {
            handler(this);
        }
        break;
    }
}

} // namespace morvent
