// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Checks that every text of a window is fully visible in its control, and
// that no control covers another.
#pragma once

#include <QStringList>
#include <utility>
#include <vector>

class QWidget;

namespace rb::testing {

// Names and texts of the visible controls under `window` whose text does
// not fit; empty when all fit.
QStringList ClippedTexts(const QWidget *window);
// The text a control shows: a label's, a button's, a frame's title, a text
// box's; empty for others.
QString TextOf(const QWidget *w);
// The window's title and the texts of its visible controls, in the order
// the controls were made.
QStringList VisibleTexts(const QWidget *window);

// Pairs of visible sibling controls under `window` whose visible parts
// overlap: a text where its letters are, an option button where its mark
// and text are, any other control whole. A control in a frame must also keep
// clear of the frame's title. `designed` lists the overlaps the layout means.
using Overlap = std::pair<const QWidget *, const QWidget *>;
QStringList OverlappingControls(const QWidget *window, const std::vector<Overlap> &designed = {});

} // namespace rb::testing
