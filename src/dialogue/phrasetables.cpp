#include "phrasetables.h"

#include <initializer_list>

namespace teskaro {

namespace {

void fill(PhraseTable &table, std::initializer_list<const char16_t *> texts)
{
    int slot = 1;
    for (const char16_t *text : texts)
        table[slot++] = QString::fromUtf16(text);
}

} // namespace

void fillPhraseTables(PhraseTables &tables)
{
    fill(tables.recallPhrases, {
                                   u":) TENGO ENTENDIDO QUE ",
                                   u":) HE OIDO EN CIERTA OCASION QUE ",
                                   u":) CREO RECORDAR QUE ",
                                   u":) HE RECIBIDO INFORMACION DE QUE ",
                                   u":) ME HAN COMUNICADO QUE ",
                                   u":) MI BANCO DE MEMORIA INDICA QUE ",
                                   u":) HE RECIBIDO DATOS CONFIRMANDOME QUE ",
                                   u":) EXISTEN REGISTROS INDICANDOME QUE ",
                                   u":) HE TENIDO CONOCIMIENTO DE QUE ",
                                   u":) MI MEMORIA ME INDICA QUE ",
                                   u":) HE TENIDO CONOCIMIENTO DE QUE ",
                                   u":) SE ME HA COMUNICADO QUE ",
                                   u":) EN CIERTA OCASION PUDE APRENDER QUE ",
                                   u":) SI MI MEMORIA NO ME FALLA ",
                                   u":) SE ME HA INFORMADO DE QUE ",
                               });
    fill(tables.ignorancePhrases,
         {
             u":( REALMENTE NO SE NADA SOBRE ",
             u":( NUNCA ME HAN COMENTADO NADA ACERCA DE ",
             u":( NO TENGO NINGUN TIPO DE INFORMACION SOBRE ",
             u":( CAREZCO DE INFORMACION ALGUNA EN RELACION CON ",
             u":( NO RECUERDO ABSOLUTAMENTE NADA EN RELACION CON ",
             u":( NO DISPONGO DE DATOS SOBRE ",
             u":( NO HE RECIBIDO INFORMACION DE ",
             u":( NINGUN SISTEMA EXTERNO ME HA FACILITADO CONOCIMIENTOS SOBRE ",
             u":( CAREZCO DE DATOS SOBRE ",
             u":( LO SIENTO, NO DISPONGO DE INFORMACION ALGUNA ACERCA DE ",
             u":( NO HE SIDO INFORMADO EN ABSOLUTO SOBRE ",
             u":( NO HE RECIBIDO NINGUNA INFORMACION SOBRE  ",
             u":( DESCONOZCO CUALQUIER INFORMACION EN RELACION CON ",
             u":( MI BASE DE CONOCIMIENTOS CARECE DE DATOS SOBRE ",
             u":( LO SIENTO, NO ENCUENTRO NINGUN DATO EN RELACION CON ",
         });
    fill(tables.learnedPhrases, {
                                    u":) ESTOY APRENDIENDO COSAS NUEVAS SOBRE ",
                                    u":) RESULTA INTERESANTE APRENDER ALGO ACERCA DE ",
                                    u":) DESCONOCIA ESE DATO SOBRE ",
                                    u":) ESTOY AMPLIANDO MI CONOCIMIENTO SOBRE ",
                                    u":) SIEMPRE RESULTA INTERESANTE CONOCER DATOS DE ",
                                    u":) TAL VEZ DESCONOCIERA ESTA INFORMACION SOBRE ",
                                    u":) MI MEMORIA SE HA ALIMENTADO CON ESA INFORMACION DE ",
                                    u":) EN LO SUCESIVO RECORDARE ESTA INFORMACION SOBRE ",
                                    u":) HE ENTENDIDO ESO SOBRE ",
                                    u":) HE MEMORIZADO ALGO SOBRE ",
                                    u":) HE ALMACENADO EN MEMORIA ESA INFORMACION SOBRE ",
                                    u":) RECORDARE ESE DATO ACERCA DE ",
                                    u":) HE AMPLIADO MI INFORMACION ACERCA DE ",
                                    u":) HE COMPRENDIDO ESO SOBRE ",
                                    u":) HE CAPTADO ESO ACERCA DE ",
                                });
    fill(tables.notUnderstoodPhrases,
         {
             u":( NO ENTIENDO NADA. MI COMPRENSION ES MUY LIMITADA. SIGUE LA SINTAXIS ESTABLECIDA "
             u"PARA EL MODO ACTUAL ",
             u":( NO CONSIGO ENTENDERTE. MI COMPRENSION ES LIMITADA. SIGUE LA SINTAXIS ESTABLECIDA "
             u"PARA EL MODO ACTUAL ",
             u":( REALMENTE NO ENTIENDO QUE PRETENDES COMUNICARME. SIGUE LA SINTAXIS ESTABLECIDA "
             u"PARA EL MODO ACTUAL ",
             u":( NO ENTIENDO EL MENSAJE ENTRANTE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO "
             u"ACTUAL ",
             u":( LA INTERPRETACION DEL MENSAJE HA RESULTADO NEGATIVA. SIGUE LA SINTAXIS "
             u"ESTABLECIDA PARA EL MODO ACTUAL ",
             u":( LO SIENTO. LA INTERPRETACION DE TU MENSAJE ES NULA. SIGUE LA SINTAXIS "
             u"ESTABLECIDA PARA EL MODO ACTUAL ",
             u":( NO HE PODIDO CAPTAR NADA DE LO QUE HAS DICHO. SIGUE LA SINTAXIS ESTABLECIDA PARA "
             u"EL MODO ACTUAL ",
             u":( NO CONSIGO CAPTAR EL MENSAJE ENTRANTE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL "
             u"MODO ACTUAL ",
             u":( NO COMPRENDO TU CONSULTA. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL ",
             u":( NO LOGRO ENTENDER TU MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL ",
             u":( LO SIENTO, NO CAPTO EL MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO "
             u"ACTUAL ",
             u":( NO HE CAPTADO INFORMACIONA ALGUNA. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO "
             u"ACTUAL ",
             u":( NO LOGRO COMPRENDER LA FRASE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL ",
             u":( NO CAPTO TU MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL ",
             u":( NO ENTIENDO TU MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL ",
         });
    fill(tables.teachPrompts, {
                                  u":) CUENTAME ALGO ACERCA DE CUALQUIER TEMA ",
                                  u":) INFORMAME SOBRE CUALQUIER COSA ",
                                  u":) INTRODUCE INFORMACION SOBRE ALGO ",
                                  u":) EXPLICAME ALGUNA COSA SIGUIENDO LA SINTAXIS ESTABLECIDA ",
                                  u":) INFORMAME SOBRE CUALQUIER COSA ",
                                  u":) DIME ALGUNA COSA SOBRE CUALQUIER TEMA ",
                                  u":) PUEDES EXPRESARME TU OPINION SOBRE CUALQUIER COSA ",
                                  u":) EXPRESAME ALGUNA IDEA SOBRE CUALQUIER TEMA ",
                                  u":) EXPRESAME TU IDEA PARA ALIMENTAR MI BANCO DE MEMORIA ",
                                  u":) PUEDES ALIMENTAR MI MEMORIA CON CUALQUIER INFORMACION ",
                                  u":) PUEDES AMPLIAR MI CONOCIMIENTO CON NUEVA INFORMACION ",
                                  u":) INFORMAME SOBRE CUALQUIER ASUNTO ",
                                  u":) PUEDES INFORMARME SOBRE CUALQUIER TEMA ",
                                  u":) ENSEÑAME ALGO INTRODUCIENDO DATOS ",
                                  u":) PUEDO APRENDER COSAS NUEVAS SI ME ENSEÑAS ",
                              });
    fill(tables.askPrompts, {
                                u":) PREGUNTA LO QUE QUIERAS ",
                                u":) FORMULA TU PREGUNTA ",
                                u":) PREGUNTA CUALQUIER COSA SIGUIENDO LA SINTAXIS ",
                                u":) SOBRE QUE QUIERES CONSULTAR ",
                                u":) CONSULTA LO QUE DESEAS SABER ",
                                u":) EXPRESA TU CONSULTA ",
                                u":) SOBRE QUE QUIERES CONSULTAR ",
                                u":) QUE TEMA TE INTERESA CONOCER ",
                                u":) PLANTEAME TU DUDA ",
                                u":) PUEDES CONSULTARME SOBRE LO QUE TE INTERESE ",
                                u":) CONSULTAME SOBRE CUALQUIER TEMA ",
                                u":) PLANTEAME CUALQUIER CUESTION QUE TE INTERESE ",
                                u":) PUEDES PREGUNTARME SOBRE CUALQUIER COSA ",
                                u":) PUEDES FORMULAR TU PREGUNTA ",
                                u":) PLANTEAME TU CUESTION ",
                            });
}

} // namespace teskaro
