#include "commandinterpreter.h"

#include "consoleview.h"
#include "dialogue/dialogueengine.h"
#include "statusline.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <optional>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

using MenuEvent = void (DialogueEngine::*)();

struct MenuItem
{
    const char16_t *command;
    MenuEvent event;
};

// The menu items a command clicks as they are, without an argument.
constexpr MenuItem menuItems[] = {
    {u"aprendizaje", &DialogueEngine::aprend_Click},
    {u"consulta", &DialogueEngine::consul_Click},
    {u"ordenar", &DialogueEngine::orden_Click},
    {u"redundancias", &DialogueEngine::redun_Click},
    {u"invertir", &DialogueEngine::inve_Click},
    {u"acerca", &DialogueEngine::acerca_Click},
    {u"salir", &DialogueEngine::salir_Click},
};

const char16_t helpText[] =
    u"Cada línea se escribe en la entrada y se envía con Intro. Las líneas que empiezan por "
    u"\"/\" son órdenes:\n"
    u"  /aprendizaje      modo Aprendizaje [ Input ]\n"
    u"  /consulta         modo Consulta [ Output ]\n"
    u"  /abrir ARCHIVO    abre un archivo de conocimientos\n"
    u"  /guardar NOMBRE   guarda el archivo de conocimientos actual con otro nombre\n"
    u"  /ordenar          ordena ideas y recuerdos\n"
    u"  /redundancias     elimina redundancias\n"
    u"  /invertir         invierte o deja de invertir los pronombres MI-TU / ME-TE\n"
    u"  /voz masculina    voz sintética masculina\n"
    u"  /voz femenina     voz sintética femenina\n"
    u"  /sintesis si|no   activa o desactiva la síntesis de voz\n"
    u"  /acerca           acerca de TESKARO\n"
    u"  /estado           base de conocimiento, aprendizaje directo y modo\n"
    u"  /ayuda            esta ayuda\n"
    u"  /salir            termina\n"
    u"  //TEXTO           escribe \"/TEXTO\" en la entrada\n";

} // namespace

CommandInterpreter::CommandInterpreter(DialogueEngine &engine, ConsoleView &view,
                                       QIODevice &messages)
    : m_engine(engine)
    , m_view(view)
    , m_messages(messages)
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
            withoutArgument([&] { (m_engine.*item.event)(); });
            return;
        }
    }
    if (command == u"estado"_s)
        withoutArgument([this] { print(statusLine(m_engine.state())); });
    else if (command == u"ayuda"_s)
        withoutArgument([this] { printHelp(); });
    else if (command == u"abrir"_s)
        openFile(argument.value_or(QString()));
    else if (command == u"guardar"_s)
        saveAs(argument.value_or(QString()));
    else if (command == u"voz"_s)
        selectVoice(argument.value_or(QString()));
    else if (command == u"sintesis"_s)
        setSpeech(argument.value_or(QString()));
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
    m_engine.abre_Click();
    m_engine.Formopen_Command1_Click(file.absolutePath(), file.fileName());
}

// The save-as dialog opens on the current folder; a name that holds a
// folder is typed after choosing that folder.
void CommandInterpreter::saveAs(const QString &name)
{
    if (name.trimmed().isEmpty()) {
        print(u"Falta el nombre: /guardar NOMBRE"_s);
        return;
    }
    if (name.contains(u'/')) {
        const QFileInfo file(name);
        m_view.setNextSaveChoice(file.absolutePath(), file.fileName());
    } else {
        m_view.setNextSaveChoice(QDir::currentPath(), name);
    }
    m_engine.guar_Click();
}

void CommandInterpreter::selectVoice(const QString &word)
{
    const QString voice = word.trimmed().toLower();
    if (voice == u"masculina"_s)
        m_engine.masc_Click();
    else if (voice == u"femenina"_s)
        m_engine.feme_Click();
    else
        print(u"Use /voz masculina o /voz femenina"_s);
}

void CommandInterpreter::setSpeech(const QString &word)
{
    const QString answer = word.trimmed().toLower();
    if (answer == u"si"_s || answer == u"sí"_s)
        m_engine.Check1_Click(true);
    else if (answer == u"no"_s)
        m_engine.Check1_Click(false);
    else
        print(u"Use /sintesis si o /sintesis no"_s);
}

void CommandInterpreter::printHelp()
{
    m_messages.write(QString::fromUtf16(helpText).toUtf8());
}

void CommandInterpreter::print(const QString &text)
{
    m_messages.write((text + u'\n').toUtf8());
}

} // namespace teskaro
