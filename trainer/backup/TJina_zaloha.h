#pragma once

#include "trainer/backup/BackupDialog.h"

// The backup dialog: copies the question bank into the chosen folder.
class TJina_zaloha : public BackupDialog
{
    Q_OBJECT

public:
    TJina_zaloha(const QString &tablePath, const QString &programDir, QWidget *centreOver = nullptr);

private:
    Result<> copy(const QString &folder, const BankBackup::Progress &progress) override;

    QString m_tablePath;
};

// The backup dialog while it runs modally, or null.
extern TJina_zaloha *Jina_zaloha;
