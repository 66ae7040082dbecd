// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The text box beside a scroll bar as a second way to set the bar: a number
// typed into it and confirmed with Enter moves the bar, if it lies within
// the bar's range; it is rounded to the bar's step. Anything else is refused
// with a short note under the box, and the box shows the bar's value again.
// When the box loses the focus without Enter, it too shows the bar's value:
// the box never shows a value that is not in use.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QScrollBar;

namespace rb {

class BarText : public QObject {
    Q_OBJECT
public:
    // `perUnit` bar steps make one unit of the shown number (100 for a
    // refractive index held as n · 100); `show` writes a bar value as the
    // box shows it.
    BarText(QLineEdit *box, QScrollBar *bar, double perUnit, std::function<QString(int)> show);

    // Takes the box's text as a new value. False, with the note shown, when
    // it is not a number within the bar's range.
    bool Apply();
    // The note of the last refusal; empty after an accepted value.
    QString Refusal() const { return refusal_; }
    // The bar value a text stands for, or nothing when the text is refused.
    static std::optional<int> ValueFor(const QString &text, const QScrollBar &bar, double perUnit);

private:
    void ShowBarValue();

    QLineEdit *box_;
    QScrollBar *bar_;
    double perUnit_;
    std::function<QString(int)> show_;
    QString refusal_;
};

} // namespace rb
