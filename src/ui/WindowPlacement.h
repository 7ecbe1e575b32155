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

// Where a window of `size` (frame included) that goes with `main` (frame included) opens on
// `available`: beside it where the screen has the room, to its right, else to its left (level
// with its top as far as the screen lets it), else below it, else above it. Where the screen has
// no such room, over `room`, the part of the main window it may cover (its pages, never its
// menus, tabs or status bar), at the lower right and no larger than the room; clear of
// `keepClear` too where that lies in the room, in the largest piece of the room beside it that
// holds the window at its `minimum` size.
QRect placeBeside(const QRect& main, const QRect& room, const QRect& keepClear, QSize size,
                  const QRect& available, QSize minimum = {});

// The frame the window system puts around `window`'s frame once it is on the screen (a window
// shown alongside is given the same); kFrameAllowance until then.
QMargins frameMargins(const QWidget& window);

// The part of `window` that a window shown with it may cover where the screen has no room beside
// it: the page `pages` shows, as far as it is in view, in global coordinates.
QRect coverableArea(const QWidget& window, const QWidget& pages);

// Moves and sizes `companion` (not shown yet) by placeBeside for `owner` as it stands on its
// screen, `room` and `keepClear` in global coordinates.
void placeCompanion(QWidget& companion, const QWidget& owner, const QRect& room,
                    const QRect& keepClear = {});

// The program's icon, drawn: a wheel with its motor hub, and the serial plug that talks to it.
QIcon applicationIcon();

// Where a window that belongs to `owner` (About, Save, Load) opens: centred over the owner's
// frame, moved as little as needed to lie within `available`, so it is seen where the user looks.
QRect placeOver(const QRect& owner, QSize size, const QRect& available);

} // namespace morvent
