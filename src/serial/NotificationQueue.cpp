#include "NotificationQueue.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <system_error>

namespace morvent {

NotificationQueue::NotificationQueue(Deliver deliver, QObject* parent)
    : QObject(parent), m_deliver(std::move(deliver)),
      m_wakeUp(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (m_wakeUp < 0) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
    m_notifier = new QSocketNotifier(m_wakeUp, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { deliverPending(); });
}

NotificationQueue::~NotificationQueue() {
    delete m_notifier;
    ::close(m_wakeUp);
}

void NotificationQueue::post(CommNotification kind, std::uint32_t parameter,
                             std::unique_ptr<std::uint8_t[]> bytes) {
    {
        const std::lock_guard lock(m_mutex);
        m_pending.push_back(Notification{kind, parameter, std::move(bytes)});
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_wakeUp, &one, sizeof one);
}

void NotificationQueue::discard() {
    std::deque<Notification> dropped;
    const std::lock_guard lock(m_mutex);
    dropped.swap(m_pending);
}

void NotificationQueue::deliverPending() {
    for (;;) {
        Notification next;
        {
            const std::lock_guard lock(m_mutex);
            if (m_pending.empty()) {
                // Cleared only once the queue is seen empty, under the lock that posting takes
                // first: a post after this point signals again. Should a handler throw, the
                // signal stays set and the rest is delivered on the next pass.
                std::uint64_t count = 0;
                [[maybe_unused]] const auto read = ::read(m_wakeUp, &count, sizeof count);
                return;
            }
            next = std::move(m_pending.front());
            m_pending.pop_front();
        }
        // One at a time, in order; a handler that runs a nested event loop lets the following
        // notifications through from inside it, as a message box does.
        m_deliver(next);
    }
}

} // namespace morvent
