#pragma once

#include <QDialog>

class QPushButton;

namespace teskaro {

class DialogueEngine;
class FolderBrowser;

// Formopen: chooses another knowledge file. Not modal; loaded afresh each
// time it opens, unloaded when it closes.
class OpenDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit OpenDialog(DialogueEngine &engine, QWidget *parent = nullptr);

    FolderBrowser *browser() const { return m_browser; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void Form_Load();
    void Command1_Click();

    DialogueEngine &m_engine;
    FolderBrowser *m_browser;
    bool m_closing = false;
};

} // namespace teskaro
