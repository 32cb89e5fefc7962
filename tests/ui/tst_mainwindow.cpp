#include "support/testfolder.h"
#include "support/windowrig.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hasEveryControlInItsFirstState();
    void hasEveryMenuItemInItsFirstState_data();
    void hasEveryMenuItemInItsFirstState();
    void showsTheStartUpTranscript();
    void learnsAStatementTypedKeyByKey();
    void filtersTypedKeysButNotPastedText();
    void ctrlCInTheInputLineSwitchesToConsultation();
    void ctrlAInTheInputLineSwitchesToLearning();
    void optionButtonsAndCheckBoxReachTheEngine();
    void inversionItemTakesItsMarkFromTheEngine();
    void learnsThenAnswersEndToEnd();
};

namespace {

QColor baseOf(const QPlainTextEdit *edit)
{
    return edit->palette().color(QPalette::Base);
}

} // namespace

void TestMainWindow::hasEveryControlInItsFirstState()
{
    MainWindow window;
    const auto text = [&window](const QString &name) {
        if (auto *label = window.findChild<QLabel *>(name))
            return label->text();
        if (auto *button = window.findChild<QAbstractButton *>(name))
            return button->text();
        if (auto *line = window.findChild<QLineEdit *>(name))
            return line->text();
        return u"<missing>"_s;
    };
    QCOMPARE(window.objectName(), u"Form1"_s);
    QCOMPARE(text(u"Label22"_s), u"00"_s);
    QCOMPARE(text(u"aprendizaje"_s), u"Alimentar"_s);
    QCOMPARE(text(u"conversacion"_s), u"Consultar"_s);
    QCOMPARE(text(u"Option1"_s), u"Aprendizaje"_s);
    QCOMPARE(text(u"Option2"_s), u"Consulta"_s);
    QCOMPARE(text(u"Check1"_s), u"Síntesis de Voz"_s);
    QCOMPARE(text(u"Label7"_s), u"Base de conocimiento :"_s);
    QCOMPARE(text(u"Label20"_s), u"Aprendizaje directo:"_s);
    QCOMPARE(text(u"Label21"_s), u"Aprendizaje lógico:"_s);
    QCOMPARE(text(u"Label23"_s), u"00"_s);
    QCOMPARE(window.findChild<QGroupBox *>(u"Frame1"_s)->title(), u"Rutinas auxiliares"_s);
    QCOMPARE(window.findChild<QGroupBox *>(u"Frame3"_s)->title(), u"Conocimientos adquiridos"_s);
    QVERIFY(window.findChild<QGroupBox *>(u"Frame2"_s)
                ->isAncestorOf(window.findChild<QRadioButton *>(u"Option1"_s)));

    QVERIFY(window.findChild<QRadioButton *>(u"Option1"_s)->isChecked());
    QVERIFY(!window.findChild<QCheckBox *>(u"Check1"_s)->isChecked());
    QVERIFY(window.findChild<QPushButton *>(u"aprendizaje"_s)->isDefault());
    QVERIFY(!window.findChild<QPushButton *>(u"conversacion"_s)->isEnabled());
    QVERIFY(window.findChild<QPushButton *>(u"conversacion"_s)->isHidden());
    for (const QString &hidden : {u"Label21"_s, u"Label23"_s, u"Check4"_s, u"Check5"_s, u"Image3"_s,
                                  u"Picture2"_s, u"Image5"_s, u"Image6"_s})
        QVERIFY2(window.findChild<QWidget *>(hidden)->isHidden(), qPrintable(hidden));
    for (const QString &shown : {u"Image2"_s, u"Picture1"_s, u"Text1"_s, u"Text2"_s, u"Text3"_s})
        QVERIFY2(!window.findChild<QWidget *>(shown)->isHidden(), qPrintable(shown));

    const auto *text1 = window.findChild<QPlainTextEdit *>(u"Text1"_s);
    QCOMPARE(baseOf(text1), QColor(246, 227, 206));
    QCOMPARE(text1->palette().color(QPalette::Text), QColor(80, 80, 255));

    QStringList labels;
    for (const QLabel *label : window.findChildren<QLabel *>())
        labels += label->text();
    for (const QString &help : {u"Sujeto + predicado nominal [verbo SER | ESTAR en 3ª pers.]"_s,
                                u"ej. Sintaxis de aprendizaje [SIN ACENTOS]"_s,
                                u"Fórmula verbal de interrogación + sustantivo"_s,
                                u"ej. Sintaxis de consulta [SIN ACENTOS]"_s,
                                u"- EXPRESE UN UNICO CONCEPTO EN CADA FRASE -"_s,
                                u"Ej. LOS HOMBRES SON ANIMALES INTELIGENTES A VECES"_s,
                                u"Ej. EL LIBRO DE NEUROBIOLOGIA ESTA EN EL TRASTERO"_s,
                                u"Ej. QUE SABES SOBRE LOS HOMBRES"_s, u"CTRL + A"_s, u"CTRL + C"_s})
        QVERIFY2(labels.contains(help), qPrintable(help));
}

