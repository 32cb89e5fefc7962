// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/dialogueengine.h"
#include "fakes.h"
#include "testfolder.h"
#include "ui/mainwindow.h"

#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

namespace teskaro::testing {

using namespace Qt::StringLiterals;

// The real window on an engine on fakes, in a fresh test folder: shown, active, started.
struct WindowRig : Fakes
{
    WindowRig()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window)); // shortcuts need an active window
        engine.start();
    }

    template <typename T = QWidget>
    T *child(const QString &name) const
    {
        return window.findChild<T *>(name);
    }
    QLineEdit *input() const { return child<QLineEdit>(u"inputLine"_s); }
    QString transcript() const { return child<QTextEdit>(u"transcript"_s)->toPlainText(); }
    void typeLine(const QString &text) const { QTest::keyClicks(input(), text + u'\r'); }

    TestFolder folder;
    DialogueEngine engine{platform, speech, random};
    MainWindow window{engine, platform};
};

} // namespace teskaro::testing
