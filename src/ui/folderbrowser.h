// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>

class QAbstractProxyModel;
class QComboBox;
class QFileSystemModel;
class QListView;
class QTreeView;

namespace teskaro {

class MessageBoxes;

// The drive, folder and file lists the two file dialogs share, kept in step:
// a new drive opens its folder, a new folder lists its knowledge files. A
// drive that cannot be read is reported with the dialog's own wording,
// followed by the drive, and the user may retry or fall back to the root.
class FolderBrowser final : public QWidget
{
    Q_OBJECT

public:
    FolderBrowser(MessageBoxes &messages, QString unreadableDriveText, QWidget *parent = nullptr);

    // Setting the drive opens it, as choosing it does.
    QString drive() const;
    void setDrive(const QString &drive);
    // Setting the folder lists its files, as choosing it does.
    QString folderPath() const;
    void setFolderPath(const QString &path);
    // The selected file without its folder; empty if none is selected, or
    // if what is selected is no regular file.
    QString selectedFileName() const;
    void selectFile(const QString &name);

    QListView *fileList() const { return m_files; }

Q_SIGNALS:
    void selectionChanged();
    void fileClicked(const QString &name);
    void fileDoubleClicked(const QString &name);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void keepFolderInView();
    void openDrive();
    void listFolder();

    MessageBoxes &m_messages;
    QString m_unreadableDriveText;
    QComboBox *m_drives;
    QTreeView *m_folders;
    QListView *m_files;
    QFileSystemModel *m_folderModel;
    QFileSystemModel *m_fileModel;
    // The lists show the models' names alone, through these.
    QAbstractProxyModel *m_folderNames;
    QAbstractProxyModel *m_fileNames;
    QTimer m_settling;
};

} // namespace teskaro
