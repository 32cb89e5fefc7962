#pragma once

#include "dialogue/dialogueview.h"

#include <QTimer>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListView;
class QTreeView;

namespace teskaro {

class DialogueEngine;

// The drive, folder and file lists the two file dialogs share (Drive1,
// Dir1, File1), kept in step: a new drive opens its folder, a new folder
// lists its knowledge files.
class FolderBrowser final : public QWidget
{
    Q_OBJECT

public:
    FolderBrowser(FileDialog dialog, DialogueEngine &engine, QWidget *parent = nullptr);

    // Drive1.Drive: setting it runs the drive change.
    QString drive() const;
    void setDrive(const QString &drive);
    // Dir1.Path: setting it runs the folder change.
    QString folderPath() const;
    void setFolderPath(const QString &path);
    // File1.FileName: the selected file without its folder, empty if none.
    QString selectedFileName() const;
    void selectFile(const QString &name);

    QListView *fileList() const { return m_file1; }

Q_SIGNALS:
    void fileClicked(const QString &name);
    void fileDoubleClicked(const QString &name);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void keepFolderInView();
    void Drive1_Change();
    void Dir1_Change();

    FileDialog m_dialog;
    DialogueEngine &m_engine;
    QComboBox *m_drive1;
    QTreeView *m_dir1;
    QListView *m_file1;
    QFileSystemModel *m_folders;
    QFileSystemModel *m_files;
    QTimer m_settling;
};

} // namespace teskaro
