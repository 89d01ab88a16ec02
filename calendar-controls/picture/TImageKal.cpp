#include "calendar-controls/picture/TImageKal.h"

#include <QPainter>

TImageKal::TImageKal(QWidget *parent) : QWidget(parent) {}

Result<> TImageKal::setFileName(const QString &fileName)
{
    if (fileName != m_fileName)
        emit OnModify(this);
    m_fileName = fileName;
    if (m_fileName.isEmpty()) {
        m_picture = {};
        update();
        return {};
    }
    // Built aside and swapped in only on success: a failed load keeps the
    // picture shown before.
    Result<class Picture> loaded = Picture::load(m_fileName);
    if (!loaded)
        return Failure{loaded.error()};
    m_picture = *std::move(loaded);
    update();
    return {};
}

void TImageKal::setFileName(const QString &fileName, class Picture loaded)
{
    if (fileName != m_fileName)
        emit OnModify(this);
    m_fileName = fileName;
    m_picture = std::move(loaded);
    update();
}

void TImageKal::Clear()
{
    // An empty name clears and never fails.
    (void)setFileName(QString());
}

void TImageKal::Draw(QPainter &painter) const
{
    if (m_picture.isNull())
        return;
    const QSize size = m_picture.size();
    const QPoint topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    m_picture.draw(painter, QRectF(topLeft, size));
}

void TImageKal::DrawInto(QPainter &painter, const QRectF &target) const
{
    if (!m_picture.isNull())
        m_picture.draw(painter, target);
}

void TImageKal::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Draw(painter);
}

void TImageKal::mouseDoubleClickEvent(QMouseEvent *)
{
    emit OnDblClick(this);
}
