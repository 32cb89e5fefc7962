// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace teskaro {

class FolderBrowser;
class MessageBoxes;

// Chooses another knowledge file. Not modal: the conversation goes on while
// it is open. It goes when it is closed, however that happens; only "&Abrir"
// or a double click on a file reports a choice, and only of a regular file:
// "&Abrir" is off until one is selected.
class OpenDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit OpenDialog(MessageBoxes &messages, QWidget *parent = nullptr);

    FolderBrowser *browser() const { return m_browser; }

    // "&Abrir": closes and reports the choice. Every other way out (Escape,
    // "&Cancelar", the close box) only closes.
    void accept() override;

Q_SIGNALS:
    // The folder and the selected file joined.
    void chosen(const QString &path);

private:
    FolderBrowser *m_browser;
};

} // namespace teskaro
