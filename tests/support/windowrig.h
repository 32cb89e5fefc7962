#pragma once

#include "recordingfakes.h"
#include "ui/mainwindow.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace teskaro::testing {

// The real main window on the engine, started up, with every platform
// service faked so that no box can block a test.
struct WindowRig : PlatformFakes
{
    WindowRig()
    {
        window.attach(engine);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("main window not exposed");
        engine.Form_Load();
        window.activateWindow();
        input()->setFocus();
    }

    template <typename T>
    T *child(const QString &name) const
    {
        T *found = window.findChild<T *>(name);
        if (!found)
            qWarning("no child %s", qPrintable(name));
        return found;
    }
    QLineEdit *input() const { return child<QLineEdit>(QStringLiteral("Text2")); }
    QString transcript() const
    {
        return child<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText();
    }
    void typeLine(const QString &text)
    {
        QTest::keyClicks(input(), text);
        QTest::keyClick(input(), Qt::Key_Return);
    }

    MainWindow window;
    DialogueEngine engine{window, platform, speech, random};
};

} // namespace teskaro::testing
