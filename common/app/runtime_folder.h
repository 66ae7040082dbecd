// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Where the programs keep their private runtime folder when the session has
// none they can use. The toolkit's own fallback is a folder named after the
// user under the temporary folder; with TMPDIR naming a folder that does not
// exist, the toolkit takes the temporary folder to be empty and makes that
// folder at the root of the file system.
#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace rb {

// Whether a runtime folder is one the toolkit accepts and nobody else can
// look into: a folder of the user's own, readable, writable and searchable
// by the user alone (0700).
bool UsableRuntimeFolder(const QByteArray &path);

// The folders a private runtime folder may be made in, best first: the
// temporary folder the user chose, /tmp, the user's cache folder. Only
// folders that exist and are not the root of the file system.
QByteArrayList RuntimeFolderBases();

} // namespace rb
