#pragma once

#include "platform/result/Result.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;

// A picture read from a file: a bitmap (bmp, ico, jpg, jpeg) or a Windows
// metafile (wmf, emf) whose records are played as vectors each time it is
// drawn, so it stays sharp at any scale (a printer's too).
class Picture
{
public:
    enum class Format { Bitmap, Icon, Jpeg, WindowsMetafile, EnhancedMetafile };
    // Plays a metafile's records in the picture's own pixels; false when they are damaged.
    using MetafilePlayer = bool (*)(const QByteArray &metafile, QPainter &painter);

    Picture() = default;
    explicit Picture(QImage image);
    // A bitmap decoded smaller than its file's size, which stays its
    // natural size: it is drawn stretched to that.
    Picture(QImage image, QSize naturalSize);
    // The metafile is played once aside, so that damage shows here and not
    // when it is drawn: none when the player finds it damaged.
    static std::optional<Picture> fromMetafile(QByteArray metafile, MetafilePlayer player, QSize size);

    bool isNull() const;
    // Natural size in pixels.
    QSize size() const;
    // Draws the whole picture scaled into `target`, onto any painter.
    void draw(QPainter &painter, const QRectF &target) const;
    // The picture rendered at its natural size; a bitmap decoded smaller as
    // it was decoded, in the same proportions.
    QImage toImage() const;

    // By the extension, letter case ignored; none for an unknown one.
    static std::optional<Format> formatOf(const QString &extension);
    // The failure's message: "Unknown picture file extension (.%s)", "Cannot
    // open file %s", or the decoder's own.
    static Result<Picture> load(const QString &path);
    static Result<Picture> decode(const QByteArray &data, Format format);

    // Whether a 32-bit image of that many pixels stays within the ceiling that
    // Qt's own readers keep (a header may claim far more than can be held).
    static bool fitsInMemory(qint64 width, qint64 height);

private:
    Picture(QByteArray metafile, MetafilePlayer player, QSize size);

    QImage m_image;
    QByteArray m_metafile;
    MetafilePlayer m_player = nullptr;
    QSize m_size;
};
