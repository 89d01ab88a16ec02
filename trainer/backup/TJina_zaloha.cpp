#include "trainer/backup/TJina_zaloha.h"

#include "trainer/messages/TrainerMessages.h"
#include "ui_TJina_zaloha.h"

#include <QDateTime>

TJina_zaloha *Jina_zaloha = nullptr;

TJina_zaloha::TJina_zaloha(const QString &tablePath, const QString &programDir, QWidget *centreOver)
    : BackupDialog(programDir,
                   {QStringLiteral("Výsledek zálohy:"), QStringLiteral("Data byly v pořádku odzálohovány ... "),
                    TrainerMessages::backupFailed()},
                   centreOver)
    , m_tablePath(tablePath)
{
    Ui::TJina_zaloha form;
    setUpForm(form);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
}

Result<> TJina_zaloha::copy(const QString &folder, const BankBackup::Progress &progress)
{
    return BankBackup::backup(m_tablePath, folder, QDateTime::currentDateTime(), progress);
}
