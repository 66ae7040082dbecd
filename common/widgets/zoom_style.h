// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The application's style at a presentation zoom: the marks of option
// buttons and check boxes and the room around them grow with the zoom, as
// the texts beside them do. Everything else is the base style's.
#pragma once

#include <QProxyStyle>

namespace rb {

class ZoomStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ZoomStyle(const QString &baseKey) : QProxyStyle(baseKey) {}
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

// Puts the zoom style in place the first time the zoom leaves 1: at zoom 1
// the program keeps the toolkit's own style untouched.
void UseZoomStyle();

} // namespace rb
