#include "skin/SkinPicture.h"

#include <condition_variable>
#include <mutex>
#include <utility>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "skin/PngFile.h"
#include "skin/SkinDecodeThread.h"

namespace corvane {

namespace {

// The format named by the data's first bytes. Qt's reader, given data without a name or a
// format, loads every image-format plugin to ask each whether it is theirs.
QByteArray FormatOf(const QByteArray& bytes) {
  if (IsPng(bytes)) return "png";
  if (bytes.startsWith("BM")) return "bmp";
  return QByteArray();
}

// A frame or background as the window shows it: opaque, RGB32, or three bytes a pixel as an
// opaque PNG is read.
QImage OpaqueOverBlack(QImage img) {
  if (img.isNull() || img.format() == QImage::Format_RGB888) return img;
  // A picture without an alpha channel (every .bmp frame) already is what the window shows:
  // only a transparent one is laid over black.
  if (!img.hasAlphaChannel()) return std::move(img).convertToFormat(QImage::Format_RGB32);
  QImage out(img.size(), QImage::Format_RGB32);
  out.fill(Qt::black);
  QPainter p(&out);
  p.drawImage(0, 0, img);
  return out;
}

}  // namespace

// Shared by the picture's holders and, while it decodes them, the decode thread: the
// pixels outlive every holder that lets go during a decode.
struct SkinPicture::Work {
  enum class State { Waiting, Decoding, Done };

  Work(QByteArray b, QSize s, SkinPicture::Finish f) : bytes(std::move(b)), declared(s), finish(f) {}

  // Decodes unless another thread has begun; never waits.
  void Run() {
    if (Claim()) Finish(Decode());
  }

  // The pixels: decoded here when nobody has begun, else waited for.
  const QImage& Wait() {
    Run();
    std::unique_lock lock(mutex);
    done.wait(lock, [this] { return state == State::Done; });
    return image;
  }

  // True for the one caller that is to decode.
  bool Claim() {
    std::lock_guard lock(mutex);
    if (state != State::Waiting) return false;
    state = State::Decoding;
    return true;
  }

  QImage Decode() const {
    QImage img = DecodePng(bytes);
    if (img.isNull()) {
      QBuffer buffer;
      buffer.setData(bytes);
      buffer.open(QIODevice::ReadOnly);
      img = QImageReader(&buffer, FormatOf(bytes)).read();
    }
    if (img.isNull()) return img;
    if (finish == SkinPicture::Finish::OverBlack) return OpaqueOverBlack(std::move(img));
    return std::move(img).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }

  void Finish(QImage img) {
    {
      std::lock_guard lock(mutex);
      image = std::move(img);
      bytes = QByteArray();  // the file's bytes are not needed once decoded
      state = State::Done;
    }
    done.notify_all();
  }

  std::mutex mutex;
  std::condition_variable done;
  State state = State::Waiting;
  QByteArray bytes;
  QSize declared;
  SkinPicture::Finish finish;
  QImage image;
};

SkinPicture::SkinPicture(std::shared_ptr<Work> work) : work_(std::move(work)) {}

std::shared_ptr<SkinPicture> SkinPicture::Open(const QString& name, Finish finish) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  QByteArray bytes = file.readAll();
  if (bytes.isEmpty()) return nullptr;
  QSize size = PngHeaderSize(bytes);
  if (!size.isValid()) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    size = QImageReader(&buffer, FormatOf(bytes)).size();
  }
  auto work = std::make_shared<Work>(std::move(bytes), size, finish);
  if (!size.isValid()) {
    // No size without decoding (a damaged header, or a format that does not say): what
    // cannot be decoded is no picture.
    if (work->Wait().isNull()) return nullptr;
  }
  return std::make_shared<SkinPicture>(std::move(work));
}

std::shared_ptr<SkinPicture> SkinPicture::Of(QImage image) {
  auto work = std::make_shared<Work>(QByteArray(), image.size(), Finish::Premultiplied);
  work->Finish(std::move(image));
  return std::make_shared<SkinPicture>(std::move(work));
}

void SkinPicture::DecodeInBackground() const {
  // The thread holds the work only while it decodes: a picture every holder has let go
  // before then is never decoded.
  const std::weak_ptr<Work> weak = work_;
  SkinDecodeThread::Instance().Post([weak] {
    if (const auto work = weak.lock()) work->Run();
  });
}

QSize SkinPicture::Size() const {
  std::lock_guard lock(work_->mutex);
  return work_->state == Work::State::Done ? work_->image.size() : work_->declared;
}

const QImage& SkinPicture::Image() const { return work_->Wait(); }

bool SkinPicture::Failed() const {
  std::lock_guard lock(work_->mutex);
  return work_->state == Work::State::Done && work_->image.isNull();
}

QImage SkinPicture::Take() {
  work_->Wait();
  std::lock_guard lock(work_->mutex);
  return std::exchange(work_->image, QImage());
}

}  // namespace corvane
