// Writes the program's icon as a Windows .ico file:
//
//     yoruma_ico FILE.ico [-platform offscreen]
//
// The 16 × 16 icon the windows and the tray show, scaled pixel for pixel to
// 16, 32, 48 and 256: the small sizes as 32-bit bitmaps, 256 as PNG, as
// Windows expects them.

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "ui/Pictures.h"

namespace {

void Put16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void Put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

// A BITMAPINFOHEADER, the colours bottom-up in BGRA, then the AND mask (all
// shown: the alpha channel decides).
QByteArray Bitmap(const QImage& image) {
    const int size = image.width();
    QByteArray out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size * 2));  // colours and mask
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);  // BI_RGB
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) Put32(out, image.pixel(x, y));  // 0xAARRGGBB = B,G,R,A
    }
    const int maskRow = ((size + 31) / 32) * 4;
    out.append(QByteArray(maskRow * size, '\0'));
    return out;
}

QByteArray Png(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: yoruma_ico FILE.ico\n");
        return 2;
    }
    const QImage icon = ProgramIconPicture().toImage().convertToFormat(QImage::Format_ARGB32);
    const std::vector<int> sizes = {16, 32, 48, 256};
    std::vector<QByteArray> images;
    for (int size : sizes) {
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        images.push_back(size == 256 ? Png(scaled) : Bitmap(scaled));
    }

    QByteArray file;
    Put16(file, 0);
    Put16(file, 1);  // an icon
    Put16(file, static_cast<std::uint16_t>(sizes.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int size = sizes[i];
        file.append(static_cast<char>(size == 256 ? 0 : size));  // 0 means 256
        file.append(static_cast<char>(size == 256 ? 0 : size));
        file.append('\0');  // no palette
        file.append('\0');
        Put16(file, 1);   // planes
        Put16(file, 32);  // bits per pixel
        Put32(file, static_cast<std::uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const QByteArray& image : images) file.append(image);

    QFile out(arguments[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.flush()) {
        std::fprintf(stderr, "yoruma_ico: cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
