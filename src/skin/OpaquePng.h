#pragma once
// An opaque PNG (no alpha channel, no transparent colour) read straight into three bytes a
// pixel. The window-sized backgrounds are such files; read this way they never pass
// through a four-byte copy, which for the main window is a megabyte of its memory.
#include <QByteArray>
#include <QImage>

namespace corvane {

// Format_RGB888 pixels; a null image when the bytes are not a PNG, the PNG has any
// transparency (the caller decodes those the general way) or its body is damaged.
QImage DecodeOpaquePng(const QByteArray& bytes);

}  // namespace corvane
