// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Small helpers that make the classic controls out of the toolkit's widgets:
// labels, buttons, option buttons, titled frames, text boxes, scroll bars.
#pragma once

#include "common/canvas/color.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace rb {

struct FontSpec {
    double points = 8.25;
    bool bold = true;
};

QLabel *MakeLabel(QWidget *parent, const QString &text, FontSpec font, Color back);
// A label whose background shows the surface it lies on.
QLabel *MakeClearLabel(QWidget *parent, const QString &text, FontSpec font);
QPushButton *MakeButton(QWidget *parent, const QString &text, FontSpec font);
QRadioButton *MakeOption(QWidget *parent, const QString &text, FontSpec font, bool selected);
QGroupBox *MakeFrame(QWidget *parent, const QString &title, FontSpec font);
QLineEdit *MakeTextBox(QWidget *parent, const QString &text, FontSpec font);

// A scroll bar that reports a change once the value has changed: after an
// arrow, a click in the trough, a key, or the release of a dragged thumb,
// never while the thumb is dragged. Setting the value from code reports too.
// A click or Tab gives it the keyboard focus; keys and wheel move it.
QScrollBar *MakeScrollBar(QWidget *parent, Qt::Orientation o, int min, int max, int smallChange,
                          int largeChange, int value);
// Makes Page Up/Down and a click in the trough move the bar by `units`
// while its LargeChange, and with it the size of its thumb, stays as it is.
void SetPageJump(QScrollBar *bar, int units);

// Grows a control just enough for its whole text to show: wider for a
// single line, taller for text that wraps. Never shrinks it.
void FitText(QWidget *w);
// True when the control's text is fully visible in its current size.
bool TextFits(const QWidget *w);
// FitText, but the control ends at `right` (its parent's coordinates): a
// wrapping text gets more lines, a single word a slightly narrower face.
void FitTextInColumn(QWidget *w, int right);
// Sizes a frame for its title within `maxWidth`, wrapping the title if it
// must, and keeps the controls in it below the title and inside the frame.
void FitFrame(QGroupBox *frame, int maxWidth);

} // namespace rb