void TestMainWindow::hasEveryMenuItemInItsFirstState_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("checked"); // -1 when the item has no mark

    const auto row = [](const char *menu, const char *name, const QString &caption, bool enabled,
                        int checked) {
        QTest::addRow("%s", name) << QString::fromLatin1(menu) << QString::fromLatin1(name)
                                  << caption << enabled << checked;
    };
    row("archi", "abre", u"A&brir archivo de conocimientos"_s, true, -1);
    row("archi", "cierra", u"Ce&rrar archivo de conocimientos actual"_s, false, -1);
    row("archi", "guar", u"&Guardar archivo de conocimientos actual con otro nombre"_s, true, -1);
    row("archi", "salir", u"Salir"_s, true, -1);
    row("modo", "aprend", u"Aprendizaje [ Input ]"_s, true, 1);
    row("modo", "consul", u"Consulta [ Output ]"_s, true, 0);
    row("conf", "logi", u"Aplicar lógica de aprendizaje en tiempo real"_s, false, -1);
    row("conf", "masc", u"Voz sintética Masculina"_s, true, 1);
    row("conf", "feme", u"Voz sintética Femenina"_s, true, 0);
    row("conf", "inve", u"Invertir pronombres posesivos MI-TU / ME-TE"_s, true, 1);
    row("mante", "orden", u"Ordenar ideas y recuerdos"_s, true, -1);
    row("mante", "redun", u"Eliminar redundancias"_s, true, -1);
    row("mante", "logic", u"Aplicar reglas lógicas"_s, false, -1);
    row("mante", "edibas", u"Editar base de conocimientos"_s, false, -1);
    row("ayuda", "sistexp", u"Los Sistemas Expertos"_s, false, -1);
    row("ayuda", "func", u"Funcionamiento de Teskaro"_s, false, -1);
    row("ayuda", "aplica", u"Aplicaciones prácticas de Teskaro"_s, false, -1);
    row("ayuda", "portal", u"Portal Vertical sobre IA del autor de Teskaro"_s, false, -1);
    row("ayuda", "acerca", u"Acerca de..."_s, true, -1);
}

void TestMainWindow::hasEveryMenuItemInItsFirstState()
{
    QFETCH(QString, menu);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(int, checked);

    MainWindow window;
    auto *owner = window.findChild<QMenu *>(menu);
    QVERIFY(owner);
    QAction *item = window.action(name);
    QVERIFY(item);
    QVERIFY(owner->actions().contains(item));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->isEnabled(), enabled);
    QCOMPARE(item->isCheckable(), checked >= 0);
    if (checked >= 0)
        QCOMPARE(item->isChecked(), checked == 1);
    const QHash<QString, QString> titles{{u"archi"_s, u"Archivo"_s},
                                         {u"modo"_s, u"Modo"_s},
                                         {u"conf"_s, u"Configuración"_s},
                                         {u"mante"_s, u"Mantenimiento"_s},
                                         {u"ayuda"_s, u"Ayuda"_s}};
    QCOMPARE(owner->title(), titles.value(menu));
}

