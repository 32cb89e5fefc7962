// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dotprogram.h"

#include "platform/filterrunner.h"

#include <QEventLoop>
#include <QSaveFile>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QString failureOf(const FilterEnd &end)
{
    switch (end.status) {
    case FilterEnd::Status::Done:
        return {};
    case FilterEnd::Status::Missing:
        return u"No se encuentra el programa dot de Graphviz, que dibuja el mapa: instale el "
               u"paquete graphviz."_s;
    case FilterEnd::Status::TimedOut:
        return u"El programa dot no ha terminado de dibujar el mapa en "_s +
               QString::number(dotTimeLimit.count()) + u" segundos."_s;
    case FilterEnd::Status::Failed:
        break;
    }
    const QString why = QString::fromUtf8(end.errors).section(u'\n', 0, 0).trimmed();
    return u"El programa dot no ha podido dibujar el mapa"_s +
           (why.isEmpty() ? QString() : u": "_s + why) + u'.';
}

} // namespace

void runDot(FilterRunner &runner, const QByteArray &dot, const QString &format,
            const QObject *receiver,
            std::function<void(const QByteArray &output, const QString &failure)> done)
{
    runner.run(u"dot"_s, {u"-T"_s + format}, dot, dotTimeLimit, receiver,
               [done = std::move(done)](const FilterEnd &end) {
                   const QString failure = failureOf(end);
                   done(failure.isEmpty() ? end.output : QByteArray(), failure);
               });
}

QByteArray runDotToEnd(FilterRunner &runner, const QByteArray &dot, const QString &format,
                       QString &failure)
{
    QEventLoop loop;
    QByteArray result;
    bool ended = false;
    runDot(runner, dot, format, &loop, [&](const QByteArray &output, const QString &why) {
        result = output;
        failure = why;
        ended = true;
        loop.quit();
    });
    if (!ended)
        loop.exec();
    return result;
}

QString writeWholeFile(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace teskaro
