// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "RunGuard.h"

#include "ArgumentText.h"
#include "CommandOutput.h"
#include "CsvFile.h"
#include "FileIo.h"
#include "NumberConversion.h"
#include "ParameterFile.h"

#include <new>

namespace morvent {

Outcome RunGuard::fail(const CommandStreams& streams, Outcome outcome,
                       const QString& message) const {
    const auto inText = [&] {
        say(streams, streams.err, QStringLiteral("morvent-cli %1: %2").arg(m_command, message));
    };
    try {
        if (m_json) {
            sayJson(streams, {{"error", message}, {"exitCode", int(outcome)}});
        } else {
            inText();
        }
    } catch (const OutputError&) {
        inText();
    }
    return outcome;
}

Outcome RunGuard::operator()(const CommandStreams& streams,
                             const std::function<Outcome()>& step) const {
    try {
        return step();
    } catch (const OutputError& error) {
        // Said where it can still be read, never in the output that failed.
        say(streams, streams.err,
            QStringLiteral("morvent-cli %1: %2").arg(m_command, argumentText(error.what())));
        return error.outcome();
    } catch (const SessionError& error) {
        return fail(streams, error.outcome(), argumentText(error.what()));
    } catch (const ConversionError& error) {
        return fail(streams, Outcome::InvalidInput, argumentText(error.what()) + '.');
    } catch (const ParameterFileError& error) {
        // A file that could not be written for want of room or a failing disk is an error of
        // the system, not of what the user asked.
        if (error.systemError() != 0) {
            return fail(streams, writeErrorOutcome(error.systemError()),
                        argumentText(error.what()) + QStringLiteral(": ") +
                            QString::fromLocal8Bit(fileErrorText(error.systemError()).c_str()) +
                            '.');
        }
        return fail(streams, Outcome::InvalidInput, argumentText(error.what()) + '.');
    } catch (const std::bad_alloc&) {
        return fail(streams, Outcome::Failure, QStringLiteral("Out of memory."));
    } catch (const std::exception& error) {
        return fail(streams, Outcome::Failure, argumentText(error.what()));
    } catch (...) {
        return fail(streams, Outcome::Failure, QStringLiteral("An unknown error ended the run."));
    }
}

} // namespace morvent
