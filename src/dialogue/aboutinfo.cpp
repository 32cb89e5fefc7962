// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutinfo.h"

#include "teskaro/version.h"

namespace teskaro {

using namespace Qt::StringLiterals;

QString applicationTitle()
{
    return u"teskaro"_s;
}

QString authorAddress()
{
    return u"https://teskaro.example/"_s;
}

AboutInfo aboutInfo()
{
    const QString title = applicationTitle().toUpper();
    AboutInfo info;
    info.caption = u"acerca de "_s + title + u"..."_s;
    info.title = title;
    info.version = u"Versión compilada: "_s + QString::number(version::major) + u'.' +
                   QString::number(version::minor) + u'.' + QString::number(version::patch);
    info.description =
        u"  Sistema Experto de Aprendizaje y Consulta de propósito general basado en el "
        u"lenguaje humano. Forma parte de un proyecto de investigación en inteligencia "
        u"artificial aplicada sobre sistemas expertos alimentados en lenguaje natural."_s;
    info.disclaimer = u"© Los autores de Teskaro. Programa distribuido con fines educativos y "
                      u"de investigación. Es software libre: puede redistribuirlo y modificarlo "
                      u"según la Licencia Pública General de GNU, versión 3 o posterior "
                      u"(GPL-3.0-or-later). Se distribuye SIN NINGUNA GARANTÍA."_s;
    return info;
}

} // namespace teskaro
