// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Saving a file so that it is either complete or as it was before.
//
// The bytes go to a fresh file beside the target, every write, the flush to
// the disk and the close are checked, and only then is the fresh file renamed
// over the target. A full disk, an exhausted quota or a file-size limit thus
// fail the save and leave an earlier file byte for byte as it was.
//
// Only regular files are replaced. A symbolic link is followed, link by link,
// to the file it finally names, and that file is replaced beside itself, so
// the link stays a link, as editors do. A target that exists and is no
// regular file (a device, a pipe, a socket, a folder) is refused: renaming
// over it would put a regular file in its place.
#pragma once

#include <QByteArray>
#include <QString>

namespace rb {

// Why path cannot name a file at all, or empty when it can: a name the
// system's encoding cannot carry exactly, or one longer than any file system
// on Linux takes.
QString FileNameProblem(const QString &path);

// Writes data to path as above. On failure returns false with the reason in
// *error; the target is untouched and no temporary file is left.
bool WriteFileAtomically(const QString &path, const QByteArray &data, QString *error);

} // namespace rb
