#pragma once

#include "CommTypes.h"

#include <QEvent>

#include <cstdint>
#include <memory>

class QObject;

namespace morvent {

// One notification from a worker thread to the component, carried as a posted event so that
// notifications arrive on the component's thread in the order they were posted, one at a time,
// also while a message box runs its own event loop. A data notification owns its bytes; they go
// when the event is destroyed, after the handler has returned.
class CommEvent final : public QEvent {
public:
    static QEvent::Type eventType();

    CommEvent(CommNotification notification, std::uint32_t parameter,
              std::unique_ptr<std::uint8_t[]> bytes = nullptr)
        : QEvent(eventType()), m_notification(notification), m_parameter(parameter),
          m_bytes(std::move(bytes)) {}

    CommNotification notification() const { return m_notification; }
    // The byte count of a data notification, the flags of a line error or a modem change.
    std::uint32_t parameter() const { return m_parameter; }
    const std::uint8_t* bytes() const { return m_bytes.get(); }

private:
    CommNotification m_notification;
    std::uint32_t m_parameter;
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

// Posts a notification to the component; safe from any thread.
void postCommEvent(QObject* component, CommNotification notification, std::uint32_t parameter = 0,
                   std::unique_ptr<std::uint8_t[]> bytes = nullptr);

} // namespace morvent
