#pragma once
// A picture file whose size is known as soon as it is read and whose pixels are decoded
// later: on the skin decode thread, or where they are first needed if that thread has not
// begun them. The file's bytes are read at once, so the picture is the file as it was
// then, whatever is written over it before the decode. Thread-safe; each picture is
// decoded once.
#include <memory>

#include <QImage>
#include <QSize>
#include <QString>

namespace corvane {

class SkinPicture {
 public:
  // The pixel format the pixels are handed out in.
  enum class Finish {
    Premultiplied,  // ARGB32 premultiplied, as the skinned controls draw them
    OverBlack,      // RGB32, a transparent picture laid over black (frames, backgrounds);
                    // an opaque PNG stays three bytes a pixel (RGB888)
  };

  // Reads a file (or Qt resource) and the size its header declares; nullptr when it
  // cannot be read or holds no picture. A format whose header gives no size is decoded
  // here and then.
  static std::shared_ptr<SkinPicture> Open(const QString& name, Finish finish);
  // A picture already decoded (null: a picture that draws nothing).
  static std::shared_ptr<SkinPicture> Of(QImage image);

  // Hands the decode to the skin decode thread (without one, the pixels are decoded
  // where they are first needed).
  void DecodeInBackground() const;

  // The declared size until the pixels are in, then theirs (empty when the body of the
  // file could not be decoded).
  QSize Size() const;
  // The pixels, waited for or decoded here; null when the file could not be decoded.
  const QImage& Image() const;
  // Decoded and found to hold nothing; never waits.
  bool Failed() const;
  // The pixels moved out to a single owner; the picture is empty afterwards.
  QImage Take();

  struct Work;
  explicit SkinPicture(std::shared_ptr<Work> work);

 private:
  std::shared_ptr<Work> work_;
};

}  // namespace corvane
