#include "skin/SkinImage.h"

#include <utility>

#include <QPainter>

#include "skin/SkinImageCache.h"

namespace corvane {

bool SkinImage::Load(const std::filesystem::path& file) {
  slot_ = true;
  image_ = SkinImageCache::Instance().File(file);
  return !image_.isNull();
}

bool SkinImage::LoadResource(const QString& resource) {
  slot_ = true;
  image_ = SkinImageCache::Instance().Resource(resource);
  return !image_.isNull();
}

void SkinImage::Set(QImage image) {
  slot_ = true;
  image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void SkinImage::Release() {
  slot_ = false;
  image_ = QImage();
}

void SkinImage::Draw(QPainter& p, const QRectF& dst, const QRectF& src) const {
  if (!IsDrawable() || dst.isEmpty()) return;
  const QRectF from = src.isEmpty() ? QRectF(image_.rect()) : src;
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(dst, image_, from);
  p.restore();
}

void SkinImage::DrawFrame(QPainter& p, const QRectF& dst, int k, int frameCount) const {
  if (!IsDrawable() || frameCount <= 0) return;
  const int fw = image_.width() / frameCount;
  if (fw <= 0) return;
  Draw(p, dst, QRectF(k * fw, 0, fw, image_.height()));
}

QImage LoadOpaqueBitmap(const std::filesystem::path& file) {
  QImage img;
  if (!img.load(QString::fromStdString(file.string()))) return QImage();
  // A picture without an alpha channel (every .bmp frame, the main background) already is
  // what the window shows: only a transparent one is laid over black.
  if (!img.hasAlphaChannel()) return std::move(img).convertToFormat(QImage::Format_RGB32);
  QImage out(img.size(), QImage::Format_RGB32);
  out.fill(Qt::black);
  QPainter p(&out);
  p.drawImage(0, 0, img);
  return out;
}

}  // namespace corvane
