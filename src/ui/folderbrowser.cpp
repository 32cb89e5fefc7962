// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "folderbrowser.h"

#include "platform/drives.h"
#include "platform/messageboxes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// Only the names: the size, type and date columns, out of sight, would still
// reach screen readers as items of their own, in English.
class NamesOnly final : public QSortFilterProxyModel
{
public:
    NamesOnly(QAbstractItemModel *names, QObject *parent)
        : QSortFilterProxyModel(parent)
    {
        setSourceModel(names);
    }

protected:
    bool filterAcceptsColumn(int column, const QModelIndex &) const override { return column == 0; }
};

} // namespace

FolderBrowser::FolderBrowser(MessageBoxes &messages, QString unreadableDriveText, QWidget *parent)
    : QWidget(parent)
    , m_messages(messages)
    , m_unreadableDriveText(std::move(unreadableDriveText))
    , m_drives(new QComboBox(this))
    , m_folders(new QTreeView(this))
    , m_files(new QListView(this))
    , m_folderModel(new QFileSystemModel(this))
    , m_fileModel(new QFileSystemModel(this))
    , m_folderNames(new NamesOnly(m_folderModel, this))
    , m_fileNames(new NamesOnly(m_fileModel, this))
{
    m_drives->setObjectName(u"driveList"_s);
    m_folders->setObjectName(u"folderList"_s);
    m_folders->setAccessibleName(u"Carpetas"_s);
    m_files->setObjectName(u"fileList"_s);
    m_files->setAccessibleName(u"Archivos"_s);

    // Every drive is a folder of the one tree, so the folder list always
    // starts at the root and a drive change moves to the drive's folder.
    m_folderModel->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    m_folderModel->setRootPath(u"/"_s);
    m_folders->setModel(m_folderNames);
    m_folders->setHeaderHidden(true);

    // Without QDir::CaseSensitive the pattern also takes ".ALM".
    m_fileModel->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    m_fileModel->setNameFilters({u"*.alm"_s});
    m_fileModel->setNameFilterDisables(false);
    m_files->setModel(m_fileNames);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // A combo box is named by its label, where screen readers look for it.
    auto *driveRow = new QHBoxLayout;
    auto *driveLabel = new QLabel(u"Unidad:"_s, this);
    driveLabel->setBuddy(m_drives);
    m_drives->view()->setAccessibleName(u"Unidades"_s);
    driveRow->addWidget(driveLabel);
    driveRow->addWidget(m_drives, 1);
    layout->addLayout(driveRow);
    layout->addWidget(m_folders, 3);
    layout->addWidget(m_files, 2);

    m_drives->addItems(userDrives());
    connect(m_drives, &QComboBox::currentTextChanged, this, &FolderBrowser::openDrive);
    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderBrowser::listFolder);
    // Folders are read and sorted in the background, which moves the rows
    // about; the chosen folder is kept in view while that settles, but not
    // once the user may have started to look around.
    m_settling.setSingleShot(true);
    m_settling.setInterval(std::chrono::milliseconds(1500));
    const auto follow = [this] {
        if (m_settling.isActive())
            QTimer::singleShot(0, this, &FolderBrowser::keepFolderInView);
    };
    connect(m_folderModel, &QFileSystemModel::directoryLoaded, this, follow);
    connect(m_folderModel, &QFileSystemModel::layoutChanged, this, follow);
    connect(m_folderModel, &QFileSystemModel::rowsInserted, this, follow);
    connect(m_files->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FolderBrowser::selectionChanged);
    connect(m_files, &QListView::clicked, this, [this](const QModelIndex &index) {
        Q_EMIT fileClicked(m_fileModel->fileName(m_fileNames->mapToSource(index)));
    });
    connect(m_files, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        Q_EMIT fileDoubleClicked(m_fileModel->fileName(m_fileNames->mapToSource(index)));
    });
}

void FolderBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Only a laid-out view can scroll: wait until the dialog is on screen.
    m_settling.start();
    QTimer::singleShot(0, this, &FolderBrowser::keepFolderInView);
}

// Folders above the chosen one appear in the view only once they have been
// read, so opening the way down is repeated as each of them comes in.
void FolderBrowser::keepFolderInView()
{
    const QModelIndex current = m_folders->currentIndex();
    for (QModelIndex above = current.parent(); above.isValid(); above = above.parent())
        m_folders->expand(above);
    m_folders->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

QString FolderBrowser::drive() const
{
    return m_drives->currentText();
}

void FolderBrowser::setDrive(const QString &drive)
{
    if (m_drives->findText(drive) < 0)
        m_drives->addItem(drive);
    if (m_drives->currentText() == drive)
        openDrive();
    else
        m_drives->setCurrentText(drive);
}

void FolderBrowser::openDrive()
{
    const QString chosen = drive();
    while (!isDriveReadable(chosen)) {
        Message warning;
        warning.title = u"Adevertencia! - Parvelix Suite PRO"_s;
        warning.text = m_unreadableDriveText + chosen.toUpper() +
                       u"\n\nAsegúrese que la Unidad esté cerrada"_s;
        warning.icon = Message::Icon::Exclamation;
        warning.buttons = Message::Buttons::RetryCancel;
        warning.asker = this;
        if (m_messages.show(warning) == MessageAnswer::Retry)
            continue;
        if (chosen != u"/"_s)
            setDrive(u"/"_s);
        return;
    }
    // A drive opens at the working folder when that lies on it.
    const QString current = QDir::currentPath();
    setFolderPath(driveOf(current, {chosen}) == chosen ? current : chosen);
}

QString FolderBrowser::folderPath() const
{
    return m_folderModel->filePath(m_folderNames->mapToSource(m_folders->currentIndex()));
}

void FolderBrowser::setFolderPath(const QString &path)
{
    m_folders->setCurrentIndex(m_folderNames->mapFromSource(m_folderModel->index(path)));
    m_settling.start();
    keepFolderInView();
    listFolder();
}

void FolderBrowser::listFolder()
{
    const QString folder = folderPath();
    m_fileModel->setRootPath(folder);
    m_files->setRootIndex(m_fileNames->mapFromSource(m_fileModel->index(folder)));
    m_files->clearSelection();
    m_files->setCurrentIndex(QModelIndex());
}

QString FolderBrowser::selectedFileName() const
{
    const QModelIndexList selected = m_files->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {};
    const QModelIndex file = m_fileNames->mapToSource(selected.first());
    return m_fileModel->fileInfo(file).isFile() ? m_fileModel->fileName(file) : QString();
}

void FolderBrowser::selectFile(const QString &name)
{
    m_files->setCurrentIndex(
        m_fileNames->mapFromSource(m_fileModel->index(QDir(folderPath()).filePath(name))));
}

} // namespace teskaro
