#include "aboutinfo.h"

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

constexpr int versionMajor = 1;
constexpr int versionMinor = 0;
constexpr int versionRevision = 35;

} // namespace

QString applicationTitle()
{
    return u"teskaro"_s;
}

AboutInfo aboutInfo()
{
    const QString title = applicationTitle().toUpper();
    AboutInfo info;
    info.caption = u"acerca de "_s + title + u"..."_s;
    info.title = title;
    info.version = u"Versión compilada: "_s + QString::number(versionMajor) + u'.' +
                   QString::number(versionMinor) + u'.' + QString::number(versionRevision);
    info.description =
        u"  Sistema Experto de Aprendizaje y Consulta de propósito general basado en el "
        u"lenguaje humano. Forma parte de un proyecto de investigación en inteligencia "
        u"artificial aplicada sobre sistemas expertos alimentados en lenguaje natural."_s;
    info.disclaimer = u"© Los autores de Teskaro. Programa distribuido con fines educativos y "
                      u"de investigación."_s;
    return info;
}

} // namespace teskaro
