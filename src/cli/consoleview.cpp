#include "consoleview.h"

#include "dialogue/aboutinfo.h"
#include "dialogue/dialogueengine.h"
#include "linebreaks.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>

#include <utility>

namespace teskaro {

ConsoleView::ConsoleView(QIODevice &transcript, QIODevice &messages)
    : m_transcript(transcript)
    , m_messages(messages)
{}

void ConsoleView::setNextSaveChoice(const QString &folderPath, const QString &typedName)
{
    m_nextSaveChoice = SaveChoice{folderPath, typedName};
}

void ConsoleView::flush()
{
    if (auto *file = qobject_cast<QFileDevice *>(&m_transcript))
        file->flush();
}

void ConsoleView::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void ConsoleView::appendToTranscript(const QString &text)
{
    if (text.isEmpty())
        return;
    // A CR LF split between two appends is still one line break.
    const bool continuesBreak = m_afterCarriageReturn && text.front() == u'\n';
    m_afterCarriageReturn = text.back() == u'\r';
    m_transcript.write(withLineFeeds(continuesBreak ? text.mid(1) : text).toUtf8());
}

void ConsoleView::showAboutBox()
{
    const AboutInfo info = aboutInfo();
    const QString box = info.caption + u'\n' + info.title + u'\n' + info.version + u'\n' +
                        info.description + u'\n' + info.disclaimer + u'\n';
    m_messages.write(box.toUtf8());
}

void ConsoleView::showOpenDialog()
{
    if (!m_openDialogShown && m_engine)
        m_engine->Formopen_Load();
    m_openDialogShown = true;
}

void ConsoleView::runSaveDialog()
{
    if (!m_engine)
        return;
    m_engine->Formsave_Load();
    const std::optional<SaveChoice> choice = std::exchange(m_nextSaveChoice, std::nullopt);
    if (choice)
        m_engine->Formsave_Command1_Click(choice->folderPath, choice->typedName);
    else
        m_engine->Formsave_Command2_Click();
}

} // namespace teskaro
