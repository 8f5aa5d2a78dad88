#include "platform/FontConfigWarmUp.h"

#if defined(CORVANE_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace corvane {

FontConfigWarmUp::FontConfigWarmUp() {
#if defined(CORVANE_HAVE_FONTCONFIG)
  // FcInit publishes its configuration atomically: should Qt ask first, each side builds one
  // and the loser's is dropped, so the race costs time, never correctness.
  thread_ = std::thread([] { FcInit(); });
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() { Wait(); }

void FontConfigWarmUp::Wait() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace corvane
