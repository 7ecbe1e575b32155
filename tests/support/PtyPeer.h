// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <termios.h>

#include <cstdint>
#include <string>
#include <vector>

namespace morvent::test {

// The far end of a pseudo-terminal: the side a controller would be. The component under test
// opens path(); the peer writes and reads through the master. It keeps a slave descriptor of its
// own (never read) so the line survives the component closing and reopening it, and so tests
// can look at the line settings the component applied.
class PtyPeer {
public:
    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& path() const { return m_path; }
    void write(const std::vector<std::uint8_t>& bytes);
    // Bytes written by the peer that nobody on the device side has read yet.
    int unread() const;
    // Reads what arrives until `count` bytes are in or `timeoutMs` passes.
    std::vector<std::uint8_t> read(std::size_t count, int timeoutMs = 2000);
    // Reads whatever is there now, without waiting.
    std::vector<std::uint8_t> drain();
    // Fills the line towards the peer until the kernel takes no more, as a peer that stopped
    // reading would; returns how many bytes that took.
    std::size_t fillLine();
    // Closes the master: the component's side sees the device go away.
    void hangUp();
    termios lineSettings() const;
    // As another program may leave the line before the component opens it.
    void setLineSettings(const termios& settings);

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
};

} // namespace morvent::test
