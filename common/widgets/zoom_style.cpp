// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/zoom_style.h"

#include "common/widgets/picture.h"
#include "common/widgets/zoom.h"

#include <QApplication>
#include <QWidget>
#include <cmath>

namespace rb {

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
    case PM_ComboBoxFrameWidth:
    case PM_ButtonMargin: {
        const auto *window = widget ? qobject_cast<const Picture *>(widget->window()) : nullptr;
        const double z = window ? window->WindowZoom() : Zoom();
        return z > 1 ? int(std::lround(base * z)) : base;
    }
    default:
        return base;
    }
}

void UseZoomStyle()
{
    if (qobject_cast<ZoomStyle *>(QApplication::style())) return;
    QApplication::setStyle(new ZoomStyle(QApplication::style()->name()));
}

} // namespace rb
