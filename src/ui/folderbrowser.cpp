#include "folderbrowser.h"

#include "dialogue/dialogueengine.h"
#include "platform/drives.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

FolderBrowser::FolderBrowser(FileDialog dialog, DialogueEngine &engine, QWidget *parent)
    : QWidget(parent)
    , m_dialog(dialog)
    , m_engine(engine)
    , m_drive1(new QComboBox(this))
    , m_dir1(new QTreeView(this))
    , m_file1(new QListView(this))
    , m_folders(new QFileSystemModel(this))
    , m_files(new QFileSystemModel(this))
{
    m_drive1->setObjectName(u"Drive1"_s);
    m_dir1->setObjectName(u"Dir1"_s);
    m_file1->setObjectName(u"File1"_s);

    // Every drive is a folder of the one tree, so the folder list always
    // starts at the root and a drive change moves to the drive's folder.
    m_folders->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(u"/"_s);
    m_dir1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_dir1->hideColumn(column);
    m_dir1->setHeaderHidden(true);

    // Without QDir::CaseSensitive the pattern also takes ".ALM".
    m_files->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    m_files->setNameFilters({u"*.alm"_s});
    m_files->setNameFilterDisables(false);
    m_file1->setModel(m_files);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_drive1);
    layout->addWidget(m_dir1, 3);
    layout->addWidget(m_file1, 2);

    m_drive1->addItems(userDrives());
    connect(m_drive1, &QComboBox::currentTextChanged, this, &FolderBrowser::Drive1_Change);
    connect(m_dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderBrowser::Dir1_Change);
    // Folders are read in the background; keep the chosen one in view as
    // the folders above it fill in.
    // Folders are read and sorted in the background, which moves the rows
    // about; the chosen folder is kept in view while that settles, but not
    // once the user may have started to look around.
    m_settling.setSingleShot(true);
    m_settling.setInterval(std::chrono::milliseconds(1500));
    const auto follow = [this] {
        if (m_settling.isActive())
            QTimer::singleShot(0, this, &FolderBrowser::keepFolderInView);
    };
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, follow);
    connect(m_folders, &QFileSystemModel::layoutChanged, this, follow);
    connect(m_folders, &QFileSystemModel::rowsInserted, this, follow);
    connect(m_file1, &QListView::clicked, this,
            [this](const QModelIndex &index) { Q_EMIT fileClicked(m_files->fileName(index)); });
    connect(m_file1, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        Q_EMIT fileDoubleClicked(m_files->fileName(index));
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
    const QModelIndex current = m_dir1->currentIndex();
    for (QModelIndex above = current.parent(); above.isValid(); above = above.parent())
        m_dir1->expand(above);
    m_dir1->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

QString FolderBrowser::drive() const
{
    return m_drive1->currentText();
}

void FolderBrowser::setDrive(const QString &drive)
{
    if (m_drive1->findText(drive) < 0)
        m_drive1->addItem(drive);
    if (m_drive1->currentText() == drive)
        Drive1_Change();
    else
        m_drive1->setCurrentText(drive);
}

void FolderBrowser::Drive1_Change()
{
    const QString chosen = drive();
    while (!isDriveReadable(chosen)) {
        if (m_engine.reportUnreadableDrive(m_dialog, chosen) == MessageAnswer::Retry)
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
    return m_folders->filePath(m_dir1->currentIndex());
}

void FolderBrowser::setFolderPath(const QString &path)
{
    m_dir1->setCurrentIndex(m_folders->index(path));
    m_settling.start();
    keepFolderInView();
    Dir1_Change();
}

void FolderBrowser::Dir1_Change()
{
    const QString folder = folderPath();
    m_files->setRootPath(folder);
    m_file1->setRootIndex(m_files->index(folder));
    m_file1->clearSelection();
    m_file1->setCurrentIndex(QModelIndex());
}

QString FolderBrowser::selectedFileName() const
{
    const QModelIndexList selected = m_file1->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : m_files->fileName(selected.first());
}

void FolderBrowser::selectFile(const QString &name)
{
    const QModelIndex index = m_files->index(QDir(folderPath()).filePath(name));
    m_file1->setCurrentIndex(index);
}

} // namespace teskaro
