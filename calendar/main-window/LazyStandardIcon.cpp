#include "calendar/main-window/LazyStandardIcon.h"

#include <QApplication>
#include <QIconEngine>

namespace {

class LazyStandardIconEngine : public QIconEngine
{
public:
    explicit LazyStandardIconEngine(QStyle::StandardPixmap picture) : m_picture(picture) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("LazyStandardIconEngine"); }
    QIconEngine *clone() const override { return new LazyStandardIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (!m_resolved) {
            m_icon = QApplication::style()->standardIcon(m_picture);
            m_resolved = true;
        }
        return m_icon;
    }

    QStyle::StandardPixmap m_picture;
    bool m_resolved = false;
    QIcon m_icon;
};

} // namespace

QIcon lazyStandardIcon(QStyle::StandardPixmap picture)
{
    return QIcon(new LazyStandardIconEngine(picture));
}
