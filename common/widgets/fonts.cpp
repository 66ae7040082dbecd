// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/fonts.h"

#include "common/widgets/zoom.h"

#include <QFontDatabase>
#include <QStringList>

namespace rb {

namespace {
QString Family()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char *name : {"Liberation Sans", "Arial", "Arimo", "Helvetica", "Nimbus Sans"})
            if (installed.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
        return QString();
    }();
    return family;
}
} // namespace

QFont UiFont(double pointSize, bool bold)
{
    QFont f;
    const QString family = Family();
    if (!family.isEmpty()) f.setFamily(family);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize * Zoom());
    f.setBold(bold);
    return f;
}

} // namespace rb
