// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ControllerLine.h"

#include "LineTiming.h"
#include "TComm.h"

namespace morvent {

void useControllerLine(TComm& comm) {
    useControllerLine(comm, kControllerLine.readInterval);
}

void useControllerLine(TComm& comm, std::chrono::milliseconds readInterval) {
    const LineFormat& line = kControllerLine;
    comm.setByteSize(static_cast<TByteSize>(line.dataBits - 5));
    comm.setParity(line.parityBit ? TParity::Even : TParity::None);
    comm.setStopBits(line.stopBits == 2 ? TStopBits::_2 : TStopBits::_1);
    comm.setOutx_CtsFlow(line.flowControl);
    comm.setOutx_DsrFlow(line.flowControl);
    comm.setOutx_XonXoffFlow(line.flowControl);
    comm.setInx_XonXoffFlow(line.flowControl);
    comm.setReadIntervalTimeout(static_cast<std::uint32_t>(readInterval.count()));
}

} // namespace morvent
