#include "modelook.h"

namespace teskaro {

const ModeLook &modeLook(DialogueMode mode)
{
    static const ModeLook learning{
        {246, 227, 206},
        {64, 64, 255},
        u" MODO APRENDIZAJE - Entre información para enseñar al sistema siguiendo la sintaxis "
        u"establecida  ",
        u"$   ... cambiando a modo aprendizaje...",
        &PhraseTables::teachPrompts,
    };
    static const ModeLook consultation{
        {37, 54, 186},
        {255, 255, 85},
        u" MODO CONSULTA - Consulte información siguiendo la sintaxis establecida ",
        u"$   ... cambiando a modo consulta ...",
        &PhraseTables::askPrompts,
    };
    return mode == DialogueMode::Learning ? learning : consultation;
}

} // namespace teskaro
