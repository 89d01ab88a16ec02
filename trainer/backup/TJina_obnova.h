#pragma once

#include "trainer/backup/BackupDialog.h"

class QuestionTable;

// The restore dialog: puts a backup from the chosen folder in place of the
// question bank. It starts only in a folder that holds "info.txt".
class TJina_obnova : public BackupDialog
{
    Q_OBJECT

public:
    TJina_obnova(QuestionTable &table, const QString &programDir, QWidget *centreOver = nullptr);

private:
    Result<> copy(const QString &folder, const BankBackup::Progress &progress) override;
    void DirectoryListBox1Change(bool hasBackup) override;

    QuestionTable &m_table;
};

// The restore dialog while it runs modally, or null.
extern TJina_obnova *Jina_obnova;
