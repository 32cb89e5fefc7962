// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modelook.h"

namespace teskaro {

using namespace Qt::StringLiterals;

const ModeLook &modeLook(Mode mode)
{
    static const ModeLook learning{
        QColor(246, 227, 206), QColor(64, 64, 255),
        u" MODO APRENDIZAJE - Entre información para enseñar al sistema siguiendo la sintaxis "
        u"establecida  "_s,
        u"Modo aprendizaje"_s};
    static const ModeLook consultation{
        QColor(37, 54, 186), QColor(255, 255, 85),
        u" MODO CONSULTA - Consulte información siguiendo la sintaxis establecida "_s,
        u"Modo consulta"_s};
    return mode == Mode::Learning ? learning : consultation;
}

const ModeLook &startLook()
{
    static const ModeLook look{QColor(246, 227, 206), QColor(80, 80, 255),
                               sentLineTip(Mode::Learning), modeLook(Mode::Learning).name};
    return look;
}

QString sentLineTip(Mode mode)
{
    return mode == Mode::Learning
               ? u" Entre información para enseñar al sistema siguiendo la sintaxis establecida "
                 u"para el modo APRENDIZAJE "_s
               : u" Realice su consulta al sistema siguiendo la sintaxis establecida para el modo "
                 u"CONSULTA "_s;
}

} // namespace teskaro
