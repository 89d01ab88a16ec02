#include "trainer/question-table/QuestionTable.h"

#include "platform/files/PathResolver.h"
#include "trainer/messages/TrainerMessages.h"

#include <QFileInfo>

QList<FieldDef> QuestionTable::questionRecord()
{
    // Size 0 everywhere: the engine's default width of each type.
    return {
        {C_Otazky, FieldType::Numeric},   {Kategorie, FieldType::Numeric}, {Otazka, FieldType::Memo},
        {Odpoved_a, FieldType::Memo},     {Odpoved_b, FieldType::Memo},    {Odpoved_c, FieldType::Memo},
        {Spravna, FieldType::Numeric},    {Poc_bodu, FieldType::Numeric},  {Platnost, FieldType::Logical},
    };
}

void QuestionTable::setTableName(const QString &path)
{
    close();
    m_tableName = path;
}

QString QuestionTable::tableName() const { return m_tableName; }

Result<> QuestionTable::createIfMissing()
{
    close();
    const QString path = PathResolver::resolve(m_tableName);
    if (const Result<> repaired = DbfTable::repairInterrupted(path); !repaired)
        return repaired;
    if (QFileInfo::exists(path))
        return {};
    return DbfTable::create(path, questionRecord());
}

Result<> QuestionTable::open()
{
    if (m_table.isOpen())
        return {};
    const QString path = PathResolver::resolve(m_tableName);
    // A replace that cannot be settled (a damaged journal) was told at the
    // start, by createIfMissing(); the pair is then used as it is on disk.
    (void)DbfTable::finishInterruptedReplace(path);
    return m_table.open(path);
}

void QuestionTable::close() { m_table.close(); }
bool QuestionTable::active() const { return m_table.isOpen(); }

Result<> QuestionTable::first() { return m_table.first(); }
Result<> QuestionTable::next() { return m_table.next(); }
bool QuestionTable::eof() const { return m_table.eof(); }
Result<bool> QuestionTable::moveTo(int recordNumber) { return m_table.moveTo(recordNumber); }
int QuestionTable::recordCount() const { return m_table.recordCount(); }
int QuestionTable::recordNumber() const { return m_table.recordNumber(); }

Result<bool> QuestionTable::locateQuestion(int number) { return locate(C_Otazky, QString::number(number)); }

Result<bool> QuestionTable::locate(const QString &fieldName, const QString &value)
{
    return m_table.locate(m_table.fieldIndex(fieldName), value);
}

TableField QuestionTable::fieldByName(const QString &name) const { return m_table.field(name); }
QList<FieldDef> QuestionTable::fields() const { return m_table.fields(); }

Result<> QuestionTable::edit() { return m_table.edit(); }
Result<> QuestionTable::append() { return m_table.append(); }

Result<int> QuestionTable::fieldIndex(const QString &fieldName) const
{
    if (const int index = m_table.fieldIndex(fieldName); index >= 0)
        return index;
    return Failure{TrainerMessages::questionTableLacksColumn(QFileInfo(m_tableName).fileName(), fieldName)};
}

Result<> QuestionTable::setText(const QString &fieldName, const QString &value)
{
    const Result<int> index = fieldIndex(fieldName);
    if (!index)
        return Failure{index.error()};
    return m_table.setText(*index, value);
}

Result<> QuestionTable::setInteger(const QString &fieldName, qint32 value)
{
    return setText(fieldName, QString::number(value));
}

Result<> QuestionTable::setBoolean(const QString &fieldName, bool value)
{
    const Result<int> index = fieldIndex(fieldName);
    if (!index)
        return Failure{index.error()};
    return m_table.setBoolean(*index, value);
}

Result<> QuestionTable::post() { return m_table.post(); }
void QuestionTable::cancel() { m_table.cancel(); }
Result<> QuestionTable::deleteRecord() { return m_table.deleteRecord(); }
DbfTable::State QuestionTable::state() const { return m_table.state(); }
