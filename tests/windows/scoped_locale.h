// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A default locale for the length of a test: numbers in texts are then
// written as a user of that locale reads them, whatever the machine's.
#pragma once

#include <QLocale>

namespace rb::testing {

class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale &locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(saved_); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    QLocale saved_;
};

} // namespace rb::testing
