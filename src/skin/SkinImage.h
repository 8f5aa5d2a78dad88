#pragma once
// One image slot of a control, popup or dialog. A loader always fills the slot: a file
// that could not be decoded leaves an image that draws nothing, so a missing skin file
// hides a picture but never breaks a window.
#include <filesystem>

#include <QImage>
#include <QString>

#include "skin/SkinTypes.h"

class QPainter;

namespace corvane {

class SkinImage {
 public:
  // Loads a picture file; true when it was decoded.
  bool Load(const std::filesystem::path& file);
  // Loads a picture compiled into the program (a Qt resource path).
  bool LoadResource(const QString& resource);
  // Sets a decoded picture directly.
  void Set(QImage image);
  // Empties the slot, as if no loader had run.
  void Release();

  bool HasSlot() const { return slot_; }
  bool IsDrawable() const { return slot_ && !image_.isNull(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  const QImage& Image() const { return image_; }

  // Stretches the source rectangle (image pixels; the whole image when empty) over dst.
  void Draw(QPainter& p, const QRectF& dst, const QRectF& src = QRectF()) const;
  // Frame k of a strip of frameCount frames side by side, stretched over dst.
  void DrawFrame(QPainter& p, const QRectF& dst, int k, int frameCount) const;

 private:
  bool slot_ = false;
  QImage image_;
};

// Decodes a frame bitmap composed over opaque black (the way the dialogs' frame BMPs
// become bitmaps); a null image when it cannot be decoded.
QImage LoadOpaqueBitmap(const std::filesystem::path& file);

}  // namespace corvane
