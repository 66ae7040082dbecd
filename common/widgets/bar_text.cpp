// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/bar_text.h"

#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QToolTip>
#include <cmath>

namespace rb {

namespace {

// A number in the user's locale, or with a decimal point as programs and
// other locales write it. Group separators are refused: in German "1.500"
// would otherwise be fifteen hundred where the user meant one and a half.
std::optional<double> ParseNumber(const QString &text)
{
    const QString t = text.trimmed();
    for (QLocale l : {QLocale(), QLocale::c()}) {
        l.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double v = l.toDouble(t, &ok);
        if (ok && std::isfinite(v)) return v;
    }
    return std::nullopt;
}

} // namespace

BarText::BarText(QLineEdit *box, QScrollBar *bar, double perUnit, std::function<QString(int)> show)
    : QObject(box), box_(box), bar_(bar), perUnit_(perUnit), show_(std::move(show))
{
    connect(box_, &QLineEdit::returnPressed, this, &BarText::Apply);
    // Enter has already set the box; leaving it without Enter drops the edit.
    connect(box_, &QLineEdit::editingFinished, this, &BarText::ShowBarValue);
}

std::optional<int> BarText::ValueFor(const QString &text, const QScrollBar &bar, double perUnit)
{
    const auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    // The bar's own units; a hair of tolerance, so that 1.33 · 100 counts as 133.
    const double v = *number * perUnit;
    constexpr double kHair = 1e-9;
    if (v < bar.minimum() - kHair || v > bar.maximum() + kHair) return std::nullopt;
    const int step = std::max(1, bar.singleStep());
    const long steps = std::lround((v - bar.minimum()) / step);
    return std::min(bar.maximum(), int(bar.minimum() + steps * step));
}

bool BarText::Apply()
{
    const auto value = ValueFor(box_->text(), *bar_, perUnit_);
    if (!value) {
        refusal_ = tr("Bitte eine Zahl von %1 bis %2 eingeben.").arg(show_(bar_->minimum()), show_(bar_->maximum()));
        QToolTip::showText(box_->mapToGlobal(QPoint(0, box_->height())), refusal_, box_);
        ShowBarValue();
        return false;
    }
    refusal_.clear();
    QToolTip::hideText();
    bar_->setValue(*value);
    ShowBarValue(); // also when the value was already the bar's
    return true;
}

void BarText::ShowBarValue()
{
    const QString text = show_(bar_->value());
    if (box_->text() != text) box_->setText(text);
}

} // namespace rb
