#include "trainer/backup/BackupDialog.h"

#include "platform/files/Drives.h"
#include "platform/files/PathResolver.h"
#include "platform/paint/TColor.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeView>

namespace {

// The nearest folder at or above `folder` that exists.
QString existingFolder(QString folder)
{
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QDir::cleanPath(folder + QStringLiteral("/.."));
    return folder;
}

} // namespace

BackupDialog::BackupDialog(const QString &programDir, const Texts &texts, QWidget *centreOver)
    : m_programDir(programDir), m_texts(texts), m_centreOver(centreOver)
{
}

void BackupDialog::setUpControls()
{
    using namespace Colors;
    WidgetLook::setPlainTextLabels(this);
    WidgetLook::fitAutoSizedLabels(this);
    WidgetLook::setColor(*Gauge1, QPalette::Highlight, clBlue);
    for (QLabel *label : {Label1, Label3})
        WidgetLook::setTextColor(label, clBlue);
    WidgetLook::setTextColor(GroupBox1, clRed);
    for (QLabel *label : {Label2, Label4, d, c})
        WidgetLook::setTextColor(label, clBlack);
    start->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    for (const Drives::Drive &drive : Drives::list())
        DriveComboBox1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), drive.root, drive.root);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setReadOnly(true);
    DirectoryListBox1->setModel(m_folders);
    // Program folders lie deep; the names stay readable, with a scroll bar
    // when they are wider than the list.
    DirectoryListBox1->header()->setStretchLastSection(false);
    DirectoryListBox1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::Files);
    m_files->setNameFilters({QStringLiteral("*.z1"), QStringLiteral("*.z2")});
    m_files->setNameFilterDisables(false);
    m_files->setReadOnly(true);
    FileListBox1->setModel(m_files);

    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &BackupDialog::DriveComboBox1Change);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &BackupDialog::showBackupState);
    // The folders come in as the model reads them; the chosen one stays in sight.
    const auto keepInSight = [this] {
        QTimer::singleShot(0, this, [this] { DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex()); });
    };
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, keepInSight);
    connect(m_folders, &QFileSystemModel::layoutChanged, this, keepInSight);
    connect(start, &QPushButton::clicked, this, &BackupDialog::startClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

QString BackupDialog::chosenFolder() const
{
    return m_folders->filePath(DirectoryListBox1->currentIndex());
}

bool BackupDialog::chooseFolder(const QString &folder)
{
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!QFileInfo(absolute).isDir())
        return false;
    const QString root = Drives::driveOf(absolute).root;
    const int drive = DriveComboBox1->findData(root);
    if (drive < 0)
        return false;
    m_folderOnDrive[root] = absolute;
    if (DriveComboBox1->currentIndex() != drive)
        DriveComboBox1->setCurrentIndex(drive);
    else
        showDrive(root, absolute);
    return true;
}

void BackupDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (m_centreOver)
        move(m_centreOver->frameGeometry().center() - QPoint(frameGeometry().width(), frameGeometry().height()) / 2);
    else
        centreOnPrimaryScreen(*this);
    FormShow();
}

void BackupDialog::FormShow()
{
    const QString zaloha = PathResolver::resolve(m_programDir, QStringLiteral("ZALOHA"));
    // Without the default folder (start-up did not make it) the nearest
    // folder above it is shown.
    m_folderOnDrive[programDrive()] = existingFolder(QDir::cleanPath(zaloha));
    DriveComboBox1->setCurrentIndex(-1);
    DriveComboBox1->setCurrentIndex(DriveComboBox1->findData(programDrive()));
    Gauge1->setValue(0);
}

QString BackupDialog::programDrive() const
{
    return Drives::driveOf(m_programDir).root;
}

void BackupDialog::DriveComboBox1Change(int index)
{
    if (index < 0)
        return;
    const QString root = DriveComboBox1->itemData(index).toString();
    if (QFileInfo(root).isDir()) {
        showDrive(root, existingFolder(m_folderOnDrive.value(root, root)));
        return;
    }
    Gauge1->setValue(0);
    DriveComboBox1->setCurrentIndex(DriveComboBox1->findData(programDrive()));
}

void BackupDialog::showDrive(const QString &root, const QString &folder)
{
    if (root != m_driveRoot) {
        m_driveRoot = root;
        m_folders->setRootPath(root);
        DirectoryListBox1->setRootIndex(m_folders->index(root));
    }
    const QModelIndex at = m_folders->index(folder);
    for (QModelIndex above = at.parent(); above.isValid(); above = above.parent())
        DirectoryListBox1->expand(above);
    DirectoryListBox1->expand(at);
    if (DirectoryListBox1->currentIndex() == at)
        showBackupState();
    else
        DirectoryListBox1->setCurrentIndex(at);
    DirectoryListBox1->scrollTo(at);
}

void BackupDialog::showBackupState()
{
    const QString folder = chosenFolder();
    if (!m_driveRoot.isEmpty() && !folder.isEmpty())
        m_folderOnDrive[m_driveRoot] = folder;
    info->setText(info->fontMetrics().elidedText(folder, Qt::ElideLeft, info->width()));
    info->setToolTip(folder);
    m_files->setRootPath(folder);
    FileListBox1->setRootIndex(m_files->index(folder));
    const std::optional<BankBackup::State> state = BankBackup::stateOf(folder);
    Label2->setVisible(state.has_value());
    Label4->setVisible(state.has_value());
    WidgetLook::setLabelText(d, state ? state->date : QString());
    WidgetLook::setLabelText(c, state ? state->time : QString());
    DirectoryListBox1Change(state.has_value());
}

void BackupDialog::DirectoryListBox1Change(bool) {}

void BackupDialog::setBusy(bool busy)
{
    for (QWidget *button : {static_cast<QWidget *>(start), static_cast<QWidget *>(BitBtn1)}) {
        if (busy)
            button->setCursor(Qt::WaitCursor);
        else
            button->unsetCursor();
    }
}

void BackupDialog::startClick()
{
    setBusy(true);
    Gauge1->setValue(0);
    QDir::setCurrent(m_programDir);
    const Result<> copied = copy(chosenFolder(), [this](int files) {
        Gauge1->setValue(files);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    QDir::setCurrent(m_programDir);
    setBusy(false);
    if (!copied) {
        // Copies that were made count for nothing once the whole has failed.
        Gauge1->setValue(0);
        MessageBox::show(this, m_texts.failureText + u'\n' + copied.error(), m_texts.resultCaption);
        showBackupState();
        return;
    }
    MessageBox::show(this, m_texts.successText, m_texts.resultCaption);
    accept();
}
