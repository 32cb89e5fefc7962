// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogue/aboutinfo.h"
#include "support/windowrig.h"
#include "ui/aboutbox.h"
#include "ui/folderbrowser.h"
#include "ui/knowledgemapwindow.h"
#include "ui/mapcanvas.h"
#include "ui/opendialog.h"
#include "ui/qttranslation.h"
#include "ui/savedialog.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableView>
#include <QTextBrowser>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void filtersTypedKeys_data();
    void filtersTypedKeys();
    void keysWorkFromAnywhereAndLeaveTheFocusInTheLine_data();
    void keysWorkFromAnywhereAndLeaveTheFocusInTheLine();
    void transcriptShowsItsEnd();
    void contextMenusInSpanishWithoutTheModeKeys();
    void learnsThenAnswersTypedInTheWindow();
    void openDialogPassesTheChosenFile();
    void fileDialogsAnswerTheirKeys_data();
    void fileDialogsAnswerTheirKeys();
    void helpOpensAtThePageAskedFor();
    void editsFromTheKeyboard_data();
    void editsFromTheKeyboard();
    void everyWindowNamesItsControls();
    void announcesWhatTeskaroSaysOncePerAction();
    void drawsTheKnowledgeMap();
};

void TestMainWindow::filtersTypedKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower case") << u"que sabes"_s << u"QUE SABES"_s;
    QTest::newRow("ñ") << u"españa"_s << u"ESPAÑA"_s;
    QTest::newRow("question marks") << u"¿donde?"_s << u" DONDE "_s;
    QTest::newRow("accents and Ü, ß as it is") << u"éáüçÿß"_s << u"ÉÁÜÇŸß"_s;
    QTest::newRow("no capital in the code page") << u"µą"_s << u"µą"_s;
    QTest::newRow("from an input method") << u"im:á ¿qué?"_s << u"Á  QUÉ "_s;
}

// Keys, or with "im:" what an input method or a dead key commits.
void TestMainWindow::filtersTypedKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    WindowRig rig;
    if (typed.startsWith(u"im:"_s)) {
        QInputMethodEvent event;
        event.setCommitString(typed.mid(3));
        QApplication::sendEvent(rig.input(), &event);
    }
    // keyClicks sends ASCII only; any character can be the text of a key.
    for (const QChar c : typed.startsWith(u"im:"_s) ? QString() : typed)
        QTest::sendKeyEvent(QTest::Click, rig.input(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(rig.input()->text(), shown);
}

static QStringList announced;

// Qt 6.8 has announcements; before, a notification's name changes.
static void keepAnnouncement(QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        announced += static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#else
    QAccessibleInterface *object = event->accessibleInterface();
    if (event->type() == QAccessible::NameChanged && object->role() == QAccessible::Notification)
        announced += object->text(QAccessible::Name);
#endif
}

// As with a screen reader listening, which the window tests all run with.
void TestMainWindow::initTestCase()
{
    installSpanishQtTexts();
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(keepAnnouncement);
}

void TestMainWindow::keysWorkFromAnywhereAndLeaveTheFocusInTheLine_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("switches");
    const auto row = [](const char *from, const char *keys, Mode mode, int switches) {
        QTest::addRow("%s in %s", keys, from)
            << QString::fromLatin1(from) << QKeySequence(QString::fromLatin1(keys)) << mode
            << switches;
    };
    row("inputLine", "Ctrl+C", Mode::Consultation, 1);
    row("knowledgeFileBox", "Ctrl+C", Mode::Consultation, 1);
    row("transcript", "Ctrl+A", Mode::Learning, 1);
    row("learningOption", "Down", Mode::Consultation, 1);
    row("inputLine", "Alt+X", Mode::Learning, 0); // types nothing
}

