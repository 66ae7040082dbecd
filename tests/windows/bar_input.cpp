// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/windows/bar_input.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

namespace rb::testing {

namespace {
QWidget *Focus() { return QApplication::focusWidget(); }

void KeyToFocus(Qt::Key key) { QTest::keyClick(static_cast<QWidget *>(nullptr), key); }

void Wheel(QWidget *w, int angle)
{
    const QPointF at = QRectF(w->rect()).center();
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}
} // namespace

QStringList DriveByKeysAndWheel(QScrollBar *bar, int page)
{
    QStringList errors;
    const QString name = bar->objectName().isEmpty() ? QStringLiteral("bar") : bar->objectName();
    if (!QTest::qWaitForWindowActive(bar->window())) return {name + QStringLiteral(": window not active")};
    const QColor frame = bar->palette().color(QPalette::Highlight);
    const QPoint edge(1, bar->height() / 2);
    const auto framed = [&] { return bar->grab().toImage().pixelColor(edge) == frame; };

    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->rect().center());
    if (Focus() != bar) return {name + QStringLiteral(": a click does not give it the focus")};
    const bool focusShows = framed();
    KeyToFocus(Qt::Key_Tab);
    if (Focus() == bar || framed() || !focusShows) errors << name + QStringLiteral(": the focus does not show");
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->rect().center());

    const int small = bar->singleStep(), large = page > 0 ? page : bar->pageStep();
    const int lo = bar->minimum(), hi = bar->maximum();
    const struct {
        Qt::Key key;
        int expected;
    } steps[] = {
        {Qt::Key_Home, lo},
        {Qt::Key_Right, lo + small},
        {Qt::Key_Down, lo + 2 * small},
        {Qt::Key_PageDown, lo + 2 * small + large},
        {Qt::Key_Left, lo + small + large},
        {Qt::Key_Up, lo + large},
        {Qt::Key_PageUp, lo},
        {Qt::Key_End, hi},
    };
    for (const auto &s : steps) {
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        KeyToFocus(s.key);
        if (bar->value() != s.expected || changes.count() != 1)
            errors << QStringLiteral("%1: key %2 gives %3 with %4 changes, expected %5")
                          .arg(name, QTest::toString(s.key))
                          .arg(bar->value())
                          .arg(changes.count())
                          .arg(s.expected);
    }

    // Wheel down moves towards Max (down, or to the right), a notch by as
    // many small steps as the desktop scrolls lines, at most a large step.
    const int notch = std::min(bar->pageStep(), QApplication::wheelScrollLines() * small);
    bar->setValue((lo + hi) / 2);
    for (const int angle : {-120, 120}) {
        const int from = bar->value();
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        Wheel(bar, angle);
        const int expected = angle < 0 ? from + notch : from - notch;
        if (bar->value() != expected || changes.count() != 1)
            errors << QStringLiteral("%1: wheel %2 gives %3, expected %4").arg(name).arg(angle).arg(bar->value()).arg(expected);
    }
    return errors;
}

bool TabReaches(QWidget *window, QWidget *target)
{
    for (int i = 0; i < 64; ++i) {
        QTest::keyClick(Focus() ? Focus() : window, Qt::Key_Tab);
        if (Focus() == target) return true;
    }
    return false;
}

} // namespace rb::testing
