// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QIcon>
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace morvent {

// What the window system adds around a window before it is shown and its frame is known: a title
// bar and thin borders.
inline constexpr QMargins kFrameAllowance{4, 32, 4, 4};

// The size a window designed at `designed` opens at on a screen whose free area is `available`:
// the designed size where it fits with its frame, else whatever fits.
QSize fittedSize(QSize designed, const QRect& available, const QMargins& frame = kFrameAllowance);

// Sizes a window for a screen whose free area is `available`. Where `wanted` fits with its frame,
// the window keeps that size, not resizable, so that no window manager offers to maximise it
// (some draw a maximise box on any window that can be resized, whatever its hints ask). Where it
// does not fit, it takes the room there is, and may be resized and maximised.
void fitWindow(QWidget& window, QSize wanted, const QRect& available);

// Where a window's frame goes so that all of it is on `available`, from where the window system
// put it: moved in no further than it must, and made smaller where the room is smaller.
QRect frameWithin(const QRect& frame, const QRect& available);

// Where a window of `size` (frame included) goes beside `main` (frame included) on `available`:
// to the right of it, else to its left, else against the right or left edge of the screen, the
// first that fits and keeps `keepClear` uncovered; with no such place, narrower, beside
// `keepClear`. Top-aligned with `main` as far as the screen lets it.
QRect placeBeside(const QRect& main, const QRect& keepClear, QSize size, const QRect& available);

// The program's icon, drawn: a wheel with its motor hub, and the serial plug that talks to it.
QIcon applicationIcon();

// Where a window that belongs to `owner` (About, Save, Load) opens: centred over the owner's
// frame, moved as little as needed to lie within `available`, so it is seen where the user looks.
QRect placeOver(const QRect& owner, QSize size, const QRect& available);

} // namespace morvent