void TestMainWindow::keysWorkFromAnywhereAndLeaveTheFocusInTheLine()
{
    QFETCH(QString, from);
    QFETCH(QKeySequence, keys);
    WindowRig rig;
    QGuiApplication::clipboard()->setText(u"antes"_s);
    QTest::keyClicks(rig.input(), u"ABC"_s);
    rig.input()->selectAll();
    rig.child(from)->setFocus();
    QTest::keySequence(rig.child(from), keys);
    QTRY_VERIFY(rig.input()->hasFocus());
    QTest::keyClick(rig.input(), Qt::Key_Space);
    QTEST(rig.engine.session().mode(), "mode");
    QTEST(int(rig.transcript().count(u"cambiando a modo"_s)), "switches");
    QCOMPARE(QGuiApplication::clipboard()->text(), u"antes"_s);
    QCOMPARE(rig.input()->text(), u" "_s);
}

void TestMainWindow::transcriptShowsItsEnd()
{
    WindowRig rig;
    auto *transcript = rig.child<QTextEdit>(u"transcript"_s);
    const auto endShown = [transcript] {
        return transcript->viewport()->rect().contains(transcript->cursorRect());
    };
    for (int i = 0; i < 20; ++i)
        rig.typeLine(u"XYZ"_s);
    rig.engine.openKnowledgeFile(u"OTRO.alm"_s);
    QVERIFY(endShown());
    rig.engine.sortKnowledgeFile();
    QVERIFY(endShown());
    rig.engine.removeRepeatedRecords(); // told when it ends
    QTRY_VERIFY(rig.transcript().endsWith(u"$ Eliminados 2 registros repetidos de OTRO.alm\n"_s));
    rig.window.resize(rig.window.width() - 300, rig.window.height() - 200);
    QTRY_VERIFY(endShown());
}

void TestMainWindow::contextMenusInSpanishWithoutTheModeKeys()
{
    WindowRig rig;
    const auto keys = [](const char *text) {
        return u'\t' + QKeySequence(QString::fromLatin1(text)).toString(QKeySequence::NativeText);
    };
    for (const char *name : {"transcript", "inputLine", "knowledgeFileBox"}) {
        QWidget *target = rig.child(QString::fromLatin1(name));
        if (auto *text = qobject_cast<QTextEdit *>(target))
            target = text->viewport();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, {}, target->mapToGlobal(QPoint()));
        QCoreApplication::sendEvent(target, &event);
        QWidget *menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QString all;
        for (QAction *item : menu->actions())
            all += item->text() + u'|';
        menu->close();
        QVERIFY2(all.contains(u"&Copiar"_s + keys("Ctrl+Ins")) &&
                     all.contains(u"Seleccionar todo|"_s) && !all.contains(keys("Ctrl+C")) &&
                     !all.contains(keys("Ctrl+A")),
                 qPrintable(all));
    }
}

void TestMainWindow::learnsThenAnswersTypedInTheWindow()
{
    WindowRig rig;
    rig.typeLine(u"los perros son animales leales"_s);
    QCOMPARE(rig.folder.read(u"default.alm"_s), "\" LOS PERROS \",\" SON ANIMALES LEALES \"\r\n"
                                                "\" SON ANIMALES LEALES \",\" LOS PERROS \"\r\n");
    QTest::keyClick(rig.input(), Qt::Key_C, Qt::ControlModifier);
    for (const QString &name : {u"logicRules"_s, u"realTimeLogic"_s, u"realTimeLogic"_s})
        rig.child<QAction>(name)->trigger();
    QVERIFY(rig.engine.session().logicRulesApplied() &&
            !rig.engine.session().realTimeLogicApplied());
    QVERIFY(rig.child<QAction>(u"logicRules"_s)->isChecked());
    rig.typeLine(u"que sabes sobre los perros"_s);
    QVERIFY(rig.transcript().endsWith(u"LOS PERROS SON ANIMALES LEALES \n"_s)); // the answer
    QCOMPARE(rig.transcript(), rig.engine.session().transcript().replace(u"\r\n"_s, u"\n"_s));
    QVERIFY(rig.input()->text().isEmpty());
}

