#include "trainer/service/QuestionGridModel.h"

#include "trainer/messages/TrainerMessages.h"

#include "trainer/question-table/QuestionTable.h"

#include <QFont>

namespace {

const QString &fieldOf(int column)
{
    static const QString fields[] = {QuestionTable::C_Otazky, QuestionTable::Kategorie, QuestionTable::Spravna,
                                     QuestionTable::Platnost};
    return fields[column];
}

const QString &titleOf(int column)
{
    static const QString titles[] = {QStringLiteral("Otázka"), QuestionTable::Kategorie, QStringLiteral("Spravná"),
                                     QuestionTable::Platnost};
    return titles[column];
}

Failure missingRecord(int row)
{
    return Failure{TrainerMessages::gridRecordMissing(row + 1)};
}

// The row marker of the current record, as grids draw it.
const QString CurrentMarker = QStringLiteral("▶");

} // namespace

QuestionGridModel::QuestionGridModel(QuestionTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
}

void QuestionGridModel::reload()
{
    beginResetModel();
    forgetRow();
    endResetModel();
}

void QuestionGridModel::setEditable(bool editable)
{
    m_editable = editable;
}

int QuestionGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table.active() ? 0 : m_table.recordCount();
}

int QuestionGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const QStringList &QuestionGridModel::row(int row) const
{
    if (row == m_cachedRow)
        return m_cached;
    const int current = m_table.recordNumber();
    m_cached.clear();
    // A view cannot show a failure: when a pending edit does not post, the
    // row reads empty and the user's next move or save reports why.
    if (const Result<bool> moved = m_table.moveTo(row + 1); moved && *moved) {
        for (int column = 0; column < ColumnCount; ++column)
            m_cached.append(m_table.fieldByName(fieldOf(column)).asText());
        // Nothing is pending after the move above, so going back only moves.
        (void)m_table.moveTo(current);
    }
    ++m_rowsRead;
    m_cachedRow = row;
    return m_cached;
}

QVariant QuestionGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return row(index.row()).value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant QuestionGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1 == m_table.recordNumber() ? CurrentMarker : QString();
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return section < ColumnCount ? titleOf(section) : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    case Qt::FontRole: {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default:
        return {};
    }
}

Qt::ItemFlags QuestionGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid())
        flags |= Qt::ItemIsEditable;
    return flags;
}

Result<bool> QuestionGridModel::setCurrentRow(int row)
{
    // While rows go, the view moves its current row ahead of the change;
    // the table must stay on the record being removed.
    if (m_removing)
        return false;
    const int before = m_table.recordNumber();
    if (const Result<bool> moved = m_table.moveTo(row + 1); !moved || !*moved)
        return moved;
    if (before == row + 1)
        return true;
    if (before > 0)
        emit headerDataChanged(Qt::Vertical, before - 1, before - 1);
    emit headerDataChanged(Qt::Vertical, row, row);
    return true;
}

Result<> QuestionGridModel::moveToExistingRow(int row)
{
    const Result<bool> moved = setCurrentRow(row);
    if (!moved)
        return Failure{moved.error()};
    if (!*moved)
        return missingRecord(row);
    return {};
}

Result<> QuestionGridModel::setCell(int row, int column, const QString &text)
{
    if (column < 0 || column >= ColumnCount)
        return missingRecord(row);
    if (const Result<> moved = moveToExistingRow(row); !moved)
        return moved;
    Result<> result = m_table.edit();
    if (result)
        result = m_table.setText(fieldOf(column), text);
    if (result)
        result = m_table.post();
    if (!result)
        m_table.cancel();
    forgetRow();
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    return result;
}

bool QuestionGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    if (value.toString() == row(index.row()).value(index.column()))
        return true;
    const Result<> result = setCell(index.row(), index.column(), value.toString());
    if (!result)
        emit editFailed(result.error());
    return bool(result);
}

Result<> QuestionGridModel::appendRecord()
{
    const int at = rowCount();
    Result<> result = m_table.append();
    if (result)
        result = m_table.post();
    if (!result) {
        m_table.cancel();
        return result;
    }
    beginInsertRows({}, at, at);
    forgetRow();
    endInsertRows();
    return result;
}

Result<> QuestionGridModel::deleteRecord(int row)
{
    if (const Result<> moved = moveToExistingRow(row); !moved)
        return moved;
    m_removing = true;
    beginRemoveRows({}, row, row);
    const Result<> result = m_table.deleteRecord();
    forgetRow();
    endRemoveRows();
    m_removing = false;
    if (!result)
        reload();
    return result;
}

void QuestionGridModel::currentRecordChanged()
{
    const int row = m_table.recordNumber() - 1;
    forgetRow();
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
