#pragma once

#include "recordingfakes.h"
#include "testfolder.h"

namespace teskaro::testing {

// An engine started in a folder of its own, optionally with a default.alm,
// ready for lines to be typed into it.
struct EngineSession
{
    explicit EngineSession(const QByteArray &defaultFile = QByteArray())
    {
        if (!defaultFile.isNull())
            folder.write(QStringLiteral("default.alm"), defaultFile);
        rig.engine.Form_Load();
        markTranscript();
    }

    // Types the line and presses the learning or the query button.
    void learn(const QString &line)
    {
        rig.view.input = line;
        rig.engine.aprendizaje_Click();
    }
    void ask(const QString &line)
    {
        rig.view.input = line;
        rig.engine.conversacion_Click();
    }

    // What the transcript gained since the last mark.
    void markTranscript() { mark = rig.view.transcript.size(); }
    QString added() const { return rig.view.transcript.mid(mark); }
    QByteArray file() const { return folder.read(QStringLiteral("default.alm")); }

    TestFolder folder;
    EngineRig rig;
    qsizetype mark = 0;
};

} // namespace teskaro::testing
