#pragma once
// One image slot of a control, popup or dialog. A loader always fills the slot: a file
// that could not be decoded leaves an image that draws nothing, so a missing skin file
// hides a picture but never breaks a window. A loaded file's size is known at once; its
// pixels are decoded on the skin decode thread and waited for where they are first drawn.
#include <filesystem>
#include <memory>

#include <QImage>
#include <QString>

#include "skin/SkinPicture.h"
#include "skin/SkinTypes.h"

class QPainter;

namespace corvane {

class SkinImage {
 public:
  // Loads a picture file; true when it holds a picture (its header gives the size). A file
  // whose header reads but whose pixels do not decode still draws nothing.
  bool Load(const std::filesystem::path& file);
  // Loads a picture compiled into the program (a Qt resource path).
  bool LoadResource(const QString& resource);
  // Sets a decoded picture directly.
  void Set(QImage image);
  // Empties the slot, as if no loader had run.
  void Release();

  bool HasSlot() const { return slot_; }
  // These wait for the pixels.
  bool IsDrawable() const { return slot_ && !Image().isNull(); }
  const QImage& Image() const;
  // These do not: the size the file declares, then that of its pixels once they are in.
  int Width() const { return picture_ ? picture_->Size().width() : 0; }
  int Height() const { return picture_ ? picture_->Size().height() : 0; }

  // Stretches the source rectangle (image pixels; the whole image when empty) over dst.
  void Draw(QPainter& p, const QRectF& dst, const QRectF& src = QRectF()) const;
  // Frame k of a strip of frameCount frames side by side, stretched over dst.
  void DrawFrame(QPainter& p, const QRectF& dst, int k, int frameCount) const;

 private:
  bool Hold(std::shared_ptr<const SkinPicture> picture);

  bool slot_ = false;
  std::shared_ptr<const SkinPicture> picture_;
};

// Decodes a frame bitmap composed over opaque black (the way the dialogs' frame BMPs
// become bitmaps); a null image when it cannot be decoded.
QImage LoadOpaqueBitmap(const std::filesystem::path& file);

}  // namespace corvane
