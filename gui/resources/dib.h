// Pictures kept the way Windows keeps them in a program's resources: a bitmap as a
// device-independent bitmap (.bmp), an icon group as an .ico file. Their 32-bit pixels are copied
// as they stand, with no image decoder: at start that is quicker than decoding PNGs, and Qt's image
// reader would first look through every image format plugin on its first use.
#pragma once

#include <QByteArrayView>
#include <QImage>

#include <vector>

namespace marlix {

// A .bmp file of 32 bits a pixel, uncompressed, rows bottom-up or top-down. Its alpha counts
// where the file has an alpha mask; otherwise the picture is opaque. A null image for any other
// kind of bitmap and for a damaged one.
QImage ReadBmp(QByteArrayView file);

struct IcoPicture {
    int size = 0;         // pixels a side
    QByteArrayView data;  // within the file
    bool png = false;     // else a DIB, whose reading is a mere copy
};

// The square pictures of an .ico file. Nothing for a file that is not one or whose directory
// points outside it.
std::vector<IcoPicture> ReadIcoDirectory(QByteArrayView file);

// One picture of an .ico file: a 32-bit DIB (with its mask, which the alpha makes redundant) or a
// PNG, which Windows allows for the large sizes. A null image for anything else.
QImage ReadIcoPicture(QByteArrayView picture);

}  // namespace marlix
