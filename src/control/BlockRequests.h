// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"
#include "ParameterModel.h"
#include "Refusal.h"
#include "RequestCycle.h"

#include <QCoreApplication>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class QTabWidget;
class QWidget;

namespace morvent {

class Fields;
class MessageBoxes;
class StatusReporter;
class WindowLine;

// What the window asks of the controller's four blocks: a block read or written alone, Read
// Flash and Write Flash (the blocks in turn, then the live readings for the read), and Compare
// With Controller (the blocks read into a copy kept aside). The request cycle says what each
// action and reply leads to; these are the hands that send its frames and show its boxes. Every
// write is checked against the pages' rules and the bytes on the wire first.
class BlockRequests : public RequestCycle::Hands {
    Q_DECLARE_TR_FUNCTIONS(morvent::BlockRequests)

public:
    // `window` holds the fields a refusal shows.
    BlockRequests(RequestCycle& cycle, WindowLine& line, Fields& fields, ParameterModel& model,
                  MessageBoxes& boxes, StatusReporter& status, QTabWidget& pages, QWidget& window);
    ~BlockRequests() override;

    // Carries out what the cycle says next.
    void run(const Steps& steps);

    // A read request, after the quiet the controller needs.
    void sendRead(std::uint8_t code);
    // A write frame with the block's full length, built from the pages first.
    void sendWrite(Block block);

    void read(Block block);
    // A page's own checks, then the widths on the wire; a refused value is shown.
    void write(Block block);
    void readFlash();
    void writeFlash();
    void compareWithController();
    // "Get": the live readings once.
    void get();
    // A tab click drops the awaited reply, ending any chain: the state says so.
    void endByTabClick();

    // The hands: the frames, the boxes and the refusals.
    bool send(const Bytes& frame, const Awaited& awaiting) override;
    std::optional<ChainRefusal> prepareWrite(Block block, bool chain) override;
    WriteFrame writeFrame(Block block) override;
    void carryOut(const Step& step) override;

    void information(std::string_view text);
    void information(const Refusal& refusal);
    // The refusal's message, then its page and field.
    void showRefusedField(const Refusal& refusal);

private:
    void checkAndWrite(Block block);
    void checkAndWriteFlash();
    // The status bar names the field a refusal is about and its page; the boxes' texts do not.
    void sayRefused(const std::string& control);
    // A text that is not a number stops a write with an error that names only the text: its
    // field is shown and named.
    void showUnconverted(std::span<const Block> blocks);
    // Returns false, after telling the user, when the block may not be written.
    bool writeAllowed(Block block, const std::optional<Refusal>& pageCheck);
    // A page neither read from this controller nor loaded from a file since connecting shows what
    // another controller or file left there, and writing it replaces the controller's own values
    // unseen: true when no such page is among `blocks`, or the user chose to write anyway (with
    // Write Flash when `flash`, else the page's Write).
    bool mayWriteUnread(std::span<const Block> blocks, bool flash);

    RequestCycle& m_cycle;
    WindowLine& m_line;
    Fields& m_fields;
    ParameterModel& m_model;
    MessageBoxes& m_boxes;
    StatusReporter& m_status;
    QTabWidget& m_pages;
    QWidget& m_window;
};

} // namespace morvent
