#pragma once
// What the skin reads of a PNG file itself, without Qt's image reader: its size from the
// header chunk, and an opaque PNG (no alpha channel, no transparent colour) read straight
// into three bytes a pixel. The window-sized backgrounds are such files; read this way they
// never pass through a four-byte copy, which for the main window is a megabyte of its memory.
#include <QByteArray>
#include <QImage>
#include <QSize>

namespace corvane {

// True when the bytes begin with the PNG signature.
bool IsPng(const QByteArray& bytes);

// The size the header chunk (which the format puts first) declares; invalid when the bytes
// are not a PNG, or declare a size QImage could never hold (the reader then refuses it).
QSize PngHeaderSize(const QByteArray& bytes);

// Format_RGB888 pixels; a null image when the bytes are not a PNG, the PNG has any
// transparency (the caller decodes those the general way) or its body is damaged.
QImage DecodeOpaquePng(const QByteArray& bytes);

}  // namespace corvane
