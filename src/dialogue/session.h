// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/knowledgetable.h"
#include "knowledgelisting.h"
#include "mode.h"
#include "speech/speechcontrol.h"

#include <QObject>
#include <QString>

namespace teskaro {

// Who a text added to the transcript comes from: Teskaro, or the user, whose
// line is echoed before Teskaro answers it.
enum class TranscriptSource {
    Teskaro,
    Echo
};

// Everything the conversation keeps between two user actions, and the news
// of each change to what the user can see. The engine alone changes it;
// front ends read it and connect to its signals to show it their own way.
class Session final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    Mode mode() const { return m_mode; }
    bool pronounInversionApplied() const { return m_pronounInversion; }
    bool speechEnabled() const { return m_speechEnabled; }
    // The voice the user chose last; it speaks only once it could be selected.
    Voice chosenVoice() const { return m_chosenVoice; }
    bool hasEnded() const { return m_ended; }
    // Questions add what follows from their answers by chaining statements.
    bool logicRulesApplied() const { return m_logicRules; }
    // Learning says what it knew already, and what a new statement lets it
    // deduce.
    bool realTimeLogicApplied() const { return m_realTimeLogic; }

    // The knowledge file in use: a name relative to the working folder until
    // a dialog or a save-as makes it a full path.
    QString knowledgeFile() const { return m_knowledgeFile; }
    // The learned-knowledge counter as it is shown: " 12", or "??" while the
    // table counts as not loaded, or "00" before anything was loaded.
    QString countCaption() const { return m_countCaption; }
    QString title() const { return m_title; }
    // Everything written to the transcript, lines ended by CR LF.
    QString transcript() const { return m_transcript; }
    const KnowledgeTable &table() const { return m_table; }
    // The knowledge editor's statements: those of the file it listed last.
    const KnowledgeListing &statementListing() const { return m_statementListing; }
    bool canUndoEdit() const { return m_canUndoEdit; }
    bool canRedoEdit() const { return m_canRedoEdit; }

    void setMode(Mode mode);
    void setPronounInversionApplied(bool on);
    void setSpeechEnabled(bool on) { m_speechEnabled = on; }
    void setChosenVoice(Voice voice);
    void setLogicRulesApplied(bool on);
    void setRealTimeLogicApplied(bool on);
    void markEnded() { m_ended = true; }
    void setKnowledgeFile(const QString &name);
    void setTitle(const QString &title);
    KnowledgeTable &table() { return m_table; }

    // The learned-knowledge counter: set from a load, one more for each
    // statement learned.
    int learnedCount() const { return m_learnedCount; }
    void setLearnedCount(int count);
    // Shows a count without making it the learned-knowledge counter.
    void showCount(int count);
    void showNotLoaded();

    void append(const QString &text, TranscriptSource source = TranscriptSource::Teskaro);
    // A status line that comes apart from what the user does (an outside
    // command ended): kept in the transcript, told by noticeAdded alone.
    void appendNotice(const QString &line);

    void setStatementListing(const KnowledgeListing &listing);
    void reportEdit(const KnowledgeEdit &edit);
    void setEditHistory(bool canUndo, bool canRedo);

Q_SIGNALS:
    // Every switch, also to the mode already on.
    void modeChanged(Mode mode);
    // What the transcript gained, with plain "\n" line ends for display.
    void textAdded(const QString &text, TranscriptSource source);
    // A notice the transcript gained, without its line end.
    void noticeAdded(const QString &line);
    void countChanged(const QString &caption);
    void knowledgeFileChanged(const QString &name);
    void titleChanged(const QString &title);
    void chosenVoiceChanged(Voice voice);
    void pronounInversionChanged(bool on);
    void logicRulesChanged(bool on);
    void realTimeLogicChanged(bool on);
    // The knowledge editor listed a file again, by itself or after a change.
    void statementsListed(const KnowledgeListing &listing);
    // A change to the statements reached the file.
    void statementsEdited(const KnowledgeEdit &edit);
    void editHistoryChanged(bool canUndo, bool canRedo);

private:
    void setCountCaption(const QString &caption);

    Mode m_mode = Mode::Learning;
    bool m_pronounInversion = true;
    bool m_speechEnabled = false;
    Voice m_chosenVoice = Voice::Male;
    bool m_ended = false;
    bool m_logicRules = false;
    bool m_realTimeLogic = false;
    QString m_knowledgeFile;
    QString m_countCaption = QStringLiteral("00");
    QString m_title;
    QString m_transcript;
    KnowledgeTable m_table;
    int m_learnedCount = 0;
    KnowledgeListing m_statementListing;
    bool m_canUndoEdit = false;
    bool m_canRedoEdit = false;
};

} // namespace teskaro
