#pragma once
// What the skin reads of a PNG file itself, without Qt's image reader: its size from the
// header chunk, and the pixels of a plain eight-bit PNG straight from the library. An opaque
// one (every window-sized background) stays three bytes a pixel, so it never passes through
// a four-byte copy, which for the main window is a megabyte of its memory. Qt's reader,
// used the first time, looks through its image-format plugins and loads each of them:
// milliseconds of the start that no picture of the skin needs.
#include <QByteArray>
#include <QImage>
#include <QSize>

namespace corvane {

// True when the bytes begin with the PNG signature.
bool IsPng(const QByteArray& bytes);

// The size the header chunk (which the format puts first) declares; invalid when the bytes
// are not a PNG, or declare a size QImage could never hold (the reader then refuses it).
QSize PngHeaderSize(const QByteArray& bytes);

// Format_RGB888 pixels for a PNG without transparency, Format_RGBA8888 (not premultiplied)
// for one with an alpha channel or a transparent colour. A null image when the bytes are
// not a PNG, the file needs more than eight bits a channel or carries colour-management
// chunks (the caller decodes those the general way, as Qt's reader does), or its body is
// damaged.
QImage DecodePng(const QByteArray& bytes);

}  // namespace corvane
