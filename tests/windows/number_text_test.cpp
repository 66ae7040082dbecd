// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Numbers in text boxes and readouts: the user's locale, the shortest form,
// no trailing zeros, and a single-precision value in its own shortest form
// (1.33, not the 1.3300000429 its double reads).
#include "common/widgets/number_text.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace rb;

TEST(NumberText, ShortestFormInTheUsersLocale)
{
    const QLocale de(QLocale::German, QLocale::Germany), en(QLocale::English, QLocale::UnitedStates);
    struct Case {
        double value;
        bool single;
        const char *german, *english;
    };
    const Case cases[] = {
        {1.33, true, "1,33", "1.33"},    {1.5, true, "1,5", "1.5"},      {60, false, "60", "60"},
        {44.71, false, "44,71", "44.71"}, {1000, false, "1000", "1000"}, {-0.0, false, "0", "0"},
        {0.001, false, "0,001", "0.001"}, {38.6, false, "38,6", "38.6"},
    };
    for (const Case &c : cases) {
        const QString g = c.single ? NumberText(float(c.value), de) : NumberText(c.value, de);
        const QString e = c.single ? NumberText(float(c.value), en) : NumberText(c.value, en);
        EXPECT_EQ(g.toStdString(), c.german);
        EXPECT_EQ(e.toStdString(), c.english);
    }
}
