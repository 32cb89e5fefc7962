// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLineEdit;

namespace teskaro {

class FolderBrowser;
struct Platform;

// Picks the folder and the name the knowledge file is copied to. Modal, and
// made afresh for every save-as. The name of a file that exists is taken
// only once the user agrees to replace it.
class SaveDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SaveDialog(const Platform &platform, QWidget *parent = nullptr);

    FolderBrowser *browser() const { return m_browser; }

    // Where to copy to once the dialog is closed; empty when nothing is to be
    // copied (cancelled, closed, or "&Guardar" with a blank name).
    QString chosenPath() const { return m_chosenPath; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void save();

    // Whether the user agrees to replace the file, asked if it exists.
    bool mayReplace(const QString &path);

    const Platform &m_platform;
    FolderBrowser *m_browser;
    QLineEdit *m_nameBox;
    QString m_chosenPath;
};

} // namespace teskaro
