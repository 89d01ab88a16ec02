#include "trainer/backup/TJina_obnova.h"

#include "trainer/messages/TrainerMessages.h"
#include "ui_TJina_obnova.h"

#include <QPushButton>

TJina_obnova *Jina_obnova = nullptr;

TJina_obnova::TJina_obnova(QuestionTable &table, const QString &programDir, QWidget *centreOver)
    : BackupDialog(programDir,
                   {QStringLiteral("Výsledek obnovy:"), QStringLiteral("Obnova dat provedena v pořádku ... "),
                    TrainerMessages::restoreFailed()},
                   centreOver)
    , m_table(table)
{
    Ui::TJina_obnova form;
    setUpForm(form);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::WindowContextHelpButtonHint);
}

Result<> TJina_obnova::copy(const QString &folder, const BankBackup::Progress &progress)
{
    return BankBackup::restore(folder, m_table, progress);
}

void TJina_obnova::DirectoryListBox1Change(bool hasBackup)
{
    start->setEnabled(hasBackup);
}
