#pragma once

#include "platform/result/Result.h"

#include <QAbstractTableModel>
#include <QStringList>

class QuestionTable;

// The service window's grid over the question table: number, category,
// correct answer and validity. Rows are read from the table when the view
// asks for them; nothing of the table is copied beyond the row last read.
// The table's current record is the grid's current row, and reading another
// row leaves it where it was.
class QuestionGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Number, Category, Correct, Validity, ColumnCount };

    explicit QuestionGridModel(QuestionTable &table, QObject *parent = nullptr);

    // Call after the table was opened, closed or replaced.
    void reload();
    void setEditable(bool editable);
    bool editable() const { return m_editable; }

    // How many times a row was read from the table; the view's repeated
    // questions about the same row are answered from the row last read.
    int rowsRead() const { return m_rowsRead; }

    // Makes the record of `row` the table's current one; false when it cannot
    // move there, a failure when the post of a pending edit fails.
    Result<bool> setCurrentRow(int row);

    // Edits one cell of `row` and posts it. On failure the record stays as
    // it was, on disk and in the table, and the error says why.
    Result<> setCell(int row, int column, const QString &text);
    // Adds an empty record at the end; it becomes current.
    Result<> appendRecord();
    Result<> deleteRecord(int row);
    // The current record changed behind the model (saved through the editors).
    void currentRecordChanged();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // A grid edit was refused; the window shows why.
    void editFailed(const QString &error);

private:
    // setCurrentRow() for a row that must exist: a missing one is a failure.
    Result<> moveToExistingRow(int row);
    const QStringList &row(int row) const;
    void forgetRow() const { m_cachedRow = -1; }

    QuestionTable &m_table;
    bool m_editable = false;
    bool m_removing = false;
    mutable int m_cachedRow = -1;
    mutable QStringList m_cached;
    mutable int m_rowsRead = 0;
};
