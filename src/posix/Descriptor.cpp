#include "Descriptor.h"

#include <unistd.h>

namespace morvent {

void Descriptor::reset(int fd) noexcept {
    const int old = std::exchange(m_fd, fd);
    if (old >= 0) {
        ::close(old);
    }
}

bool Descriptor::close() noexcept {
    const int fd = release();
    return fd >= 0 && ::close(fd) == 0;
}

} // namespace morvent
