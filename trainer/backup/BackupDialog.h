#pragma once

#include "platform/result/Result.h"
#include "trainer/backup/BankBackup.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QFileSystemModel;
class QFrame;
class QGroupBox;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QTreeView;

// What the backup and the restore dialog share: the drive and folder choice,
// the backup state of the folder being browsed, the gauge and the two buttons.
class BackupDialog : public QDialog
{
    Q_OBJECT

public:
    // The folder being browsed, without a trailing "/" except at a drive's root.
    QString chosenFolder() const;
    // Moves the folder list to `folder` on its drive; false when it does not exist.
    bool chooseFolder(const QString &folder);

    QProgressBar *Gauge1 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *DriveComboBox1 = nullptr;
    QTreeView *DirectoryListBox1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *info = nullptr;
    QListView *FileListBox1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *d = nullptr;
    QLabel *c = nullptr;
    QPushButton *start = nullptr;
    QPushButton *BitBtn1 = nullptr;

protected:
    // What the result box says.
    struct Texts
    {
        QString resultCaption;
        QString successText;
        QString failureText;
    };
    BackupDialog(const QString &programDir, const Texts &texts, QWidget *centreOver);

    // Takes the controls from the dialog's form, which differs between the
    // two only in the heights of Panel1 and the folder list, and sets them up.
    template <typename Form>
    void setUpForm(Form &form)
    {
        form.setupUi(this);
        Gauge1 = form.Gauge1;
        Panel1 = form.Panel1;
        Label1 = form.Label1;
        DriveComboBox1 = form.DriveComboBox1;
        DirectoryListBox1 = form.DirectoryListBox1;
        Label3 = form.Label3;
        info = form.info;
        FileListBox1 = form.FileListBox1;
        GroupBox1 = form.GroupBox1;
        Label2 = form.Label2;
        Label4 = form.Label4;
        d = form.d;
        c = form.c;
        start = form.start;
        BitBtn1 = form.BitBtn1;
        setUpControls();
    }

    const QString &programDir() const { return m_programDir; }
    // The copy itself, reporting each copied file.
    virtual Result<> copy(const QString &folder, const BankBackup::Progress &progress) = 0;
    // Run when the chosen folder changes, after its backup state is shown.
    virtual void DirectoryListBox1Change(bool hasBackup);

    void showEvent(QShowEvent *event) override;

private:
    void setUpControls();
    void FormShow();
    void DriveComboBox1Change(int index);
    void showDrive(const QString &root, const QString &folder);
    void showBackupState();
    void startClick();
    void setBusy(bool busy);
    QString programDrive() const;

    QString m_programDir;
    Texts m_texts;
    QWidget *m_centreOver;
    QFileSystemModel *m_folders = nullptr;
    QFileSystemModel *m_files = nullptr;
    QString m_driveRoot;
    QHash<QString, QString> m_folderOnDrive; // the folder last chosen on each drive
    bool m_shown = false;
};