void TestMainWindow::openDialogPassesTheChosenFile()
{
    WindowRig rig;
    rig.folder.write(u"MEDICINA.alm"_s, {});
    auto *open = rig.child<QAction>(u"openFile"_s);
    open->trigger();
    auto *dialog = rig.child<OpenDialog>(u"openDialog"_s);
    QCOMPARE(dialog->focusWidget(), dialog->browser()->fileList());
    QCOMPARE(rig.child<QLabel>(u"learnedCount"_s)->text(), u"??"_s);
    dialog->browser()->selectFile(u"MEDICINA.alm"_s);
    open->trigger(); // the same one comes to the front, as it was
    QCOMPARE(rig.window.findChildren<OpenDialog *>().size(), 1);
    dialog->findChild<QPushButton *>(u"openButton"_s)->click();
    const QString chosen = rig.folder.filePath(u"MEDICINA.alm"_s);
    QCOMPARE(rig.engine.session().knowledgeFile(), chosen);
    QVERIFY(rig.transcript().endsWith(u"$ abriendo base de conocimientos "_s + chosen +
                                      u" ...\n\n:) ESTOY LISTO PARA UNA SESION.\n"_s));
}

void TestMainWindow::fileDialogsAnswerTheirKeys_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("typed"); // the file selected to open, the name typed to save as
    QTest::addColumn<QKeySequence>("keys");
    // In the test folder; "-" when nothing is reported, "=" when it stays open.
    QTest::addColumn<QString>("chosen");
    const auto row = [](bool save, const char *typed, const char *keys, const char *chosen) {
        const char *tag = !*typed ? "nothing" : *typed == ' ' ? "a blank" : typed;
        QTest::addRow("%s %s, %s", save ? "save" : "open", tag, keys)
            << save << QString::fromLatin1(typed) << QKeySequence(QString::fromLatin1(keys))
            << QString::fromLatin1(chosen);
    };
    row(false, "MEDICINA.alm", "Return", "MEDICINA.alm");
    row(false, "MEDICINA.alm", "Alt+A", "MEDICINA.alm");
    row(false, "", "Return", "=");
    row(false, "MEDICINA.alm", "Alt+C", "-");
    row(false, "MEDICINA.alm", "Escape", "-");
    row(true, "copia", "Return", "copia.alm");
    row(true, "copia", "Alt+G", "copia.alm");
    row(true, " ", "Return", "-");
    row(true, "copia", "Alt+C", "-");
    row(true, "copia", "Escape", "-");
    row(true, "MEDICINA", "Return", "="); // not to be replaced
    row(true, "MEDICINA.alm", "Alt+G", "MEDICINA.alm");
}

// Enter presses the default button, each button answers its access key, and
// either way the dialog closes; a choice is reported once.
void TestMainWindow::fileDialogsAnswerTheirKeys()
{
    QFETCH(bool, save);
    QFETCH(QString, typed);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, chosen);
    Fakes fakes;
    TestFolder folder;
    folder.write(u"MEDICINA.alm"_s, {});
    QStringList reported;
    QPointer<SaveDialog> saveDialog;
    QPointer<QDialog> dialog;
    fakes.messages.yesNo = chosen == u"="_s ? MessageAnswer::No : MessageAnswer::Yes;
    if (save) {
        dialog = saveDialog = new SaveDialog(fakes.platform);
    } else {
        auto *openDialog = new OpenDialog(fakes.messages); // goes once closed
        connect(openDialog, &OpenDialog::chosen, openDialog,
                [&reported](const QString &path) { reported += path; });
        dialog = openDialog;
    }
    const auto cleanup = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    if (saveDialog)
        QTest::keyClicks(dialog->focusWidget(), typed);
    else if (!typed.isEmpty())
        static_cast<OpenDialog *>(dialog.data())->browser()->selectFile(typed);
    QTest::keySequence(dialog->focusWidget(), keys);
    if (chosen == u"="_s) // Abrir is off, or Guardar was answered No
        QVERIFY(dialog->isVisible());
    else
        QTRY_VERIFY(!dialog || !dialog->isVisible()); // an access key clicks a moment later
    if (saveDialog && !saveDialog->chosenPath().isEmpty())
        reported += saveDialog->chosenPath();
    const QStringList expected{folder.path() + u'/' + chosen};
    QCOMPARE(reported, chosen.size() == 1 ? QStringList() : expected);
    QCOMPARE(fakes.messages.shown.size(), qsizetype(save && typed.startsWith(u"MEDICINA"_s)));
    for (const Message &question : std::as_const(fakes.messages.shown)) // over the dialog
        QVERIFY(question.asker == saveDialog &&
                question.text == u"Ya existe MEDICINA.alm. ¿Desea reemplazarlo?"_s);
}

