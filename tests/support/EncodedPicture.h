#pragma once
// Picture files as the bytes a test writes into a skin folder.
#include <string>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

namespace corvane::testing {

inline std::string EncodedPicture(const QImage& img, const char* format = "PNG") {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, format);
  return bytes.toStdString();
}

// A PNG of one colour, with an alpha channel.
inline std::string PngBytes(int width, int height, QColor color) {
  QImage img(width, height, QImage::Format_ARGB32);
  img.fill(color);
  return EncodedPicture(img);
}

}  // namespace corvane::testing
