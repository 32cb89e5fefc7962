// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

namespace teskaro {

using namespace Qt::StringLiterals;

void Session::setMode(Mode mode)
{
    m_mode = mode;
    Q_EMIT modeChanged(mode);
}

void Session::setPronounInversionApplied(bool on)
{
    m_pronounInversion = on;
    Q_EMIT pronounInversionChanged(on);
}

void Session::setLogicRulesApplied(bool on)
{
    m_logicRules = on;
    Q_EMIT logicRulesChanged(on);
}

void Session::setRealTimeLogicApplied(bool on)
{
    m_realTimeLogic = on;
    Q_EMIT realTimeLogicChanged(on);
}

void Session::setChosenVoice(Voice voice)
{
    m_chosenVoice = voice;
    Q_EMIT chosenVoiceChanged(voice);
}

void Session::setKnowledgeFile(const QString &name)
{
    m_knowledgeFile = name;
    Q_EMIT knowledgeFileChanged(name);
}

void Session::setTitle(const QString &title)
{
    m_title = title;
    Q_EMIT titleChanged(title);
}

void Session::setLearnedCount(int count)
{
    m_learnedCount = count;
    showCount(count);
}

// One blank, then the digits: the way the counter has always been shown.
void Session::showCount(int count)
{
    setCountCaption(u' ' + QString::number(count));
}

void Session::showNotLoaded()
{
    setCountCaption(u"??"_s);
}

void Session::setCountCaption(const QString &caption)
{
    m_countCaption = caption;
    Q_EMIT countChanged(caption);
}

// The transcript keeps the CR LF line ends that belong to its texts; this is
// the one place where they become the plain line feeds a screen shows.
void Session::append(const QString &text, TranscriptSource source)
{
    m_transcript += text;
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    Q_EMIT textAdded(shown, source);
}

void Session::appendNotice(const QString &line)
{
    m_transcript += line + u"\r\n"_s;
    Q_EMIT noticeAdded(line);
}

void Session::setStatementListing(const KnowledgeListing &listing)
{
    m_statementListing = listing;
    Q_EMIT statementsListed(listing);
}

void Session::reportEdit(const KnowledgeEdit &edit)
{
    Q_EMIT statementsEdited(edit);
}

void Session::setEditHistory(bool canUndo, bool canRedo)
{
    m_canUndoEdit = canUndo;
    m_canRedoEdit = canRedo;
    Q_EMIT editHistoryChanged(canUndo, canRedo);
}

} // namespace teskaro