void TestMainWindow::helpOpensAtThePageAskedFor()
{
    WindowRig rig;
    QTest::keyClick(rig.input(), Qt::Key_F1);
    auto *page = rig.child<QTextBrowser>(u"helpPage"_s);
    QVERIFY(page && page->toPlainText().startsWith(u"Funcionamiento de Teskaro"_s));
    rig.child<QAction>(u"expertSystems"_s)->trigger();
    QCOMPARE(rig.window.findChildren<QTextBrowser *>().size(), 1);
    QVERIFY(page->toPlainText().startsWith(u"Los Sistemas Expertos"_s));
    QTest::keyClick(page, Qt::Key_Escape);
    QTRY_VERIFY(!rig.child(u"helpWindow"_s));
}

// The knowledge editor from the keyboard, on a default.alm (or none) that the
// window may learn into meanwhile: the file, the counts the editor shows
// ("-": it has closed), and its boxes, all of them its own.
void TestMainWindow::editsFromTheKeyboard_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("told");
    const auto statement = [](const QByteArray &topic, const QByteArray &rest) {
        return "\" " + topic + " \",\" " + rest + " \"\r\n\" " + rest + " \",\" " + topic +
               " \"\r\n";
    };
    const QByteArray sol = statement("EL SOL", "ES UNA ESTRELLA");
    const QByteArray luna = statement("LA LUNA", "ES BLANCA");
    const QByteArray granada = statement("GRANADA", "ESTA EN ANDALUCIA");
    const QString two = u"2 afirmaciones, 4 registros"_s;
    QTest::addRow("forgotten, corrected, undone; a blank line in between")
        << sol + "\r\n" + luna
        << u"buscar luna|Down|F2|escribir la luna llena|buscar|Ctrl+Home|Del|Ctrl+Z"_s
        << sol + statement("LA LUNA LLENA", "ES BLANCA") << two
        << u"¿Olvidar la afirmación elegida? Se quitan sus dos registros del archivo."_s;
    QTest::addRow("a file made after it opened, relisted when raised again")
        << QByteArray()
        << u"aprender el sol es una estrella|esperar 1 afirmación, 2 registros|aprender la luna es "
           u"blanca|editar"_s
        << sol + luna << two << QString();
    QTest::addRow("a correction keeps the copula")
        << granada << u"Down|Right|Right|F2|escribir en andalucia"_s << granada
        << u"1 afirmación, 2 registros"_s
        << u"El resto tiene que empezar por ES, SON, ESTA o ESTAN, como al aprender."_s;
    QTest::addRow("Escape closes it") << granada << u"Escape"_s << granada << u"-"_s << QString();
}

