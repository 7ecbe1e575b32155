// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QStringList>

namespace morvent {

// Several ports in one run must be several devices, and each must have its files to itself:
// otherwise one session would take the other's line ("another program is using it", naming this
// very run) or save over the other's file and still count as a success. Both are found before
// any port is opened or any file written, and refused with SessionError (InvalidInput) naming the
// two.

// The same device under two names: two spellings (pts/6, /dev/pts/6), a link and its target.
void refuseOneDeviceTwice(const QStringList& ports);

// files holds each port's file of one kind (read -o, watch --csv), in the order of ports; two
// that are one file (the same name, a link to the other, or two names the per-port naming makes
// alike, x-y and x/y) are refused.
void refuseSharedFiles(const QStringList& ports, const QStringList& files);

} // namespace morvent
