#pragma once

#include <QString>

class DbfTable;

// A column of the current record, read by the conventions every reader relies
// on: a number as text has no leading zeros or blanks; an empty number reads 0
// (as text ""), an empty Boolean false, an empty memo "". A field that the
// table does not have reads as empty.
class TableField
{
public:
    TableField(const DbfTable &table, int index) : m_table(table), m_index(index) {}

    QString asText() const;
    qint32 asInteger() const;
    bool asBoolean() const;
    bool isNull() const;
    bool exists() const { return m_index >= 0; }

private:
    const DbfTable &m_table;
    int m_index;
};
