#include "gui/resources/dib.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QtEndian>

namespace marlix {

namespace {

constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitfields = 3;
constexpr qsizetype kInfoHeaderSize = 40;  // BITMAPINFOHEADER; the later versions only add to it
constexpr qsizetype kFileHeaderSize = 14;  // BITMAPFILEHEADER
constexpr int kMaxSide = 4096;             // far above any picture of ours

quint16 U16(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<quint16>(data.data() + at);
}
quint32 U32(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<quint32>(data.data() + at);
}

// A DIB: its header at the start of `dib`, its pixels `pixelsAt` bytes in (for a .bmp file that
// is wherever the file header says). An icon's DIB is twice as high as its picture (the picture,
// then its 1-bit mask) and its fourth byte is alpha.
QImage ReadDib(QByteArrayView dib, qsizetype pixelsAt, bool icon) {
    if (dib.size() < kInfoHeaderSize) {
        return {};
    }
    const quint32 headerSize = U32(dib, 0);
    const auto width = static_cast<qint32>(U32(dib, 4));
    const auto rawHeight = static_cast<qint32>(U32(dib, 8));
    const quint32 compression = U32(dib, 16);
    if (headerSize < kInfoHeaderSize || headerSize > quint32(dib.size()) || U16(dib, 12) != 1 ||
        U16(dib, 14) != 32) {
        return {};
    }
    const bool topDown = rawHeight < 0 && !icon;
    qint64 height = topDown ? -qint64(rawHeight) : qint64(rawHeight);
    if (icon) {
        height /= 2;
    }
    if (width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide) {
        return {};
    }

    bool alpha = icon;
    if (compression == kBiBitfields) {
        // The colour masks follow a BITMAPINFOHEADER, and are part of the later headers.
        const qsizetype masksAt = kInfoHeaderSize;
        if (dib.size() < masksAt + 12 || U32(dib, masksAt) != 0x00FF0000u ||
            U32(dib, masksAt + 4) != 0x0000FF00u || U32(dib, masksAt + 8) != 0x000000FFu) {
            return {};
        }
        const quint32 alphaMask = headerSize >= 56 ? U32(dib, masksAt + 12) : 0;
        if (alphaMask != 0 && alphaMask != 0xFF000000u) {
            return {};
        }
        alpha = alphaMask != 0;
        if (icon && headerSize == kInfoHeaderSize) {
            pixelsAt += 12;
        }
    } else if (compression != kBiRgb) {
        return {};
    }

    const qsizetype rowBytes = qsizetype(width) * 4;
    if (pixelsAt < headerSize || pixelsAt > dib.size() ||
        (dib.size() - pixelsAt) / rowBytes < height) {
        return {};
    }
    QImage image(width, int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < image.height(); ++y) {
        const qsizetype row = topDown ? y : image.height() - 1 - y;
        const char* in = dib.data() + pixelsAt + row * rowBytes;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = qFromLittleEndian<quint32>(in + qsizetype(x) * 4);
            out[x] = alpha ? qPremultiply(pixel) : (pixel | 0xFF000000u);
        }
    }
    return image;
}

bool IsPng(QByteArrayView data) {
    return data.startsWith(QByteArrayView("\x89PNG\r\n\x1a\n", 8));
}

// Told the format, and told not to look further, Qt's image reader goes straight to its own PNG
// reader instead of loading every image format plugin to ask each.
QImage ReadPngData(QByteArrayView data) {
    QByteArray bytes = QByteArray::fromRawData(data.data(), data.size());
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QImage ReadBmp(QByteArrayView file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file.first(2) != "BM") {
        return {};
    }
    const quint32 pixelsAt = U32(file, 10);
    if (pixelsAt < kFileHeaderSize || pixelsAt > quint32(file.size())) {
        return {};
    }
    return ReadDib(file.sliced(kFileHeaderSize), qsizetype(pixelsAt) - kFileHeaderSize, false);
}

std::vector<IcoPicture> ReadIcoDirectory(QByteArrayView file) {
    constexpr qsizetype kDirectory = 6;
    constexpr qsizetype kEntry = 16;
    if (file.size() < kDirectory || U16(file, 0) != 0 || U16(file, 2) != 1) {
        return {};
    }
    const int count = U16(file, 4);
    if (file.size() < kDirectory + count * kEntry) {
        return {};
    }
    std::vector<IcoPicture> pictures;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = kDirectory + i * kEntry;
        // A side of 256 is written as 0.
        const int width = static_cast<uchar>(file[at]) == 0 ? 256 : static_cast<uchar>(file[at]);
        const int height =
            static_cast<uchar>(file[at + 1]) == 0 ? 256 : static_cast<uchar>(file[at + 1]);
        const quint32 size = U32(file, at + 8);
        const quint32 offset = U32(file, at + 12);
        if (offset > quint32(file.size()) || size > quint32(file.size()) - offset) {
            return {};
        }
        if (width == height) {
            const QByteArrayView picture = file.sliced(offset, size);
            pictures.push_back({width, picture, IsPng(picture)});
        }
    }
    return pictures;
}

QImage ReadIcoPicture(QByteArrayView picture) {
    if (IsPng(picture)) {
        return ReadPngData(picture);
    }
    if (picture.size() < kInfoHeaderSize) {
        return {};
    }
    return ReadDib(picture, U32(picture, 0), true);
}

}  // namespace marlix
