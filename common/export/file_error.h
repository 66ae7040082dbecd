// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Why the system refused a file operation, in the interface language.
#pragma once

#include <QString>

namespace rb {

// The reason behind an errno value as a short phrase without a full stop
// ("kein Platz mehr auf dem Datenträger"), for after a colon. The reasons a
// save meets every day are our own texts, so that they follow the interface
// language rather than the C library's locale; any other is the system's.
QString FileErrorText(int error);

} // namespace rb