void TestMainWindow::showsTheStartUpTranscript()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, numberedRecords(6));
    WindowRig rig;
    QCOMPARE(rig.transcript(), QString(rig.engine.state().transcript).replace(u"\r\n"_s, u"\n"_s));
    QVERIFY(rig.transcript().startsWith(u"$ Recuperando ideas y recuerdos...\n"_s));
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u" 6"_s);
    QCOMPARE(rig.child<QLineEdit>(u"Text3"_s)->text(), u"default.alm"_s);
    QCOMPARE(rig.window.windowTitle(), u"TESKARO v0.4a :: Sistema Experto de Aprendizaje y "
                                       u"Consulta basado en el lenguaje humano"_s);
    QCOMPARE(rig.input()->toolTip(), u" Entre información para enseñar al sistema siguiendo "
                                     u"la sintaxis establecida para el modo APRENDIZAJE "_s);
}

void TestMainWindow::learnsAStatementTypedKeyByKey()
{
    TestFolder folder;
    WindowRig rig;
    rig.random.script({ScriptedRandom::forSlot(1)});
    rig.typeLine(u"el sol es una estrella"_s);

    QCOMPARE(
        folder.read(u"default.alm"_s),
        QByteArray("\" EL SOL \",\" ES UNA ESTRELLA \"\r\n\" ES UNA ESTRELLA \",\" EL SOL \"\r\n"));
    QVERIFY(
        rig.transcript().endsWith(u"\n  [ EL SOL ES UNA ESTRELLA ]\n"
                                  u":) ESTOY APRENDIENDO COSAS NUEVAS SOBRE   EL SOL ... \n\n"_s));
    QCOMPARE(rig.input()->text(), QString());
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u" 1"_s);
}

void TestMainWindow::filtersTypedKeysButNotPastedText()
{
    TestFolder folder;
    WindowRig rig;
    QLineEdit *line = rig.input();
    // keyClicks cannot send non-ASCII characters; send them as text.
    const auto typeCharacter = [line](QChar c) {
        QTest::sendKeyEvent(QTest::KeyAction::Click, line, Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    };
    typeCharacter(u'¿');
    QTest::keyClicks(line, u"que sabes sobre "_s);
    typeCharacter(u'ñ');
    typeCharacter(u'é');
    typeCharacter(u'?');
    QCOMPARE(line->text(), u" QUE SABES SOBRE Ñé "_s);

    line->clear();
    QGuiApplication::clipboard()->setText(u"pegado ¿sin? filtro"_s);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    if (QGuiApplication::clipboard()->text() == u"pegado ¿sin? filtro"_s)
        QCOMPARE(line->text(), u"pegado ¿sin? filtro"_s);
}

void TestMainWindow::ctrlCInTheInputLineSwitchesToConsultation()
{
    TestFolder folder;
    WindowRig rig;
    QLineEdit *line = rig.input();
    QTest::keyClicks(line, u"ABC"_s);
    line->selectAll();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);

    QCOMPARE(rig.engine.state().mode, DialogueMode::Consultation);
    QVERIFY(rig.transcript().contains(u"$   ... cambiando a modo consulta ..."_s));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(line->text(), QString());
    auto *consultar = rig.child<QPushButton>(u"conversacion"_s);
    auto *alimentar = rig.child<QPushButton>(u"aprendizaje"_s);
    QVERIFY(consultar->isVisible() && consultar->isEnabled() && consultar->isDefault());
    QVERIFY(!alimentar->isVisible() && !alimentar->isEnabled());
    QCOMPARE(baseOf(rig.child<QPlainTextEdit>(u"Text1"_s)), QColor(37, 54, 186));
    QCOMPARE(rig.child<QPlainTextEdit>(u"Text1"_s)->palette().color(QPalette::Text),
             QColor(255, 255, 85));
    QVERIFY(rig.child<QRadioButton>(u"Option2"_s)->isChecked());
    QVERIFY(rig.window.action(u"consul"_s)->isChecked());
    QVERIFY(!rig.window.action(u"aprend"_s)->isChecked());
    QVERIFY(rig.child<QLabel>(u"Image3"_s)->isVisible());
    QVERIFY(!rig.child<QLabel>(u"Image2"_s)->isVisible());
    QVERIFY(rig.child<QLabel>(u"Picture2"_s)->isVisible());
    QVERIFY(!rig.child<QLabel>(u"Picture1"_s)->isVisible());
    QCOMPARE(line->toolTip(),
             u" MODO CONSULTA - Consulte información siguiendo la sintaxis establecida "_s);
    QVERIFY(line->hasFocus());
}

