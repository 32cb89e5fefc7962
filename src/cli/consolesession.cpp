#include "consolesession.h"

#include "consoleview.h"
#include "dialogue/dialogueengine.h"
#include "lineinput.h"
#include "statusline.h"

namespace teskaro {

using namespace Qt::StringLiterals;

ConsoleSession::ConsoleSession(DialogueEngine &engine, ConsoleView &view, QIODevice &messages)
    : m_engine(engine)
    , m_view(view)
    , m_commands(engine, view, messages)
{}

void ConsoleSession::run(LineInput &input)
{
    while (const std::optional<QString> line = input.readLine(promptLine(m_engine.state())))
        handleLine(*line);
}

void ConsoleSession::handleLine(const QString &line)
{
    if (line.startsWith(u"//"_s))
        type(line.mid(1));
    else if (line.startsWith(u'/'))
        m_commands.run(line);
    else
        type(line);
    m_view.flush();
}

// Each character goes through the input line's key filter, as a key typed
// in the window does; Enter then presses the current mode's button.
void ConsoleSession::type(const QString &text)
{
    QString input = m_view.inputLine();
    for (const QChar typed : text)
        input += DialogueEngine::Text2_KeyPress(typed);
    m_view.setInputLine(input);
    m_engine.pressDefaultButton();
}

} // namespace teskaro
