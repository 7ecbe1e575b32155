// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SimOptions.h"

#include "BlockRules.h"

#include <array>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace morvent {

namespace {

struct NamedCode {
    std::string_view name;
    Command command;
};

constexpr std::array<NamedCode, 7> kCodeNames{{
    {"firmware", Command::FirmwareText},
    {"identity", Command::Identity},
    {"basic", Command::Basic},
    {"pedal-assist", Command::PedalAssist},
    {"throttle-handle", Command::ThrottleHandle},
    {"torque", Command::Torque},
    {"live", Command::LiveReadings},
}};

[[noreturn]] void fail(std::string message) {
    throw std::invalid_argument(std::move(message));
}

// A decimal number, or a hexadecimal one after "0x".
std::uint64_t number(std::string_view text, std::uint64_t max, std::string_view what) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > max) {
        fail(std::string(what) + " must be a number from 0 to " + std::to_string(max));
    }
    return value;
}

Command commandCode(std::string_view text) {
    for (const NamedCode& named : kCodeNames) {
        if (text == named.name) {
            return named.command;
        }
    }
    const auto value = static_cast<std::uint8_t>(number(text, 0xFF, "a command code"));
    if (!isCommandCodeKnown(value)) {
        fail("'" + std::string(text) + "' is not a command code (0x50 to 0x56 or a name)");
    }
    return static_cast<Command>(value);
}

Command blockCode(std::string_view text) {
    const Command command = commandCode(text);
    if (!parameterBlockLength(command)) {
        fail("'" + std::string(text) + "' is not a parameter block");
    }
    return command;
}

// Splits "A:B:C" at its colons.
std::vector<std::string_view> fieldsOf(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t colon; (colon = text.find(':')) != std::string_view::npos;) {
        fields.push_back(text.substr(0, colon));
        text.remove_prefix(colon + 1);
    }
    fields.push_back(text);
    return fields;
}

std::chrono::milliseconds milliseconds(std::string_view text, std::string_view what) {
    return std::chrono::milliseconds(number(text, 3'600'000, what));
}

Bytes hexBytes(std::string_view text) {
    if (text.size() != 2 * kIdentityLength) {
        fail("--identity takes 32 hexadecimal digits");
    }
    Bytes bytes;
    for (std::size_t at = 0; at < text.size(); at += 2) {
        std::uint8_t value = 0;
        const auto digits = text.substr(at, 2);
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (error != std::errc() || end != digits.data() + digits.size()) {
            fail("--identity takes 32 hexadecimal digits");
        }
        bytes.push_back(value);
    }
    return bytes;
}

} // namespace

SimOptions parseSimOptions(std::span<const std::string_view> arguments) {
    SimOptions options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        std::string_view option = arguments[at];
        std::optional<std::string_view> attached;
        if (const auto equals = option.find('=');
            option.starts_with("--") && equals != option.npos) {
            attached = option.substr(equals + 1);
            option = option.substr(0, equals);
        }
        const auto value = [&]() -> std::string_view {
            if (attached) {
                return *attached;
            }
            if (at + 1 >= arguments.size()) {
                fail(std::string(option) + " needs a value");
            }
            return arguments[++at];
        };
        const auto flag = [&] {
            if (attached) {
                fail(std::string(option) + " takes no value");
            }
        };

        if (option == "-h" || option == "--help") {
            flag();
            options.help = true;
        } else if (option == "--listen-baud") {
            options.listenBaud = static_cast<unsigned>(number(value(), 115200, "--listen-baud"));
            if (!isListenRate(options.listenBaud)) {
                fail("--listen-baud must be 1200, 9600, 19200, 38400 or 115200");
            }
        } else if (option == "--pace") {
            flag();
            options.pace = true;
        } else if (option == "--refuse") {
            const auto fields = fieldsOf(value());
            if (fields.size() != 2) {
                fail("--refuse takes BLOCK:INDEX");
            }
            const Command block = blockCode(fields[0]);
            const auto index =
                number(fields[1], *parameterBlockLength(block) - 1, "the refused byte");
            options.refusals.emplace_back(block, index);
        } else if (option == "--corrupt-checksum") {
            options.corruptedCodes.push_back(commandCode(value()));
        } else if (option == "--corrupt-next") {
            flag();
            options.corruptNext = true;
        } else if (option == "--drop") {
            options.dropNext = static_cast<unsigned>(
                number(value(), std::numeric_limits<unsigned>::max(), "--drop"));
        } else if (option == "--drop-all") {
            flag();
            options.dropAll = true;
        } else if (option == "--delay") {
            options.delay = milliseconds(value(), "--delay");
        } else if (option == "--split") {
            const auto fields = fieldsOf(value());
            if (fields.size() < 2 || fields.size() > 3) {
                fail("--split takes CODE:OFFSET or CODE:OFFSET:MS");
            }
            const auto offset = number(fields[1], 255, "the split offset");
            if (offset == 0) {
                fail("the split offset must be at least 1");
            }
            options.splits.push_back({commandCode(fields[0]), offset,
                                      fields.size() == 3
                                          ? milliseconds(fields[2], "the split pause")
                                          : ControllerModel::kDefaultSplitPause});
        } else if (option == "--identity") {
            options.identity = hexBytes(value());
        } else if (option == "--firmware") {
            const auto text = value();
            if (text.size() > 255) {
                fail("--firmware takes at most 255 characters");
            }
            options.firmwareText = std::string(text);
        } else if (option == "--identity-checksum-lowered") {
            flag();
            options.identityChecksumLowered = true;
        } else if (option == "--hang-up-after") {
            options.hangUpAfter = milliseconds(value(), "--hang-up-after");
        } else if (option == "--hang-up-on") {
            options.hangUpOn = commandCode(value());
        } else if (option == "--seed") {
            options.seed = static_cast<std::uint32_t>(
                number(value(), std::numeric_limits<std::uint32_t>::max(), "--seed"));
        } else {
            fail("unknown option '" + std::string(arguments[at]) + "'");
        }
    }
    return options;
}

