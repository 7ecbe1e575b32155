// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BlockRequests.h"

#include "BlockCodec.h"
#include "ControllerExchange.h"
#include "FieldStore.h"
#include "Frames.h"
#include "MessageBoxes.h"
#include "NumberConversion.h"
#include "ParameterTable.h"
#include "StatusReporter.h"
#include "Translations.h"
#include "WindowLine.h"
#include "WriteChecks.h"

#include <QStringList>
#include <QTabWidget>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

namespace morvent {

BlockRequests::BlockRequests(PendingRequestKind& pending, const int& maxCurrent, WindowLine& line,
                             Fields& fields, ParameterModel& model, MessageBoxes& boxes,
                             StatusReporter& status, QTabWidget& pages, QWidget& window,
                             const QWidget& readFlash)
    : m_pending(pending), m_maxCurrent(maxCurrent), m_line(line), m_fields(fields), m_model(model),
      m_boxes(boxes), m_status(status), m_pages(pages), m_window(window), m_readFlash(readFlash) {}

BlockRequests::~BlockRequests() = default;

void BlockRequests::sendRead(std::uint8_t code) {
    if (code == morvent::code(Command::FirmwareText)) {
        m_firmwareTextAwaited = true;
    }
    m_lastReadCode = code;
    request(m_line, Bytes{kRequestLead, code}, m_pending);
}

void BlockRequests::sendWrite(Block block) {
    settleCombos(block, m_fields);
    // The pages stay open to typing while Write Flash runs, so each block is checked again as its
    // frame is built; a value refused here ends the chain before anything of it is sent.
    if (m_pending == FlashWriteChain) {
        if (const auto refusal = checkWriteFlashBlock(block, m_fields, m_maxCurrent)) {
            m_pending = NothingAwaited;
            information(*refusal);
            sayRefused(refusal->control);
            return;
        }
        if (const auto tooWide = checkFieldWidths(block, m_fields)) {
            m_pending = NothingAwaited;
            showRefusedField(*tooWide);
            return;
        }
    }
    // Built before the pause: a field that is not a number stops the write before anything waits.
    const Bytes frame = buildWriteFrame(block, m_fields);
    m_sent[static_cast<std::size_t>(block)] = m_model.values(block);
    request(m_line, frame, m_pending);
}

void BlockRequests::read(Block block) {
    m_pending = SingleRead;
    sendRead(morvent::code(morvent::layout(block).command));
}

void BlockRequests::write(Block block) {
    try {
        checkAndWrite(block);
    } catch (const ConversionError&) {
        showUnconverted({&block, 1});
        throw;
    }
}

void BlockRequests::checkAndWrite(Block block) {
    std::optional<Refusal> pageCheck;
    switch (block) {
    case Block::Basic:
        pageCheck = checkBasicWrite(m_fields, m_maxCurrent);
        break;
    case Block::PedalAssist:
        pageCheck = checkPedalAssistWrite(m_fields);
        break;
    case Block::ThrottleHandle:
        pageCheck = checkThrottleHandleWrite(m_fields);
        break;
    case Block::Torque:
        pageCheck = checkTorqueWrite(m_fields);
        break;
    }
    const bool allowed = writeAllowed(block, pageCheck);
    // Staying leaves everything as it was, what is awaited included.
    if (allowed && !mayWriteUnread({&block, 1}, false)) {
        return;
    }
    // The Throttle Handle page awaits an acknowledgement even when its checks refused the write
    // and nothing went out; only a field that is not a number (raised above) leaves the state
    // alone.
    if (block == Block::ThrottleHandle) {
        m_pending = SingleWrite;
    }
    if (allowed) {
        m_pending = SingleWrite;
        sendWrite(block);
    }
}

void BlockRequests::readFlash() {
    m_pending = FlashReadChain;
    sendRead(morvent::code(Command::Basic));
}

void BlockRequests::writeFlash() {
    try {
        checkAndWriteFlash();
    } catch (const ConversionError&) {
        showUnconverted(kAllBlocks);
        throw;
    }
}

void BlockRequests::checkAndWriteFlash() {
    // Write Flash names a field out of range without leaving the page the user is on.
    if (const auto refusal = checkWriteFlash(m_fields, m_maxCurrent)) {
        information(*refusal);
        sayRefused(refusal->control);
        return;
    }
    // Every block is checked for width before the first frame, so the chain never stops half
    // written because a later block could not be sent as typed.
    if (const auto tooWide = checkFieldWidthsForFlash(m_fields)) {
        showRefusedField(*tooWide);
        return;
    }
    if (!mayWriteUnread(kAllBlocks, true)) {
        return;
    }
    m_pending = FlashWriteChain;
    sendWrite(Block::Basic);
}

bool BlockRequests::comparisonAllowed() const {
    return m_readFlash.isEnabled() && !isChain(m_pending);
}

void BlockRequests::compareWithController() {
    if (!comparisonAllowed()) {
        return;
    }
    m_controllerCopy = std::make_unique<FieldStore>();
    fillParameterCombos(*m_controllerCopy);
    m_pending = ControllerComparison;
    sendRead(morvent::code(Command::Basic));
}

void BlockRequests::endByTabClick() {
    // The chain's awaited reply will be dropped when it comes; the chain ends here, and says so.
    if (isChain(m_pending)) {
        m_status.setActivity(m_status.awaitedWhat() +
                                 QStringLiteral(": ended by a tab click, its reply not taken"),
                             true);
    }
    m_pending = NothingAwaited;
    m_status.clearAwaiting();
}

bool BlockRequests::takeFirmwareTextAwaited() {
    return std::exchange(m_firmwareTextAwaited, false);
}

const ParameterModel::Values& BlockRequests::sent(Block block) const {
    return m_sent[static_cast<std::size_t>(block)];
}

void BlockRequests::information(std::string_view text) {
    m_boxes.information(shownText(text));
}

void BlockRequests::information(const Refusal& refusal) {
    m_boxes.information(refusal.wording.empty() ? shownText(refusal.message)
                                                : shownText(refusal.wording));
}

void BlockRequests::showRefusedField(const Refusal& refusal) {
    information(refusal);
    sayRefused(refusal.control);
    m_pages.setCurrentIndex(refusal.page);
    if (auto* control = m_window.findChild<QWidget*>(QString::fromStdString(refusal.control))) {
        control->setFocus();
    }
}

namespace {

// "Basic", "Basic and Torque", "Basic, Pedal Assist and Torque": the page titles as a list.
QString pageList(const std::vector<Block>& blocks) {
    QStringList titles;
    for (const Block block : blocks) {
        titles << shownText(layout(block).title);
    }
    return shownList(titles);
}

} // namespace

bool BlockRequests::mayWriteUnread(std::span<const Block> blocks, bool flash) {
    std::vector<Block> unread;
    std::vector<Block> unknown;
    for (const Block block : blocks) {
        if (m_model.isUnread(block)) {
            unread.push_back(block);
        }
        if (!m_model.isKnown(block)) {
            unknown.push_back(block);
        }
    }
    if (unread.empty()) {
        return true;
    }
    // What a write replaces is kept only where it was read: Read Flash keeps a backup, and a
    // page read alone is what the pages' Undo and the change marks know it held.
    const QString unseen =
        flash ? tr("The controller's own values of %1 were not read, so nothing keeps them once "
                   "they are written over. Write Flash anyway?")
              : tr("The controller's own values of %1 were not read, so nothing keeps them once "
                   "they are written over. Write anyway?");
    return m_boxes.proceed(
        tr("Not read from this controller or loaded from a file since connecting: %1, which may "
           "show what another controller or file left there.")
                .arg(pageList(unread)) +
            ' ' + unseen.arg(pageList(unknown)),
        flash ? tr("Write Flash") : tr("Write"));
}

void BlockRequests::sayRefused(const std::string& control) {
    const Parameter* p = parameter(control);
    if (!p) {
        return;
    }
    QString label = p->column.empty() ? QString() : shownText(p->columnWording) + ' ';
    label = (label + shownText(p->labelWording)).trimmed();
    if (label.endsWith(':')) {
        label.chop(1);
    }
    // One whole sentence per page: the page's name bends with the sentence in other languages.
    static constexpr std::array<const char*, 4> kNotWritten{
        QT_TRANSLATE_NOOP("morvent::BlockRequests", "Not written: %1 on the Basic page"),
        QT_TRANSLATE_NOOP("morvent::BlockRequests", "Not written: %1 on the Pedal Assist page"),
        QT_TRANSLATE_NOOP("morvent::BlockRequests", "Not written: %1 on the Throttle Handle page"),
        QT_TRANSLATE_NOOP("morvent::BlockRequests", "Not written: %1 on the Torque page"),
    };
    m_status.setActivity(tr(kNotWritten.at(static_cast<std::size_t>(p->block))).arg(label), true);
}

void BlockRequests::showUnconverted(std::span<const Block> blocks) {
    // The error names the text only; the first field whose text no write can convert is the one.
    for (const Block block : blocks) {
        for (const Parameter* p : pageParameters(block)) {
            const std::string text = m_fields.text(p->control);
            const bool converted = p->widget == Widget::Choice ||
                                   (p->encoding == Encoding::WheelSize && text == k700C) ||
                                   parseInteger(text).has_value();
            if (!converted) {
                m_pages.setCurrentIndex(layout(block).page);
                if (auto* field =
                        m_window.findChild<QWidget*>(QString::fromStdString(p->control))) {
                    field->setFocus();
                }
                sayRefused(p->control);
                return;
            }
        }
    }
}

bool BlockRequests::writeAllowed(Block block, const std::optional<Refusal>& pageCheck) {
    if (pageCheck) {
        information(*pageCheck);
        sayRefused(pageCheck->control);
        return false;
    }
    // A value wider than its byte would reach the controller as a different number than the
    // one typed; it is refused here like a value out of range, and the field is shown.
    if (const auto tooWide = checkFieldWidths(block, m_fields)) {
        showRefusedField(*tooWide);
        return false;
    }
    return true;
}

} // namespace morvent
