#include "platform/table/TableField.h"

#include "platform/table/DbfTable.h"

QString TableField::asText() const
{
    return m_index < 0 ? QString() : m_table.fieldText(m_index);
}

qint32 TableField::asInteger() const
{
    return m_index < 0 ? 0 : m_table.fieldInteger(m_index);
}

bool TableField::asBoolean() const
{
    return m_index >= 0 && m_table.fieldBoolean(m_index);
}

bool TableField::isNull() const
{
    return m_index < 0 || m_table.fieldIsNull(m_index);
}
