// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/printable.h"

namespace rb {

namespace {

// Marks that make a terminal lay text out right to left, so that what is
// shown is not in the order it was typed: embeddings, overrides, isolates.
bool ReordersText(char16_t c) { return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069); }

} // namespace

QString Printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        switch (c) {
        case u'\n': out += QStringLiteral("\\n"); continue;
        case u'\r': out += QStringLiteral("\\r"); continue;
        case u'\t': out += QStringLiteral("\\t"); continue;
        default: break;
        }
        if (ch.category() == QChar::Other_Control)
            out += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
        else if (ReordersText(c))
            out += QStringLiteral("U+%1").arg(unsigned(c), 4, 16, QLatin1Char('0')).toUpper();
        else
            out += ch;
    }
    return out;
}

} // namespace rb
