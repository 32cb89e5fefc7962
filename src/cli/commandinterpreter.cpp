// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandinterpreter.h"

#include "dialogue/helppages.h"

#include "dialogue/aboutinfo.h"
#include "dialogue/dialogueengine.h"
#include "knowledge/filenames.h"
#include "knowledge/recordformat.h"
#include "mapcommand.h"
#include "statusline.h"
#include "terminaltext.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <optional>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

struct MenuItem
{
    const char16_t *command;
    void (*choose)(DialogueEngine &engine);
};

// The menu items a command chooses as they are, without an argument.
constexpr MenuItem menuItems[] = {
    {u"aprendizaje",
     [](DialogueEngine &engine) {
         engine.switchMode(Mode::Learning);
     }},
    {u"consulta",
     [](DialogueEngine &engine) {
         engine.switchMode(Mode::Consultation);
     }},
    {u"ordenar",
     [](DialogueEngine &engine) {
         engine.sortKnowledgeFile();
     }},
    {u"redundancias",
     [](DialogueEngine &engine) {
         engine.removeRepeatedRecords();
     }},
    {u"invertir",
     [](DialogueEngine &engine) {
         engine.togglePronounInversion();
     }},
    {u"salir",
     [](DialogueEngine &engine) {
         engine.quit();
     }},
};

const char16_t helpText[] =
    u"Cada línea se escribe en la entrada y se envía con Intro. Las líneas que empiezan por "
    u"\"/\" son órdenes:\n"
    u"  /aprendizaje      modo Aprendizaje [ Input ]\n"
    u"  /consulta         modo Consulta [ Output ]\n"
    u"  /abrir ARCHIVO    abre un archivo de conocimientos\n"
    u"  /guardar NOMBRE   guarda el archivo de conocimientos actual con otro nombre\n"
    u"  /reemplazar NOMBRE   lo mismo, aunque ya exista un archivo con ese nombre\n"
    u"  /ordenar          ordena ideas y recuerdos\n"
    u"  /redundancias     elimina redundancias\n"
    u"  /invertir         invierte o deja de invertir los pronombres MI-TU / ME-TE\n"
    u"  /voz masculina    voz sintética masculina\n"
    u"  /voz femenina     voz sintética femenina\n"
    u"  /sintesis si|no   activa o desactiva la síntesis de voz\n"
    u"  /reglas si|no     aplica las reglas lógicas: deduce de lo aprendido al responder\n"
    u"  /logica si|no     aplica la lógica de aprendizaje en tiempo real: avisa de lo ya "
    u"sabido y deduce de lo nuevo\n"
    u"  /listar [TEXTO]   lista numeradas las afirmaciones que contienen el texto\n"
    u"  /olvidar N...     olvida las afirmaciones de esos números (los dos registros)\n"
    u"  /corregir N TEMA | RESTO   corrige la afirmación N\n"
    u"  /deshacer         deshace el último /olvidar o /corregir\n"
    u"  /rehacer          rehace lo deshecho\n"
    u"  /mapa [TEXTO] ARCHIVO.svg   dibuja el mapa de conocimientos del texto (o de todo el "
    u"archivo, hasta 150 afirmaciones) con dot\n"
    u"  /acerca           acerca de TESKARO\n"
    u"  /estado           base de conocimiento, aprendizaje directo y modo\n"
    u"  /ayuda [PAGINA]   esta ayuda, o una de las páginas de ayuda\n"
    u"  /salir            termina\n"
    u"  //TEXTO           escribe \"/TEXTO\" en la entrada\n";

} // namespace

CommandInterpreter::CommandInterpreter(DialogueEngine &engine, QIODevice &messages,
                                       FilterRunner &dot)
    : m_engine(engine)
    , m_messages(messages)
    , m_dot(dot)
    , m_editing(engine, [this](const QString &text) { print(text); })
{}

