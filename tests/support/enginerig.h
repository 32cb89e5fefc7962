// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/dialogueengine.h"
#include "fakes.h"
#include "testfolder.h"

namespace teskaro::testing {

// An engine on fakes, in a test folder of its own that optionally holds a
// default.alm, started and ready for lines.
struct EngineRig : Fakes
{
    explicit EngineRig(const QByteArray &defaultFile = QByteArray())
    {
        if (!defaultFile.isNull())
            folder.write(QStringLiteral("default.alm"), defaultFile);
        engine.start();
        mark();
    }

    // What the transcript gained since the last mark, which it then moves.
    QString added()
    {
        QString text = engine.session().transcript().mid(m_mark);
        mark();
        return text;
    }
    void mark() { m_mark = engine.session().transcript().size(); }
    QByteArray file() const { return folder.read(QStringLiteral("default.alm")); }

    TestFolder folder;
    DialogueEngine engine{platform, speech, random};

private:
    qsizetype m_mark = 0;
};

} // namespace teskaro::testing
