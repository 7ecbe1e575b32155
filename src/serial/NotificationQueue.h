#pragma once

#include "CommTypes.h"
#include "EventFd.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QSocketNotifier;

namespace morvent {

// One thing a worker thread tells the component.
struct Notification {
    CommNotification kind = CommNotification::ReceiveData;
    // The byte count of received data, the flags of a line error or a modem change.
    std::uint32_t parameter = 0;
    // Received bytes (with one spare zero byte after them); released with the notification.
    std::unique_ptr<std::uint8_t[]> bytes;
};

// The channel from the worker threads to the component's thread: workers post from any thread,
// the component's thread delivers in posting order, one notification at a time, also from inside
// a nested event loop (a message box shown by a handler). Workers never touch Qt: they append to
// a locked queue and signal an eventfd that a socket notifier on the component's thread watches.
// What is queued stays queued across closing and reopening the port.
class NotificationQueue : public QObject {
public:
    using Deliver = std::function<void(const Notification&)>;

    NotificationQueue(Deliver deliver, QObject* parent);
    ~NotificationQueue() override;

    // Safe from any thread.
    void post(CommNotification kind, std::uint32_t parameter = 0,
              std::unique_ptr<std::uint8_t[]> bytes = nullptr);
    // Drops everything not delivered yet.
    void discard();

private:
    void deliverPending();

    Deliver m_deliver;
    EventFd m_wakeUp;
    QSocketNotifier* m_notifier = nullptr;
    std::mutex m_mutex;
    std::deque<Notification> m_pending;
};

} // namespace morvent
