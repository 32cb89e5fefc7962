// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reasons in Spanish, for the transcript: every system error number a file
// operation can meet, and the reasons of our own, has a sentence; any other
// number is named as it is.

#include "knowledgefile.h"
#include "knowledgefile_posix_internal.h"

#include <cerrno>

namespace teskaro {

using namespace Qt::StringLiterals;
using namespace posix;

QString fileErrorReason(int error)
{
    switch (error) {
    case fileTooLarge:
        return u"el archivo es demasiado grande (más de 64 MiB)"_s;
    case wouldBeTooLarge:
        return u"el archivo pasaría de 64 MiB, más de lo que se puede leer"_s;
    case folderNotWritable:
        return u"la carpeta no permite escribir en ella"_s;
    case ownerNotKept:
        return u"no se pueden conservar su propietario y su grupo"_s;
    case ENOENT:
        return u"no existe"_s;
    case EACCES:
    case EPERM:
        return u"permiso denegado"_s;
    case EISDIR:
        return u"es una carpeta"_s;
    case ENOSPC:
    case EDQUOT:
        return u"no queda espacio en el disco"_s;
    case EROFS:
        return u"el sistema de archivos es de solo lectura"_s;
    case EFBIG:
        return u"el archivo ha alcanzado el tamaño máximo permitido"_s;
    case ENAMETOOLONG:
        return u"el nombre es demasiado largo"_s;
    case ENOTDIR:
        return u"una parte de la ruta no es una carpeta"_s;
    case ELOOP:
        return u"hay demasiados enlaces simbólicos en la ruta"_s;
    case ENXIO:
        return u"no es un archivo normal"_s;
    case EWOULDBLOCK:
        return u"otro programa lo mantiene bloqueado"_s;
    case EINVAL:
        return u"el sistema no admite la operación con ese nombre o en ese lugar"_s;
    case EIO:
        return u"error de lectura o escritura en el dispositivo"_s;
    case EMFILE:
    case ENFILE:
        return u"hay demasiados archivos abiertos"_s;
    case ENOMEM:
        return u"no queda memoria"_s;
    case ETXTBSY:
    case EBUSY:
        return u"está en uso"_s;
    case EXDEV:
        return u"está en otro sistema de archivos"_s;
    case EEXIST:
        return u"ya existe"_s;
    case EOVERFLOW:
        return u"el archivo es demasiado grande"_s;
    case EMLINK:
        return u"la carpeta tiene demasiadas entradas"_s;
    case ESTALE:
        return u"el archivo remoto ya no está disponible"_s;
    default:
        return u"error del sistema número %1"_s.arg(error);
    }
}

} // namespace teskaro
