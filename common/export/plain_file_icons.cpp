// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/plain_file_icons.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace rb {

PlainFileIcons::PlainFileIcons()
    : drive_(QFileIconProvider::icon(Drive)), folder_(QFileIconProvider::icon(Folder)),
      file_(QFileIconProvider::icon(File))
{
    // No .directory files or desktop folder icons read either.
    setOptions(DontUseCustomDirectoryIcons);
}

QIcon PlainFileIcons::icon(IconType type) const
{
    switch (type) {
    case Computer:
    case Drive:
    case Network:
        return drive_;
    case Desktop:
    case Trashcan:
    case Folder:
        return folder_;
    case File:
        break;
    }
    return file_;
}

QIcon PlainFileIcons::icon(const QFileInfo &info) const
{
    if (info.isRoot()) return drive_;
    return info.isDir() ? folder_ : file_;
}

QString PlainFileIcons::type(const QFileInfo &info) const
{
    // The toolkit's answer for anything but a regular file rests on stat.
    if (!info.isFile()) return QFileIconProvider::type(info);
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

} // namespace rb
