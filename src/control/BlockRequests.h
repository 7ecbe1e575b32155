// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "AwaitedRequest.h"
#include "BlockLayout.h"
#include "ParameterModel.h"
#include "Refusal.h"

#include <QCoreApplication>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class QTabWidget;
class QWidget;

namespace morvent {

class Fields;
class FieldStore;
class MessageBoxes;
class StatusReporter;
class WindowLine;

// What the window asks of the controller's four blocks: a block read or written alone, Read
// Flash and Write Flash (the blocks in turn, then the live readings for the read), and Compare
// With Controller (the blocks read into a copy kept aside). It sets what is awaited and sends the
// first frame; the dispatcher sends each next one as a reply is taken. Every write is checked
// against the pages' rules and the bytes on the wire first.
class BlockRequests {
    Q_DECLARE_TR_FUNCTIONS(morvent::BlockRequests)

public:
    // `window` holds the fields a refusal shows, `readFlash` is enabled only when connected and
    // not polling.
    BlockRequests(PendingRequestKind& pending, const int& maxCurrent, WindowLine& line,
                  Fields& fields, ParameterModel& model, MessageBoxes& boxes,
                  StatusReporter& status, QTabWidget& pages, QWidget& window,
                  const QWidget& readFlash);
    ~BlockRequests();

    // A read request, after the quiet the controller needs.
    void sendRead(std::uint8_t code);
    // A write frame with the block's full length, built from the pages first.
    void sendWrite(Block block);

    void read(Block block);
    // A page's own checks, then the widths on the wire; a refused value is shown.
    void write(Block block);
    void readFlash();
    void writeFlash();
    // Connected, not polling (both as Read Flash), and no chain of any kind running.
    bool comparisonAllowed() const;
    void compareWithController();
    // A tab click drops the awaited reply, ending any chain: the state says so.
    void endByTabClick();

    // True once for the firmware text that was asked for.
    bool takeFirmwareTextAwaited();
    // The code of the last read request sent; 0 before any.
    std::uint8_t lastReadCode() const { return m_lastReadCode; }
    // What the block's last write frame carried: the controller holds it once it accepts.
    const ParameterModel::Values& sent(Block block) const;
    // What Compare With Controller reads, kept aside from the pages.
    FieldStore& controllerCopy() { return *m_controllerCopy; }

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

    PendingRequestKind& m_pending;
    const int& m_maxCurrent;
    WindowLine& m_line;
    Fields& m_fields;
    ParameterModel& m_model;
    MessageBoxes& m_boxes;
    StatusReporter& m_status;
    QTabWidget& m_pages;
    QWidget& m_window;
    const QWidget& m_readFlash;
    std::array<ParameterModel::Values, 4> m_sent;
    std::unique_ptr<FieldStore> m_controllerCopy;
    // Set when the firmware text is asked for, so only its answer can change the caption.
    bool m_firmwareTextAwaited = false;
    std::uint8_t m_lastReadCode = 0;
};

} // namespace morvent
