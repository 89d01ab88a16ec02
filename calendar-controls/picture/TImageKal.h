#pragma once

#include "platform/pictures/Picture.h"
#include "platform/result/Result.h"

#include <QString>
#include <QWidget>

// The picture box of a calendar page: remembers the file its picture came
// from and loads the picture when that name is set. Shows the picture centred
// and unscaled, at its natural pixel size.
class TImageKal : public QWidget
{
    Q_OBJECT

public:
    explicit TImageKal(QWidget *parent = nullptr);

    const QString &FileName() const { return m_fileName; }
    // OnModify for a different name (exact case); then the name is stored and
    // a non-empty name loaded again from its file, an empty one clears the
    // picture. A failed load keeps the new name and the old picture, and
    // returns the loading error.
    Result<> setFileName(const QString &fileName);
    // The same with the picture of that name already loaded by the caller,
    // who can then refuse a whole set of pictures before any is shown.
    void setFileName(const QString &fileName, class Picture loaded);
    void Clear();

    // The shown picture; null when there is none.
    const class Picture &Picture() const { return m_picture; }

    // Paints the picture centred in a box of the control's size.
    void Draw(QPainter &painter) const;
    // Paints the whole picture stretched into `target` (the printed page).
    void DrawInto(QPainter &painter, const QRectF &target) const;

signals:
    void OnModify(QObject *sender);
    void OnDblClick(QObject *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString m_fileName;
    class Picture m_picture;
};
