// Renders the program's SVG pictures into the files the Windows resources are made
// of: a 32-bit bitmap with an alpha channel for each 16-pixel picture, and the icon
// in 16 and 32 pixels with the 16 colours of the standard palette.
// Usage: render_pictures SVG-FOLDER OUTPUT-FOLDER
// The build's "windows-pictures" target runs it on resources/pictures; its output is
// committed, as the Windows build cannot render SVG.
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

constexpr std::array<const char*, 5> kPictures = {"cross", "info", "folder", "padlock-closed",
                                                  "padlock-open"};

// The 16 colours of the standard palette, in their order.
constexpr std::array<QRgb, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

void Put16(QByteArray& out, uint32_t value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(QByteArray& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// BITMAPINFOHEADER without compression.
void PutInfoHeader(QByteArray& out, int width, int height, int bits, int colours, int image_size) {
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(image_size));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(colours));
  Put32(out, 0);
}

std::optional<QImage> Render(const QString& svg_path) {
  QSvgRenderer svg(svg_path);
  if (!svg.isValid()) return std::nullopt;
  QImage image(svg.defaultSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  svg.render(&painter);
  painter.end();
  // Straight alpha: the system's image lists apply it themselves.
  return image.convertToFormat(QImage::Format_ARGB32);
}

// A 32-bit bottom-up bitmap file, blue, green, red and alpha in each pixel.
QByteArray BitmapFile(const QImage& image) {
  const int w = image.width();
  const int h = image.height();
  const int image_size = w * h * 4;
  QByteArray out;
  out.append("BM");
  Put32(out, static_cast<uint32_t>(14 + 40 + image_size));
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, w, h, 32, 0, image_size);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const QRgb p = image.pixel(x, y);
      out.append(static_cast<char>(qBlue(p)));
      out.append(static_cast<char>(qGreen(p)));
      out.append(static_cast<char>(qRed(p)));
      out.append(static_cast<char>(qAlpha(p)));
    }
  }
  return out;
}

std::optional<int> PaletteIndex(QRgb pixel) {
  if (qAlpha(pixel) != 255) return std::nullopt;
  for (size_t i = 0; i < kPalette.size(); ++i) {
    if ((pixel & 0xFFFFFF) == kPalette[i]) return static_cast<int>(i);
  }
  return std::nullopt;
}

// One image of an icon file: header, palette, 4-bit colours, and an all-opaque mask.
std::optional<QByteArray> IconImage(const QImage& image) {
  const int w = image.width();
  const int h = image.height();
  const int colour_row = ((w * 4 + 31) / 32) * 4;
  const int mask_row = ((w + 31) / 32) * 4;
  QByteArray out;
  PutInfoHeader(out, w, h * 2, 4, 16, (colour_row + mask_row) * h);
  for (QRgb colour : kPalette) {
    out.append(static_cast<char>(qBlue(colour)));
    out.append(static_cast<char>(qGreen(colour)));
    out.append(static_cast<char>(qRed(colour)));
    out.append('\0');
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(colour_row, '\0');
    for (int x = 0; x < w; ++x) {
      const std::optional<int> index = PaletteIndex(image.pixel(x, y));
      if (!index) return std::nullopt;
      row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? *index << 4 : *index));
    }
    out.append(row);
  }
  out.append(QByteArray(mask_row * h, '\0'));
  return out;
}

bool Write(const QString& path, const QByteArray& data) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: render_pictures SVG-FOLDER OUTPUT-FOLDER\n");
    return 2;
  }
  const QString in = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
  const QString out = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');

  for (const char* name : kPictures) {
    const std::optional<QImage> image = Render(in + QLatin1String(name) + QStringLiteral(".svg"));
    if (!image || image->size() != QSize(16, 16) ||
        !Write(out + QLatin1String(name) + QStringLiteral(".bmp"), BitmapFile(*image))) {
      std::fprintf(stderr, "render_pictures: %s failed\n", name);
      return 1;
    }
  }

  // ICONDIR, one ICONDIRENTRY per size, then the images.
  std::array<QByteArray, 2> images;
  const std::array<int, 2> sizes = {16, 32};
  for (size_t i = 0; i < sizes.size(); ++i) {
    const QString svg = in + QStringLiteral("icon-%1.svg").arg(sizes[i]);
    const std::optional<QImage> image = Render(svg);
    std::optional<QByteArray> data;
    if (image && image->size() == QSize(sizes[i], sizes[i])) data = IconImage(*image);
    if (!data) {
      std::fprintf(stderr, "render_pictures: icon-%d is not in the 16 colours\n", sizes[i]);
      return 1;
    }
    images[i] = *data;
  }
  QByteArray icon;
  Put16(icon, 0);
  Put16(icon, 1);
  Put16(icon, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    icon.append(static_cast<char>(sizes[i]));
    icon.append(static_cast<char>(sizes[i]));
    icon.append(static_cast<char>(16));
    icon.append('\0');
    Put16(icon, 1);
    Put16(icon, 4);
    Put32(icon, static_cast<uint32_t>(images[i].size()));
    Put32(icon, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const QByteArray& image : images)
    icon.append(image);
  if (!Write(out + QStringLiteral("sigillo.ico"), icon)) {
    std::fprintf(stderr, "render_pictures: sigillo.ico failed\n");
    return 1;
  }
  return 0;
}
