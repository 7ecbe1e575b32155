#include "CommEvent.h"

#include <QCoreApplication>

namespace morvent {

QEvent::Type CommEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void postCommEvent(QObject* component, CommNotification notification, std::uint32_t parameter,
                   std::unique_ptr<std::uint8_t[]> bytes) {
    QCoreApplication::postEvent(component,
                                new CommEvent(notification, parameter, std::move(bytes)));
}

} // namespace morvent
