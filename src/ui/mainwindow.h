#pragma once

#include "dialogue/dialogueview.h"

#include <QMainWindow>
#include <QPointer>

#include <map>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace teskaro {

class DialogueEngine;
class InputLine;
class OpenDialog;
class SaveDialog;

// The main window, Form1: shows the conversation and passes every user
// action to the dialogue engine, which decides everything. Controls carry
// their historical names as object names.
class MainWindow final : public QMainWindow, public DialogueView
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void attach(DialogueEngine &engine);

    // DialogueView
    void processPendingEvents() override;
    void appendToTranscript(const QString &text) override;
    void showTranscriptEnd() override;
    void setTranscriptColours(Rgb background, Rgb text) override;
    QString inputLine() const override;
    void setInputLine(const QString &text) override;
    void setInputTip(const QString &tip) override;
    void focusInputLine() override;
    void setCountLabel(const QString &caption) override;
    void setKnowledgeFileBox(const QString &fileName) override;
    void setCaption(const QString &caption) override;
    void setModeIcon(DialogueMode mode) override;
    void setIndicatorVisible(Indicator indicator, bool visible) override;
    void setMenuMark(MenuMark item, bool marked) override;
    void setInputButton(DialogueMode mode) override;
    void setModeOption(DialogueMode mode) override;
    void showAboutBox() override;
    void showOpenDialog() override;
    void closeOpenDialog() override;
    void runSaveDialog() override;
    void closeSaveDialog() override;

    // The dialogs while they are open, for tests and the window's own use.
    OpenDialog *openDialog() const;
    SaveDialog *saveDialog() const { return m_saveDialog; }

    // The menu items that later windows hang their commands on.
    QAction *action(const QString &name) const;

private:
    QWidget *createConversationPanel();
    QWidget *createSidePanel();
    QWidget *createHelpPanel();
    void createMenus();
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption);
    void connectEngine();
    void pressDefaultButton();

    DialogueEngine *m_engine = nullptr;

    QPlainTextEdit *m_text1 = nullptr;
    InputLine *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QLabel *m_label22 = nullptr;
    QPushButton *m_aprendizaje = nullptr;
    QPushButton *m_conversacion = nullptr;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QCheckBox *m_check1 = nullptr;
    std::map<Indicator, QLabel *> m_indicators;
    std::map<MenuMark, QAction *> m_marks;
    QPointer<OpenDialog> m_openDialog;
    SaveDialog *m_saveDialog = nullptr;
    QIcon m_learningIcon;
    QIcon m_consultationIcon;
};

} // namespace teskaro