void CommandInterpreter::run(const QString &line)
{
    // The argument is all that follows the first blank, blanks included,
    // since file names may hold them.
    const qsizetype blank = line.indexOf(u' ');
    const QString command = line.mid(1, blank < 0 ? -1 : blank - 1).toLower();
    const std::optional<QString> argument =
        blank < 0 ? std::nullopt : std::optional<QString>(line.mid(blank + 1));

    const auto withoutArgument = [&](auto action) {
        if (argument)
            print(u"La orden /"_s + command + u" no lleva nada detrás."_s);
        else
            action();
    };

    for (const MenuItem &item : menuItems) {
        if (command == QStringView(item.command)) {
            withoutArgument([&] { item.choose(m_engine); });
            return;
        }
    }
    if (command == u"estado"_s)
        withoutArgument([this] { print(statusLine(m_engine.session())); });
    else if (command == u"acerca"_s)
        withoutArgument([this] { printAbout(); });
    else if (command == u"ayuda"_s)
        printHelp(argument.value_or(QString()).trimmed().toLower());
    else if (command == u"abrir"_s)
        openFile(argument.value_or(QString()));
    else if (command == u"guardar"_s)
        saveAs(argument.value_or(QString()), ExistingFile::Keep);
    else if (command == u"reemplazar"_s)
        saveAs(argument.value_or(QString()), ExistingFile::Replace);
    else if (command == u"voz"_s)
        selectVoice(argument.value_or(QString()));
    else if (command == u"sintesis"_s)
        setOnOrOff(command, argument.value_or(QString()), &DialogueEngine::setSpeechEnabled);
    else if (command == u"listar"_s)
        m_editing.list(argument.value_or(QString()));
    else if (command == u"olvidar"_s)
        m_editing.forget(argument.value_or(QString()));
    else if (command == u"corregir"_s)
        m_editing.correct(argument.value_or(QString()));
    else if (command == u"deshacer"_s)
        withoutArgument([this] { m_editing.undo(); });
    else if (command == u"rehacer"_s)
        withoutArgument([this] { m_editing.redo(); });
    else if (command == u"mapa"_s)
        print(
            drawKnowledgeMap(m_dot, m_engine.session(), argument.value_or(QString())).join(u'\n'));
    else if (command == u"reglas"_s)
        setOnOrOff(command, argument.value_or(QString()), &DialogueEngine::setLogicRulesApplied);
    else if (command == u"logica"_s)
        setOnOrOff(command, argument.value_or(QString()), &DialogueEngine::setRealTimeLogicApplied);
    else
        print(u"Orden desconocida: "_s + line + u" (escriba /ayuda para ver las órdenes)"_s);
}

// The open dialog lists only files that exist, so no other can be chosen.
void CommandInterpreter::openFile(const QString &fileName)
{
    if (fileName.trimmed().isEmpty()) {
        print(u"Falta el archivo: /abrir ARCHIVO"_s);
        return;
    }
    const QFileInfo file(fileName);
    if (!file.isFile()) {
        print(u"No existe el archivo "_s + fileName);
        return;
    }
    m_engine.openKnowledgeFile(chosenFilePath(file.absolutePath(), file.fileName()));
}

// The save-as dialog opens on the current folder; a name that holds a
// folder is typed after choosing that folder. Only /reemplazar replaces a
// file, as only the dialog's question does.
void CommandInterpreter::saveAs(const QString &name, ExistingFile whenExisting)
{
    const QString command = whenExisting == ExistingFile::Keep ? u"/guardar"_s : u"/reemplazar"_s;
    if (name.trimmed().isEmpty()) {
        print(u"Falta el nombre: "_s + command + u" NOMBRE"_s);
        return;
    }
    QString folder = QDir::currentPath();
    QString typedName = name;
    if (name.contains(u'/')) {
        const QFileInfo file(name);
        folder = file.absolutePath();
        typedName = file.fileName();
    }
    if (trimBlanks(typedName).isEmpty()) {
        print(u"No se ha guardado nada: falta el nombre del archivo detrás de "_s + name);
        m_engine.cancelSaveAs();
    } else if (!m_engine.saveKnowledgeFileAs(saveAsFilePath(folder, typedName), whenExisting)) {
        print(u"$ Ya existe "_s + name + u": use /reemplazar "_s + name + u" para reemplazarlo"_s);
    }
}

void CommandInterpreter::selectVoice(const QString &word)
{
    const QString voice = word.trimmed().toLower();
    if (voice == u"masculina"_s)
        m_engine.setVoice(Voice::Male);
    else if (voice == u"femenina"_s)
        m_engine.setVoice(Voice::Female);
    else
        print(u"Use /voz masculina o /voz femenina"_s);
}

void CommandInterpreter::setOnOrOff(const QString &command, const QString &word,
                                    void (DialogueEngine::*set)(bool))
{
    const QString answer = word.trimmed().toLower();
    if (answer == u"si"_s || answer == u"sí"_s)
        (m_engine.*set)(true);
    else if (answer == u"no"_s)
        (m_engine.*set)(false);
    else
        print(u"Use /"_s + command + u" si o /"_s + command + u" no"_s);
}

void CommandInterpreter::printAbout()
{
    const AboutInfo info = aboutInfo();
    print(info.caption + u'\n' + info.title + u'\n' + info.version + u'\n' + info.description +
          u'\n' + info.disclaimer);
}

void CommandInterpreter::printHelp(const QString &pageName)
{
    QStringList names;
    for (const HelpPageInfo &page : helpPages()) {
        if (page.name == pageName) {
            m_messages.write(helpPagePlainText(page.page).toUtf8());
            return;
        }
        names += u"/ayuda "_s + page.name;
    }
    const QString pages = names.join(u", "_s);
    if (pageName.isEmpty())
        print(QString::fromUtf16(helpText) + u"Páginas de ayuda: "_s + pages);
    else
        print(u"No hay ninguna página de ayuda \""_s + pageName + u"\": use "_s + pages);
}

void CommandInterpreter::print(const QString &text)
{
    m_messages.write(terminalText(text + u'\n'));
}

} // namespace teskaro
