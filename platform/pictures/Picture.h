#pragma once

#include <QImage>
#include <QPicture>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>
#include <variant>

class QPainter;

// A picture read from a file: a bitmap (bmp, ico, jpg, jpeg, and wmf drawn
// at screen resolution) or a recorded enhanced metafile (emf) that replays as
// vectors at any scale.
class Picture
{
public:
    Picture() = default;
    explicit Picture(QImage image);
    Picture(QPicture recording, QSize size);

    bool isNull() const;
    // Natural size in pixels.
    QSize size() const;
    // Draws the whole picture scaled into `target`.
    void draw(QPainter &painter, const QRectF &target) const;
    // The picture rendered at its natural size.
    QImage toImage() const;

    // The format is chosen by the extension, letter case ignored. On failure
    // the error text is returned: "Unknown picture file extension (.%s)",
    // "Cannot open file %s", or the decoder's own message.
    static std::variant<Picture, QString> load(const QString &path);

    // Whether a 32-bit image of that many pixels stays within the ceiling that
    // Qt's own readers keep (a header may claim far more than can be held).
    static bool fitsInMemory(qint64 width, qint64 height);

private:
    std::optional<QImage> m_image;
    std::optional<QPicture> m_recording;
    QSize m_size;
};