void TestMainWindow::ctrlAInTheInputLineSwitchesToLearning()
{
    TestFolder folder;
    WindowRig rig;
    rig.engine.Option2_Click();
    QLineEdit *line = rig.input();
    QTest::keyClicks(line, u"ABC"_s);
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(rig.engine.state().mode, DialogueMode::Learning);
    QCOMPARE(line->selectedText(), QString());
    QCOMPARE(line->text(), QString());
    QCOMPARE(rig.transcript().count(u"$   ... cambiando a modo aprendizaje..."_s), 1);
}

void TestMainWindow::optionButtonsAndCheckBoxReachTheEngine()
{
    TestFolder folder;
    WindowRig rig;
    rig.child<QRadioButton>(u"Option2"_s)->click();
    QCOMPARE(rig.engine.state().mode, DialogueMode::Consultation);
    rig.child<QRadioButton>(u"Option1"_s)->click();
    QCOMPARE(rig.engine.state().mode, DialogueMode::Learning);
    rig.child<QCheckBox>(u"Check1"_s)->click();
    QVERIFY(rig.engine.state().speechOn);
    QVERIFY(rig.input()->hasFocus());
}

void TestMainWindow::inversionItemTakesItsMarkFromTheEngine()
{
    TestFolder folder;
    WindowRig rig;
    QAction *inve = rig.window.action(u"inve"_s);
    // The box comes before the mark changes.
    QList<bool> marksDuringBox;
    rig.messages.onShow = [&](const MessageBoxSpec &) {
        marksDuringBox += inve->isChecked();
    };
    inve->trigger();
    QVERIFY(!inve->isChecked());
    QVERIFY(!rig.engine.state().invertPronouns);
    inve->trigger();
    QVERIFY(inve->isChecked());
    QCOMPARE(marksDuringBox, (QList<bool>{true, false}));

    rig.window.action(u"feme"_s)->trigger();
    QVERIFY(rig.window.action(u"feme"_s)->isChecked());
    QVERIFY(!rig.window.action(u"masc"_s)->isChecked());
    rig.window.action(u"feme"_s)->trigger();
    QVERIFY(rig.window.action(u"feme"_s)->isChecked());
}

void TestMainWindow::learnsThenAnswersEndToEnd()
{
    TestFolder folder;
    WindowRig rig;
    rig.random.script({ScriptedRandom::forSlot(1)});
    rig.typeLine(u"los perros son animales leales"_s);
    rig.typeLine(u"madrid es la capital de espana"_s);
    QTest::keyClick(rig.input(), Qt::Key_C, Qt::ControlModifier);
    rig.typeLine(u"que sabes sobre los perros"_s);
    QVERIFY(
        rig.transcript().endsWith(u"\n  [ QUE SABES SOBRE LOS PERROS ]\n"
                                  u":) TENGO ENTENDIDO QUE LOS PERROS SON ANIMALES LEALES \n"_s));
    rig.typeLine(u"que sabes de los gatos"_s);
    QVERIFY(rig.transcript().endsWith(u"\n  [ QUE SABES DE LOS GATOS ]\n"
                                      u":( REALMENTE NO SE NADA SOBRE  GATOS \n"_s));
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u" 4"_s);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
