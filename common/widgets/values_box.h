// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// "Werte": the check box of every plot window that writes the plot's
// remarkable values on it (off at the start), and the labels they are
// written in.
#pragma once

#include "common/widgets/controls.h"

class QCheckBox;
class QFont;

namespace rb {

QCheckBox *MakeValuesBox(QWidget *parent, const QFont &font);
// A label of the values on the plot: one line, hidden until there are
// values to show.
QLabel *MakeValueLabel(QWidget *plot, FontSpec font);

} // namespace rb
