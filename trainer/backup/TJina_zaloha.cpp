#include "trainer/backup/TJina_zaloha.h"

#include "trainer/messages/TrainerMessages.h"

#include <QDateTime>

TJina_zaloha *Jina_zaloha = nullptr;

TJina_zaloha::TJina_zaloha(const QString &tablePath, const QString &programDir, QWidget *centreOver)
    : BackupDialog(programDir,
                   {QStringLiteral("Zálohování dat na vybrané médium ..."), QStringLiteral("Kam mám zálohovat data:"),
                    QStringLiteral("&Zálohuj data"), QStringLiteral("Výsledek zálohy:"),
                    QStringLiteral("Data byly v pořádku odzálohovány ... "),
                    TrainerMessages::backupFailed()},
                   {249, 153}, centreOver)
    , m_tablePath(tablePath)
{
    setObjectName(QStringLiteral("Jina_zaloha"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(434, 267);
}

Result<> TJina_zaloha::copy(const QString &folder, const BankBackup::Progress &progress)
{
    return BankBackup::backup(m_tablePath, folder, QDateTime::currentDateTime(), progress);
}