std::string simUsage() {
    return R"(Usage: morvent-sim [OPTION]...
Simulated motor controller on a pseudo-terminal. Prints the device path to open (one line) and
answers requests on it until SIGINT or SIGTERM. SIGUSR1 hangs up the line, as a pulled cable.

  --listen-baud RATE        understand the connect request only at RATE: 1200, 9600 (default),
                            19200, 38400 or 115200; everything else is understood at 9600 only,
                            and every reply goes out at 9600
  --pace                    put reply bytes on the line at the wire speed (about 1.04 ms a byte
                            at 9600 baud) instead of all at once
  --refuse BLOCK:INDEX      refuse writes of BLOCK at payload byte INDEX whatever it holds;
                            may be given more than once
  --corrupt-checksum CODE   send every reply that starts with CODE with a wrong checksum; may be
                            given more than once
  --corrupt-next            send the first reply with a wrong checksum
  --drop N                  lose the replies to the first N requests (they are still acted on)
  --drop-all                lose every reply (requests are still acted on)
  --delay MS                wait MS milliseconds before each reply
  --split CODE:OFFSET[:MS]  send replies that start with CODE in two parts: OFFSET bytes, a pause
                            of MS milliseconds (default 200), then the rest; may be repeated
  --identity HEX            the 16 identity bytes as 32 hexadecimal digits: maker (4), model (4),
                            hardware (2), firmware (4), voltage class, maximum current
                            (default 4B4C4D4E505152533130313233340219, 48 V and 25 A)
  --identity-checksum-lowered
                            send the identity's checksum 14 below the plain sum
  --firmware TEXT           the firmware text, at most 255 characters
  --hang-up-after MS        hang up the line MS milliseconds after start
  --hang-up-on CODE         hang up the line instead of sending the first reply that starts with
                            CODE (the request is still acted on)
  --seed N                  seed of the live torque readings (default 1)
  -h, --help                show this help and exit

Options take their value as the next argument or after '=' (--delay=200).
BLOCK is basic, pedal-assist, throttle-handle, torque, or its code 0x52 to 0x55.
CODE is firmware, identity, basic, pedal-assist, throttle-handle, torque, live, or a code
0x50 to 0x56. Numbers are decimal, or hexadecimal after 0x.
)";
}

void applySimOptions(const SimOptions& options, ControllerModel& model) {
    model.setListenBaud(options.listenBaud);
    for (const auto& [block, index] : options.refusals) {
        model.refuseByte(block, index);
    }
    for (Command code : options.corruptedCodes) {
        model.setChecksumCorrupted(code, true);
    }
    if (options.corruptNext) {
        model.corruptNextChecksum();
    }
    model.dropNextReplies(options.dropNext);
    model.setDropAllReplies(options.dropAll);
    model.setReplyDelay(options.delay);
    for (const auto& split : options.splits) {
        model.setSplit(split.code, split.offset, split.pause);
    }
    if (options.identity) {
        model.setIdentity(*options.identity);
    }
    if (options.firmwareText) {
        model.setFirmwareText(*options.firmwareText);
    }
    model.setIdentityChecksumLowered(options.identityChecksumLowered);
}

} // namespace morvent
