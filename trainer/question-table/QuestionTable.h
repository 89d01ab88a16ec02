#pragma once

#include "platform/table/DbfTable.h"

#include <QList>
#include <QString>

// The trainer's question bank: one dBASE table with its memo file, reached by
// every window through the main window's single table component `Table1`.
class QuestionTable
{
public:
    // The question record's columns, in the order they are created.
    static inline const QString C_Otazky = QStringLiteral("C_Otazky");
    static inline const QString Kategorie = QStringLiteral("Kategorie");
    static inline const QString Otazka = QStringLiteral("Otazka");
    static inline const QString Odpoved_a = QStringLiteral("Odpoved_a");
    static inline const QString Odpoved_b = QStringLiteral("Odpoved_b");
    static inline const QString Odpoved_c = QStringLiteral("Odpoved_c");
    static inline const QString Spravna = QStringLiteral("Spravna");
    static inline const QString Poc_bodu = QStringLiteral("Poc_bodu");
    static inline const QString Platnost = QStringLiteral("Platnost");

    // The nine columns with the engine's default widths.
    static QList<FieldDef> questionRecord();

    // File name of the table, "central.vqn" in the program folder.
    static inline const QString FileName = QStringLiteral("central.vqn");

    void setTableName(const QString &path);
    QString tableName() const;

    // Start-up: closes the table, mends what a creation or replace that
    // stopped part-way left (DbfTable::repairInterrupted) and, when no file
    // of its name exists, creates it empty with the question record (table
    // and memo file). An existing table is otherwise used as it is, never
    // converted. A relative name is taken from the current folder.
    Result<> createIfMissing();

    // Opening an open table and closing a closed one do nothing. An open
    // first settles a replace of the pair that stopped part-way; one that
    // cannot be settled is left for createIfMissing() to report, and the pair
    // is opened as it is. After an open the first record is current.
    Result<> open();
    void close();
    bool active() const;

    // Every move posts a pending edit first, and returns its failure.
    Result<> first();
    Result<> next();
    bool eof() const;
    // False when there is no such record.
    Result<bool> moveTo(int recordNumber);
    int recordCount() const;
    int recordNumber() const;

    // The find rule: the first record whose C_Otazky reads as the number's
    // decimal text becomes current; when none does, the current record stays
    // and false is returned.
    Result<bool> locateQuestion(int number);
    Result<bool> locate(const QString &fieldName, const QString &value);

    TableField fieldByName(const QString &name) const;
    QList<FieldDef> fields() const;

    Result<> edit();
    Result<> append();
    Result<> setText(const QString &fieldName, const QString &value);
    Result<> setInteger(const QString &fieldName, qint32 value);
    Result<> setBoolean(const QString &fieldName, bool value);
    Result<> post();
    void cancel();
    Result<> deleteRecord();
    DbfTable::State state() const;

private:
    Result<int> fieldIndex(const QString &fieldName) const;

    QString m_tableName;
    DbfTable m_table;
};
