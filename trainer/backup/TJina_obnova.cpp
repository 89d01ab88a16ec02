#include "trainer/backup/TJina_obnova.h"

#include "trainer/messages/TrainerMessages.h"

#include <QPushButton>

TJina_obnova *Jina_obnova = nullptr;

TJina_obnova::TJina_obnova(QuestionTable &table, const QString &programDir, QWidget *centreOver)
    : BackupDialog(programDir,
                   {QStringLiteral("Obnovení dat z vybraného média ..."), QStringLiteral("Odkud mám obnovit data?"),
                    QStringLiteral("&Obnov data !"), QStringLiteral("Výsledek obnovy:"),
                    QStringLiteral("Obnova dat provedena v pořádku ... "),
                    TrainerMessages::restoreFailed()},
                   {233, 133}, centreOver)
    , m_table(table)
{
    setObjectName(QStringLiteral("Jina_obnova"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::WindowContextHelpButtonHint);
    resize(441, 294);
}

Result<> TJina_obnova::copy(const QString &folder, const BankBackup::Progress &progress)
{
    return BankBackup::restore(folder, m_table, progress);
}

void TJina_obnova::DirectoryListBox1Change(bool hasBackup)
{
    start->setEnabled(hasBackup);
}
