#include "file_error.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace rb {

QString FileErrorText(int error)
{
    const char *const context = "rb::WindowSaver";
    switch (error) {
    case ENOSPC:
        return QCoreApplication::translate(context, "kein Platz mehr auf dem Datenträger");
    case EDQUOT:
        return QCoreApplication::translate(context, "das Speicherkontingent ist erschöpft");
    case EFBIG:
        return QCoreApplication::translate(context, "Datei zu groß: die Grenze der Dateigröße ist erreicht");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate(context, "keine Berechtigung");
    case EROFS:
        return QCoreApplication::translate(context, "das Dateisystem ist schreibgeschützt");
    case ENOENT:
        return QCoreApplication::translate(context, "den Ordner gibt es nicht");
    case ENOTDIR:
        return QCoreApplication::translate(context, "ein Teil des Pfads ist kein Ordner");
    case EISDIR:
        return QCoreApplication::translate(context, "das ist ein Ordner");
    case ENAMETOOLONG:
        return QCoreApplication::translate(context, "der Name ist zu lang");
    case ELOOP:
        return QCoreApplication::translate(context, "zu viele symbolische Verknüpfungen hintereinander");
    case EIO:
        return QCoreApplication::translate(context, "Ein-/Ausgabefehler des Datenträgers");
    default:
        // strerror follows the locale the toolkit set at start.
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace rb
