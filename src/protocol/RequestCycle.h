// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "AwaitedRequest.h"
#include "BlockLayout.h"
#include "ControllerExchange.h"
#include "FieldStore.h"
#include "Frames.h"
#include "ParameterModel.h"
#include "Refusal.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace morvent {

// One thing to do next. The request cycle decides them; the front end carries them out.
struct Step {
    enum class Kind : std::uint8_t {
        Await,            // the cycle's own: `awaiting` is awaited from here on
        SendRead,         // the read request with `code`
        SendWrite,        // `block`'s write frame, built from what the pages show now
        Reopen,           // the port closed and opened again, the reader starting afresh
        Message,          // `text` in an information box
        Refuse,           // `refusal` shown, with its page and field when `showField`
        StopProbing,      // an identity came: no further rate is tried
        IdentityFlawed,   // the identity's checksum failed: probing stopped, said so
        ShowIdentity,     // the identity's captions and the low-battery list
        Identified,       // connected to the controller that named itself
        ShowFirmwareText, // the firmware text replaces the identity's version
        ReadIntoPages,    // `block`'s reply into the pages: the controller holds what they show
        ReadIntoCopy,     // `block`'s reply into the comparison's copy
        ComparisonDone,   // Compare With Controller read its last block
        LearnWritten,     // the controller holds what `block`'s write carried
        ShowReadings,     // the live readings into their fields and the plot
        KeepBackup,       // Read Flash's backup
    };
    Kind kind;
    PendingRequestKind awaiting = NothingAwaited;
    std::uint8_t code = 0;
    Block block = Block::Basic;
    std::string_view text{};
    Refusal refusal{};
    bool showField = false;
};
using Steps = std::vector<Step>;

// A write the pages refuse while Write Flash runs.
struct ChainRefusal {
    Refusal refusal;
    // The field is shown (its page and focus), as for a value too wide for its byte.
    bool showField = false;
};

// A block's write frame and the values it carries.
struct WriteFrame {
    Bytes frame;
    ParameterModel::Values carried;
};

// The one owner of the exchange's state: what is awaited and which request went out for it, the
// controller's maximum current, what each block's last write carried, the comparison's copy and
// whether the firmware text was asked for. Every action and every reply goes through here and
// comes back as the steps that follow, so the chains' order and their stop rules (including each
// block's own way with its acknowledgement) are written once, for every front end.
class RequestCycle {
public:
    // The hands that carry the steps out: the line, the pages, the boxes.
    class Hands {
    public:
        virtual ~Hands() = default;
        // The quiet, `frame` and the reply awaited as `awaiting`; false when it could not go out.
        virtual bool send(const Bytes& frame, const Awaited& awaiting) = 0;
        // The combo boxes settled to what a write sends, then the checks Write Flash makes again
        // as each block's frame is built (the pages stay open to typing while it runs).
        virtual std::optional<ChainRefusal> prepareWrite(Block block, bool chain) = 0;
        // `block`'s frame from what the pages show now; may throw when a field is no number.
        virtual WriteFrame writeFrame(Block block) = 0;
        // Every other step.
        virtual void carryOut(const Step& step) = 0;
    };

    RequestCycle();
    ~RequestCycle();

    PendingRequestKind PendingRequest() const { return m_awaited.kind; }
    const Awaited& awaited() const { return m_awaited; }
    // The controller's maximum current from its identity, 0 until one arrives.
    int maxCurrent() const { return m_maxCurrent; }
    // What the block's last write frame carried: the controller holds it once it accepts.
    const ParameterModel::Values& sent(Block block) const;
    // What Compare With Controller reads, kept aside from the pages.
    FieldStore& controllerCopy() { return *m_controllerCopy; }
    bool chainRunning() const { return isChain(m_awaited.kind); }

    // The actions: a block read or written alone (`allowed` false when the page's checks
    // refused the write), Read Flash, Write Flash, Compare With Controller, Get.
    Steps startRead(Block block) const;
    Steps startWrite(Block block, bool allowed) const;
    Steps startReadFlash() const;
    Steps startWriteFlash() const;
    Steps startComparison();
    Steps startGet() const;
    // A tab click drops the awaited reply, ending any chain; true when a chain was running.
    bool cancel();

    // One reply, whole as the line ended it: what it is and what is wrong with it, handed on
    // to the one of the following that takes it. Nothing for a code no reply starts with.
    Steps onReply(std::span<const std::uint8_t> reply);

    // The replies, tested for their flaws as what is awaited says (replyFlaw).
    Steps onIdentity(ReplyFlaw flaw, int maxCurrent);
    Steps onFirmwareText(ReplyFlaw flaw);
    Steps onReadReply(Block block, ReplyFlaw flaw) const;
    Steps onAcknowledgement(Block block, ReplyFlaw flaw, std::uint8_t status) const;
    Steps onLiveReadings(ReplyFlaw flaw) const;

    // Carries `steps` out in order, the cycle's own among them; a send that fails leaves
    // nothing on its way.
    void run(const Steps& steps, Hands& hands);

private:
    void sendWrite(Block block, Hands& hands);

    Awaited m_awaited;
    int m_maxCurrent = 0;
    std::array<ParameterModel::Values, 4> m_sent;
    std::unique_ptr<FieldStore> m_controllerCopy;
    // Set when the firmware text went out, so only its answer can change the caption.
    bool m_firmwareTextAsked = false;
};

} // namespace morvent
