// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/file_error.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace rb {

QString FileErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return QCoreApplication::translate("rb::WindowSaver", "kein Platz mehr auf dem Datenträger");
    case EDQUOT:
        return QCoreApplication::translate("rb::WindowSaver", "das Speicherkontingent ist erschöpft");
    case EFBIG:
        return QCoreApplication::translate("rb::WindowSaver", "Datei zu groß: die Grenze der Dateigröße ist erreicht");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("rb::WindowSaver", "keine Berechtigung");
    case EROFS:
        return QCoreApplication::translate("rb::WindowSaver", "das Dateisystem ist schreibgeschützt");
    case ENOENT:
        return QCoreApplication::translate("rb::WindowSaver", "Datei oder Ordner nicht gefunden");
    case ENOTDIR:
        return QCoreApplication::translate("rb::WindowSaver", "ein Teil des Pfads ist kein Ordner");
    case EISDIR:
        return QCoreApplication::translate("rb::WindowSaver", "das ist ein Ordner");
    case ENAMETOOLONG:
        return QCoreApplication::translate("rb::WindowSaver", "der Name ist zu lang");
    case ELOOP:
        return QCoreApplication::translate("rb::WindowSaver", "zu viele symbolische Verknüpfungen hintereinander");
    case EIO:
        return QCoreApplication::translate("rb::WindowSaver", "Ein-/Ausgabefehler des Datenträgers");
    default:
        // strerror follows the locale the toolkit set at start.
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace rb