void TestMainWindow::editsFromTheKeyboard()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, steps);
    QFETCH(QString, counts);
    WindowRig rig;
    if (!file.isNull())
        rig.folder.write(u"default.alm"_s, file);
    rig.child<QAction>(u"editKnowledge"_s)->trigger();
    QWidget *editor = rig.child(u"knowledgeEditor"_s);
    QCOMPARE(editor->geometry().center(), rig.window.frameGeometry().center());
    auto *table = rig.child<QTableView>(u"statements"_s);
    QCOMPARE(table->model()->headerData(3, Qt::Horizontal).toString(), u"Espejo"_s);
    QApplication::setActiveWindow(editor);
    const auto shownCounts = [&rig] {
        return rig.child<QLabel>(u"statementCounts"_s)->text();
    };
    for (const QString &step : steps.split(u'|')) {
        const QString text = step.section(u' ', 1);
        if (step.startsWith(u"buscar"_s))
            rig.child<QLineEdit>(u"knowledgeSearch"_s)->setText(text);
        else if (step.startsWith(u"aprender"_s))
            rig.typeLine(text);
        else if (step.startsWith(u"escribir"_s)) // into the field F2 opened
            QTest::keyClicks(table->findChild<QLineEdit *>(), text + u'\r');
        else if (step == u"editar"_s)
            rig.child<QAction>(u"editKnowledge"_s)->trigger();
        else if (step.startsWith(u"esperar"_s)) // for the folder's watch
            QTRY_COMPARE(shownCounts(), text);
        else {
            table->setFocus(); // for the table's own keys
            QTest::keySequence(table, QKeySequence(step));
        }
        QCoreApplication::sendPostedEvents(); // an edit is committed once back in the loop
    }
    QTEST(rig.folder.read(u"default.alm"_s), "after");
    if (counts == u"-"_s)
        QTRY_VERIFY(!rig.child(u"knowledgeEditor"_s));
    else
        QCOMPARE(shownCounts(), counts);
    QStringList told;
    for (const Message &message : std::as_const(rig.messages.shown))
        told += message.asker == editor ? message.text : u"(not the editor's)"_s;
    QTEST(told.join(u'|'), "told");
}

// Names focusable controls by their own name or a label's, and fails on the
// marks of table cells Qt's documents hold. Item views end the walk.
void walkAccessible(QAccessibleInterface *object, QStringList &focusableNames)
{
    const QAccessibleTextInterface *text = object->textInterface();
    const QString all = object->text(QAccessible::Name) + object->text(QAccessible::Description) +
                        (text ? text->text(0, text->characterCount()) : QString());
    QVERIFY2(!all.contains(QChar(0xFDD0)) && !all.contains(QChar(0xFDD1)), qPrintable(all));
    if (object->state().focusable) {
        QString name = object->text(QAccessible::Name);
        for (const auto &[label, relation] : object->relations(QAccessible::Label))
            name = label->role() == QAccessible::StaticText ? label->text(QAccessible::Name) : name;
        focusableNames += name;
        QVERIFY2(object->role() != QAccessible::Client, qPrintable(name));
    }
    for (int i = 0; !object->tableInterface() && i < object->childCount(); ++i)
        walkAccessible(object->child(i), focusableNames);
}

void TestMainWindow::everyWindowNamesItsControls()
{
    WindowRig rig;
    for (const QString &item :
         {u"openFile"_s, u"editKnowledge"_s, u"howItWorks"_s, u"knowledgeMap"_s})
        rig.child<QAction>(item)->trigger();
    SaveDialog save(rig.platform, &rig.window);
    AboutBox about(rig.platform, &rig.window);
    QStringList names;
    for (QWidget *window : QWidgetList{&rig.window, rig.child(u"openDialog"_s), &save, &about,
                                       rig.child(u"helpWindow"_s), rig.child(u"knowledgeEditor"_s),
                                       rig.child(u"knowledgeMap"_s)}) {
        QAccessibleInterface *object = QAccessible::queryAccessibleInterface(window);
        QVERIFY2(object->role() != QAccessible::Client, qPrintable(window->objectName()));
        walkAccessible(object, names);
    }
    names.removeDuplicates();
    names.sort();
    QStringList expected =
        u"Frase, modo aprendizaje|Conversación|Alimentar|Consultar|Aprendizaje|"
        u"Consulta|Síntesis de Voz|Base de conocimiento|Unidad:|Unidades|"
        u"Carpetas|Archivos|Abrir|Cancelar|Nombre Archivo:|Guardar|Buscar|"
        u"Afirmaciones|Olvidar|Deshacer|Rehacer|Contenido|Página de ayuda|"
        u"Aceptar|Información...|Tema:|Profundidad:|Cosas y afirmaciones del mapa|"
        u"Lo señalado en el mapa|Guardar imagen del mapa"_s.split(u'|')
        << authorAddress();
    expected.sort();
    QCOMPARE(names, expected);
    const auto named = [&rig](const char *name) {
        return QAccessible::queryAccessibleInterface(rig.child(QString::fromLatin1(name)));
    };
    QCOMPARE(named("learnedCount")->text(QAccessible::Name), u"Aprendizaje directo: ??"_s);
    QCOMPARE(named("fileList")->tableInterface()->columnCount(), 1);     // the names alone
    QAccessibleTextInterface *page = named("helpPage")->textInterface(); // a table's row a line
    int start = int(page->text(0, page->characterCount()).indexOf(u"HABLEMOS"_s));
    int end = 0;
    QCOMPARE(page->textAtOffset(start, QAccessible::LineBoundary, &start, &end),
             u"HABLEMOS\nAprendizaje\npasa a Consulta: cambiando a modo consulta\n"_s);
}

