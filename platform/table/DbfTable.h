#pragma once

#include "platform/result/Result.h"
#include "platform/table/FieldDef.h"
#include "platform/table/TableField.h"

#include <QList>
#include <QString>

#include <memory>

// A dBASE table with its memo file. Reads dBASE III+ (0x03, 0x83) and
// dBASE IV (0x8B) tables; creates dBASE III+ tables (0x83 with a memo file,
// 0x03 without; language byte 0xC8, Windows-1250). Every header and memo
// pointer is checked when the table opens, so reads never leave the files;
// the memo texts are taken into memory then. Posts only add blocks past the
// memo file's end as it is at the time, and rewrite its header.
//
// Several programs may use one table at once: a post or a delete locks the
// table file, takes in the records that others appended meanwhile and reads
// the memo file's end afresh; an open reads under a shared lock (TableLock).
//
// Records marked deleted are skipped; the walk order is the stored order and
// record numbers count the records that are not deleted, from 1.
class DbfTable
{
public:
    enum class State { Inactive, Browse, Edit, Insert };

    DbfTable();
    ~DbfTable();
    DbfTable(const DbfTable &) = delete;
    DbfTable &operator=(const DbfTable &) = delete;

    // The memo file beside a table: the last letter of the extension becomes
    // "t" ("central.vqn" -> "central.vqt"), found ignoring letter case.
    static QString memoPathFor(const QString &tablePath);

    // Writes a new empty table (and its memo file when a column is a memo),
    // replacing files of those names whole.
    static Result<> create(const QString &path, const QList<FieldDef> &fields);

    // Mends what a create or a replace of the pair that stopped part-way left:
    // settles the replace, removes its temporary files, and gives an empty
    // dBASE III+ table whose memo file is missing a new empty one. A table
    // with records, or one that does not read, is left as it is for open() to
    // report.
    static Result<> repairInterrupted(const QString &path);
    // Completes or undoes a replace of the pair that stopped part-way (a
    // restore, a create), so that open() reads the pair all old or all new.
    static Result<> finishInterruptedReplace(const QString &path);

    // Opens (or reopens) the table; the first record becomes current.
    Result<> open(const QString &path);
    void close();
    bool isOpen() const;
    State state() const;
    QString path() const;

    // Columns as stored, with their actual widths.
    QList<FieldDef> fields() const;
    // Index of a column by name, ignoring letter case; -1 when absent.
    int fieldIndex(const QString &name) const;
    TableField field(const QString &name) const;
    TableField field(int index) const;

    int recordCount() const;
    // 1-based number of the current record; 0 when the table holds none.
    int recordNumber() const;
    // Both post a pending edit first; when that post fails nothing moves and
    // its failure is returned.
    Result<> first();
    Result<> next();
    // True on an empty table and after next() was asked to pass the last record.
    bool eof() const;
    // Makes record `number` (1-based) current; false, and nothing moves, when
    // there is no such record. Posts a pending edit first, as first() does.
    Result<bool> moveTo(int number);
    // Makes the first record whose column reads exactly `text` current. When
    // none does, the current record stays as it was and false is returned.
    // Posts a pending edit first, as first() does.
    Result<bool> locate(int fieldIndex, const QString &text);

    // Editing: edit() or append() starts, set*() change the buffer, post()
    // writes, cancel() drops. An appended record is added at the end and
    // becomes current. A failed post leaves the change pending (cancel() or
    // post() again); the files then still hold the old record or the new one.
    // Moving while editing posts first; when that post fails nothing moves
    // and state() still tells the edit.
    Result<> edit();
    Result<> append();
    Result<> setText(int fieldIndex, const QString &value);
    Result<> setInteger(int fieldIndex, qint32 value);
    Result<> setBoolean(int fieldIndex, bool value);
    Result<> post();
    void cancel();
    // Marks the current record deleted; the next record (or the previous one
    // at the end) becomes current.
    Result<> deleteRecord();

private:
    friend class TableField;
    QString fieldText(int index) const;
    qint32 fieldInteger(int index) const;
    bool fieldBoolean(int index) const;
    bool fieldIsNull(int index) const;

    class Impl;
    std::unique_ptr<Impl> d;
};
