#include "commandinterpreter.h"

#include "dialogue/aboutinfo.h"
#include "dialogue/dialogueengine.h"
#include "dialogue/textrules.h"
#include "knowledge/filenames.h"
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
         engine.toggleInversion();
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

CommandInterpreter::CommandInterpreter(DialogueEngine &engine, QIODevice &messages)
    : m_engine(engine)
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
            withoutArgument([&] { item.choose(m_engine); });
            return;
        }
    }
    if (command == u"estado"_s)
        withoutArgument([this] { print(statusLine(m_engine.session())); });
    else if (command == u"acerca"_s)
        withoutArgument([this] { printAbout(); });
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
    m_engine.openKnowledgeFile(openDialogName(file.absolutePath(), file.fileName()));
}

// The save-as dialog opens on the current folder; a name that holds a
// folder is typed after choosing that folder.
void CommandInterpreter::saveAs(const QString &name)
{
    if (name.trimmed().isEmpty()) {
        print(u"Falta el nombre: /guardar NOMBRE"_s);
        return;
    }
    QString folder = QDir::currentPath();
    QString typedName = name;
    if (name.contains(u'/')) {
        const QFileInfo file(name);
        folder = file.absolutePath();
        typedName = file.fileName();
    }
    if (trimmedBlanks(typedName).isEmpty()) {
        print(u"No se ha guardado nada: falta el nombre del archivo detrás de "_s + name);
        m_engine.cancelSaveAs();
    } else {
        m_engine.saveKnowledgeFileAs(saveDialogName(folder, typedName));
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

void CommandInterpreter::setSpeech(const QString &word)
{
    const QString answer = word.trimmed().toLower();
    if (answer == u"si"_s || answer == u"sí"_s)
        m_engine.setSpeechEnabled(true);
    else if (answer == u"no"_s)
        m_engine.setSpeechEnabled(false);
    else
        print(u"Use /sintesis si o /sintesis no"_s);
}

void CommandInterpreter::printAbout()
{
    const AboutInfo info = aboutInfo();
    print(info.caption + u'\n' + info.title + u'\n' + info.version + u'\n' + info.description +
          u'\n' + info.disclaimer);
}

void CommandInterpreter::printHelp()
{
    m_messages.write(QString::fromUtf16(helpText).toUtf8());
}

void CommandInterpreter::print(const QString &text)
{
    m_messages.write(terminalText(text + u'\n'));
}

} // namespace teskaro
