#include "support/recordingfakes.h"
#include "support/testfolder.h"
#include "ui/aboutbox.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsItsTextsAndPicture();
    void informationButtonStartsSysInfo();
    void acercaOpensTheSameBoxEachTime();
};

namespace {

QString textOf(const QWidget *box, const QString &name)
{
    if (auto *label = box->findChild<QLabel *>(name))
        return label->text();
    if (auto *button = box->findChild<QPushButton *>(name))
        return button->text();
    return u"<missing>"_s;
}

// Everything a user reads on the box.
QStringList textsOf(const QWidget *box)
{
    QStringList texts{box->objectName(), box->windowTitle()};
    for (const QString &name : {u"lblTitle"_s, u"lblVersion"_s, u"lblDescription"_s,
                                u"lblDisclaimer"_s, u"cmdOK"_s, u"cmdSysInfo"_s})
        texts += textOf(box, name);
    return texts;
}

QPushButton *button(const QWidget *box, const QString &name)
{
    return box->findChild<QPushButton *>(name);
}

struct Opened
{
    QStringList texts;
    QPointer<QDialog> box;
    bool modal = false;
    bool closedByOk = false;
};

// Runs the menu item; once its box is up, reads it and clicks "Aceptar".
// A box that does not close is closed here, so no test can hang on it.
Opened openAndAccept(MainWindow &window)
{
    Opened opened;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        opened.box = box;
        opened.texts = textsOf(box);
        opened.modal = box->isModal() && box->parentWidget() == &window;
        QTest::mouseClick(button(box, u"cmdOK"_s), Qt::LeftButton);
        opened.closedByOk = !box->isVisible() && box->result() == QDialog::Accepted;
        if (box->isVisible())
            box->reject();
    });
    poll.start();
    window.action(u"acerca"_s)->trigger();
    return opened;
}

} // namespace

void TestAboutBox::showsItsTextsAndPicture()
{
    EngineRig rig;
    AboutBox box(rig.engine);
    QVERIFY(box.isModal());
    QStringList texts = textsOf(&box);
    const QString description = texts.takeAt(4);
    const QString disclaimer = texts.takeAt(4);
    QCOMPARE(texts,
             (QStringList{u"frmAbout"_s, u"acerca de TESKARO..."_s, u"TESKARO"_s,
                          u"Versión compilada: 1.0.35"_s, u"Aceptar"_s, u"&Información..."_s}));
    QVERIFY2(description.startsWith(u"  Sistema Experto de Aprendizaje y Consulta de propósito "
                                    u"general basado en el lenguaje humano. "_s) &&
                 description.size() > 120,
             qPrintable(description));
    QVERIFY2(disclaimer.startsWith(u"© "_s), qPrintable(disclaimer));
    QVERIFY(button(&box, u"cmdOK"_s)->isDefault());
    QVERIFY(!box.findChild<QLabel *>(u"Image1"_s)->pixmap().isNull());
    for (const QString &name : {u"Frame1"_s, u"Shape1"_s, u"Line1"_s})
        QVERIFY2(box.findChild<QWidget *>(name), qPrintable(name));
}

void TestAboutBox::informationButtonStartsSysInfo()
{
    EngineRig rig;
    rig.registry.set(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s,
                     RegistryValue{1, "msinfo32\0"_ba});
    AboutBox box(rig.engine);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QTest::mouseClick(button(&box, u"cmdSysInfo"_s), Qt::LeftButton);
    QCOMPARE(rig.launcher.started, QList<QStringList>{{u"msinfo32"_s}});
    QVERIFY(rig.messages.shown.isEmpty());

    rig.registry.values.clear();
    QTest::mouseClick(button(&box, u"cmdSysInfo"_s), Qt::LeftButton);
    QCOMPARE(rig.launcher.started.size(), 1);
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.at(0).title, u"teskaro"_s);
    QVERIFY(box.isVisible());
}

void TestAboutBox::acercaOpensTheSameBoxEachTime()
{
    TestFolder folder;
    PlatformFakes fakes;
    MainWindow window;
    DialogueEngine engine{window, fakes.platform, fakes.speech, fakes.random};
    window.attach(engine);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const Opened first = openAndAccept(window);
    QCOMPARE(first.texts.mid(0, 2), (QStringList{u"frmAbout"_s, u"acerca de TESKARO..."_s}));
    QVERIFY(first.modal);
    QVERIFY(first.closedByOk);
    QVERIFY(first.box.isNull());

    const Opened second = openAndAccept(window);
    QVERIFY(second.closedByOk);
    QCOMPARE(second.texts, first.texts);
    QVERIFY(fakes.launcher.started.isEmpty() && fakes.messages.shown.isEmpty());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
