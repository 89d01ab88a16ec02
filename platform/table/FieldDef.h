#pragma once

#include <QString>

// dBASE column types the engine reads and writes; the value is the type
// letter stored in the table header.
enum class FieldType : char {
    Character = 'C',
    Numeric = 'N',
    Float = 'F',
    Logical = 'L',
    Memo = 'M',
    Date = 'D',
};

// One column. A length of 0 asks for the engine's default width of the type:
// Numeric 11 digits with no decimals (every 32-bit integer with its sign fits),
// Logical 1, Memo 10 (the block number as text), Date 8 (YYYYMMDD). Character
// columns have no default and need a length of 1 to 254.
struct FieldDef
{
    QString name;
    FieldType type = FieldType::Character;
    int length = 0;
    int decimals = 0;
};
