// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "AwaitedRequest.h"
#include "BlockLayout.h"

#include <QCoreApplication>

#include <cstdint>
#include <functional>
#include <span>

namespace morvent {

class BlockRequests;
class ChangeMarks;
class ConnectionProbing;
class Fields;
class LiveReadingsMonitor;
class ParameterModel;
class StatusReporter;
class WindowLine;

// Every reply passes through here: one receive event is one reply, taken only when it is what
// is awaited and whole, written into the pages (or the comparison's copy), and followed by the
// port's reopen and the chain's next request.
class ReplyDispatcher {
    Q_DECLARE_TR_FUNCTIONS(morvent::ReplyDispatcher)

public:
    // What the window does with a reply besides the pages: a block read into them is the one to
    // undo to and compares afresh; Read Flash's end keeps a backup.
    struct Hooks {
        std::function<void(Block)> blockReadIntoPages;
        std::function<void()> keepBackup;
    };

    ReplyDispatcher(PendingRequestKind& pending, int& maxCurrent, ConnectionProbing& connection,
                    BlockRequests& requests, WindowLine& line, Fields& fields,
                    ParameterModel& model, StatusReporter& status, ChangeMarks& changes,
                    LiveReadingsMonitor& liveReadings, Hooks hooks);

    void dispatch(const std::uint8_t* buffer, std::uint16_t length);

private:
    void handleIdentity(std::span<const std::uint8_t> reply);
    void handleFirmwareText(std::span<const std::uint8_t> reply);
    void handleBlockReply(Block block, std::span<const std::uint8_t> reply);
    void handleBlockReadReply(Block block, std::span<const std::uint8_t> reply);
    void handleWriteAcknowledgement(Block block, std::span<const std::uint8_t> reply);
    void handleLiveReadings(std::span<const std::uint8_t> reply);

    PendingRequestKind& m_pending;
    int& m_maxCurrent;
    ConnectionProbing& m_connection;
    BlockRequests& m_requests;
    WindowLine& m_line;
    Fields& m_fields;
    ParameterModel& m_model;
    StatusReporter& m_status;
    ChangeMarks& m_changes;
    LiveReadingsMonitor& m_liveReadings;
    Hooks m_hooks;
};

} // namespace morvent
