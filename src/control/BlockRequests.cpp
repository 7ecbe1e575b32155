// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BlockRequests.h"

#include "BlockCodec.h"
#include "ControllerExchange.h"
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

BlockRequests::BlockRequests(RequestCycle& cycle, WindowLine& line, Fields& fields,
                             ParameterModel& model, MessageBoxes& boxes, StatusReporter& status,
                             QTabWidget& pages, QWidget& window)
    : m_cycle(cycle), m_line(line), m_fields(fields), m_model(model), m_boxes(boxes),
      m_status(status), m_pages(pages), m_window(window) {}

BlockRequests::~BlockRequests() = default;

void BlockRequests::run(const Steps& steps) {
    m_cycle.run(steps, *this);
}

void BlockRequests::sendRead(std::uint8_t code) {
    run({{.kind = Step::Kind::SendRead, .code = code}});
}

void BlockRequests::sendWrite(Block block) {
    run({{.kind = Step::Kind::SendWrite, .block = block}});
}

bool BlockRequests::send(const Bytes& frame, const Awaited& awaiting) {
    return request(m_line, frame, awaiting.kind);
}

std::optional<ChainRefusal> BlockRequests::prepareWrite(Block block, bool chain) {
    settleCombos(block, m_fields);
    if (!chain) {
        return std::nullopt;
    }
    if (auto refusal = checkWriteFlashBlock(block, m_fields, m_cycle.maxCurrent())) {
        return ChainRefusal{std::move(*refusal), false};
    }
    if (auto tooWide = checkFieldWidths(block, m_fields)) {
        return ChainRefusal{std::move(*tooWide), true};
    }
    return std::nullopt;
}

WriteFrame BlockRequests::writeFrame(Block block) {
    // The frame first: a field that is not a number stops the write with nothing recorded.
    Bytes frame = buildWriteFrame(block, m_fields);
    return {std::move(frame), m_model.values(block)};
}

void BlockRequests::carryOut(const Step& step) {
    if (step.kind == Step::Kind::Message) {
        information(step.text);
    } else if (step.kind == Step::Kind::Refuse && step.showField) {
        showRefusedField(step.refusal);
    } else if (step.kind == Step::Kind::Refuse) {
        information(step.refusal);
        sayRefused(step.refusal.control);
    }
}

void BlockRequests::read(Block block) {
    run(m_cycle.startRead(block));
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
        pageCheck = checkBasicWrite(m_fields, m_cycle.maxCurrent());
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
    // Only a field that is not a number (raised above) leaves the state alone.
    run(m_cycle.startWrite(block, allowed));
}

void BlockRequests::readFlash() {
    run(m_cycle.startReadFlash());
}

void BlockRequests::get() {
    run(m_cycle.startGet());
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
    if (const auto refusal = checkWriteFlash(m_fields, m_cycle.maxCurrent())) {
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
    run(m_cycle.startWriteFlash());
}

void BlockRequests::compareWithController() {
    run(m_cycle.startComparison());
}

void BlockRequests::endByTabClick() {
    // The chain's awaited reply will be dropped when it comes; the chain ends here, and says so.
    if (m_cycle.chainRunning()) {
        m_status.setActivity(m_status.awaitedWhat() +
                                 QStringLiteral(": ended by a tab click, its reply not taken"),
                             true);
    }
    m_cycle.cancel();
    m_status.clearAwaiting();
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
