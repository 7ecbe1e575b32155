// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"
#include "RequestCycle.h"

#include <QObject>

#include <cstdint>
#include <span>

namespace morvent {

class BlockRequests;
class ChangeMarks;
class Fields;
class LiveReadingsMonitor;
class ParameterModel;
class StatusReporter;
class WindowLine;

// Every reply passes through here: one receive event is one reply, checked for what it is and
// what is wrong with it, and handed to the request cycle; what the cycle says follows is carried
// out here (the pages, the copy, the port's reopen) or by the block requests (frames and boxes).
class ReplyDispatcher : public QObject, private RequestCycle::Hands {
    Q_OBJECT

public:
    ReplyDispatcher(RequestCycle& cycle, BlockRequests& requests, WindowLine& line, Fields& fields,
                    ParameterModel& model, StatusReporter& status, ChangeMarks& changes,
                    LiveReadingsMonitor& liveReadings);

    void dispatch(const std::uint8_t* buffer, std::uint16_t length);

signals:
    // An identity arrived: probing ends, whatever it holds.
    void identityArrived();
    // A good identity from this maker and model.
    void identified(const std::string& manufacturer, const std::string& model);
    // A block read into the pages: the one to undo to, compared afresh.
    void blockReadIntoPages(morvent::Block block);
    // Read Flash's end: a backup is kept before its box.
    void keepBackup();

private:
    bool send(const Bytes& frame, const Awaited& awaiting) override;
    std::optional<ChainRefusal> prepareWrite(Block block, bool chain) override;
    WriteFrame writeFrame(Block block) override;
    void carryOut(const Step& step) override;

    RequestCycle& m_cycle;
    BlockRequests& m_requests;
    WindowLine& m_line;
    Fields& m_fields;
    ParameterModel& m_model;
    StatusReporter& m_status;
    ChangeMarks& m_changes;
    LiveReadingsMonitor& m_liveReadings;
    // The reply the steps being carried out are about.
    std::span<const std::uint8_t> m_reply;
};

} // namespace morvent
