#include "skin/SkinImage.h"

#include <utility>

#include <QPainter>

#include "skin/SkinImageCache.h"

namespace corvane {

bool SkinImage::Load(const std::filesystem::path& file) { return Hold(SkinImageCache::Instance().File(file)); }

bool SkinImage::LoadResource(const QString& resource) { return Hold(SkinImageCache::Instance().Resource(resource)); }

bool SkinImage::Hold(std::shared_ptr<const SkinPicture> picture) {
  slot_ = true;
  picture_ = std::move(picture);
  return picture_ != nullptr;
}

void SkinImage::Set(QImage image) {
  slot_ = true;
  picture_ = SkinPicture::Of(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void SkinImage::Release() {
  slot_ = false;
  picture_.reset();
}

const QImage& SkinImage::Image() const {
  static const QImage kNothing;
  return picture_ ? picture_->Image() : kNothing;
}

void SkinImage::Draw(QPainter& p, const QRectF& dst, const QRectF& src) const {
  if (!IsDrawable() || dst.isEmpty()) return;
  const QImage& image = Image();
  const QRectF from = src.isEmpty() ? QRectF(image.rect()) : src;
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(dst, image, from);
  p.restore();
}

void SkinImage::DrawFrame(QPainter& p, const QRectF& dst, int k, int frameCount) const {
  if (!IsDrawable() || frameCount <= 0) return;
  const int fw = Image().width() / frameCount;
  if (fw <= 0) return;
  Draw(p, dst, QRectF(k * fw, 0, fw, Image().height()));
}

QImage LoadOpaqueBitmap(const std::filesystem::path& file) {
  const auto picture = SkinPicture::Open(QString::fromStdString(file.string()), SkinPicture::Finish::OverBlack);
  return picture ? picture->Take() : QImage();
}

}  // namespace corvane
