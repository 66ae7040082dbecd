// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Text from the command line or the environment, made safe to show in a
// message on a terminal.
#pragma once

#include <QString>

namespace rb {

// The text with every control character written as an escape: \n, \r and
// \t by name, the other C0 and C1 controls and DEL as \xHH, and the marks
// that reorder text right to left as U+HHHH. A terminal would otherwise act
// on them: an escape sequence in a mistyped argument could recolour the
// terminal, move the cursor or hide the rest of the message, and a newline
// would break the one line a script's log expects.
QString Printable(const QString &text);

} // namespace rb
