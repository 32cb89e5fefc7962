#pragma once

#include <QDialog>

class QLineEdit;

namespace teskaro {

class DialogueEngine;
class FolderBrowser;

// Formsave: picks the folder and the name the knowledge file is copied to.
// Modal; loaded afresh by every save-as command.
class SaveDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SaveDialog(DialogueEngine &engine, QWidget *parent = nullptr);

    FolderBrowser *browser() const { return m_browser; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Command1_Click();

    DialogueEngine &m_engine;
    FolderBrowser *m_browser;
    QLineEdit *m_text1;
};

} // namespace teskaro
