// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/headless_save.h"

#include "common/export/window_saver.h"
#include "common/widgets/printable.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QWidget>
#include <cmath>
#include <cstdio>

namespace rb {

std::optional<int> ScrollBarValue(const QString &text, int min, int max, int divisor)
{
    // Signs, exponents, blanks, decimal commas and digits finer than the
    // bar's step are not how a scroll bar's number is written: 1.5 and 1.50
    // for a bar in hundredths, not 1.500 or 1.50000000000001, which only
    // rounding would make a value of the bar. The whole text must match; a
    // plain $ would let a final newline through.
    int decimals = 0;
    for (int d = divisor; d >= 10; d /= 10) ++decimals;
    const QString number = decimals == 0 ? QStringLiteral("[0-9]+")
                                         : QStringLiteral("[0-9]+(\\.[0-9]{1,%1})?").arg(decimals);
    if (!QRegularExpression(QRegularExpression::anchoredPattern(number)).match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double shown = QLocale::c().toDouble(text, &ok);
    if (!ok) return std::nullopt;
    const double scaled = shown * divisor;
    const double value = std::round(scaled);
    if (std::fabs(scaled - value) > 1e-9 * std::max(1.0, std::fabs(scaled))) return std::nullopt;
    if (value < min || value > max) return std::nullopt;
    return static_cast<int>(value);
}

QString SaveNameProblem(const QString &path)
{
    // A name no file can have is a wrong command line, told before anything
    // is drawn, as a wrong extension is.
    if (const QString problem = FileNameProblem(path); !problem.isEmpty()) return problem;
    if (FormatOfPath(path) != SaveFormat::Unknown) return QString();
    return QCoreApplication::translate("rb::WindowSaver", "die Endung wählt das Format: .png, .svg oder .csv");
}

void PrepareDrawingWithoutDisplay() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

int SaveWithoutDisplay(QWidget *window, const QString &path, const QString &program)
{
    // Shown on the off-screen platform, the pictures get their first Paint
    // as on a screen; it is queued, so let the queue run once.
    window->show();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    // No blinking text cursor in the saved picture.
    if (QWidget *focus = window->focusWidget()) focus->clearFocus();
    const auto *saver = window->findChild<WindowSaver *>();
    QString error = QCoreApplication::translate("rb::WindowSaver", "Dieses Format kann das Fenster nicht speichern.");
    if (saver && saver->Write(path, &error)) return 0;
    const QString line = QCoreApplication::translate("rb::WindowSaver", "%1: „%2“ wurde nicht gespeichert: %3")
                             .arg(program, Printable(QDir::toNativeSeparators(path)), Printable(error))
                             .simplified();
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return 1;
}

} // namespace rb