// Once an action is over, once: what Teskaro added, without the echo of the
// typed line, and a new mode's name first.
void TestMainWindow::announcesWhatTeskaroSaysOncePerAction()
{
    WindowRig rig;
    QCoreApplication::sendPostedEvents(); // the greeting
    const QList<std::pair<QString, QString>> steps{
        {u"los perros son animales leales"_s,
         u":) ESTOY APRENDIENDO COSAS NUEVAS SOBRE   LOS PERROS ..."_s},
        {u"Ctrl+C"_s,
         u"Modo consulta.\n$   ... cambiando a modo consulta ...\n:) PREGUNTA LO QUE QUIERAS"_s},
        {u"que sabes sobre los perros"_s,
         u":) TENGO ENTENDIDO QUE LOS PERROS SON ANIMALES LEALES"_s}};
    for (const auto &[step, told] : steps) {
        announced.clear();
        step.startsWith(u"Ctrl"_s) ? QTest::keySequence(rig.input(), QKeySequence(step))
                                   : rig.typeLine(step);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(announced, QStringList{told});
    }
}

// The map of the sample base, whole, searched, centred from the keyboard
// (Right twice from the subject's thing, to MADRID and on), saved as SVG.
void TestMainWindow::drawsTheKnowledgeMap()
{
    WindowRig rig;
    QFile sample(qEnvironmentVariable("TESKARO_SOURCE_DIR") + u"/data/default.alm"_s);
    QVERIFY(sample.open(QIODevice::ReadOnly));
    rig.folder.write(u"default.alm"_s, sample.readAll());
    rig.child<QAction>(u"knowledgeMap"_s)->trigger();
    auto *map = rig.child<KnowledgeMapWindow>(u"knowledgeMap"_s);
    QCOMPARE(map->windowTitle(), u"Mapa de conocimientos — default.alm"_s);
    QApplication::setActiveWindow(map);
    auto *counts = rig.child<QLabel>(u"mapCounts"_s);
    QTRY_COMPARE(counts->text(), u"142 cosas, 79 afirmaciones"_s);
    rig.child<QLineEdit>(u"mapSearch"_s)->setText(u"PRADO"_s);
    QTRY_COMPARE(counts->text(), u"5 cosas, 4 afirmaciones"_s);
    auto *canvas = rig.child<MapCanvas>(u"mapCanvas"_s);
    canvas->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return})
        QTest::keyClick(canvas, key);
    QTRY_COMPARE(counts->text(), u"4 cosas, 3 afirmaciones"_s);
    QCOMPARE(canvas->items().size(), 4);
    const QString spoken =
        QAccessible::queryAccessibleInterface(canvas)->focusChild()->text(QAccessible::Name);
    QVERIFY2(spoken.contains(u": MADRID ES"_s), qPrintable(spoken));
    QVERIFY(map->saveImage(u"mapa.svg"_s));
    const QString svg = QString::fromUtf8(rig.folder.read(u"mapa.svg"_s));
    for (const QString &name :
         {u"MADRID"_s, u"EL MUSEO DEL PRADO"_s, u"ESTA EN"_s, spoken.section(u':', 0, 0)})
        QVERIFY2(svg.contains(u'>' + name + u'<'), qPrintable(name));
    rig.launcher.missing = {u"dot"_s};
    rig.child<QSpinBox>(u"mapDepth"_s)->setValue(3);
    QTRY_VERIFY(counts->text().startsWith(u"No se encuentra el programa dot de Graphviz"_s));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
