#pragma once

#include <QDialog>

class QLabel;

namespace teskaro {

class DialogueEngine;

// frmAbout: the modal about box. It is built afresh each time it is opened
// and destroyed by "Aceptar"; "&Información..." asks the engine to start the
// system information tool.
class AboutBox final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(DialogueEngine &engine, QWidget *parent = nullptr);

private:
    void Form_Load();

    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
};

} // namespace teskaro
