// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The texts of optics/data/*.csv, built into the library by its CMake file so
// that the program needs no data files beside it.
#pragma once

namespace rb::optics::table_text {

extern const char kCie1931[];
extern const char kAstmG173Direct[];

} // namespace rb::optics::table_text
