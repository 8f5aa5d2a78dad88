#pragma once
// What one of the main window's commands asks of the window after it changed the
// profile: the upload request (the dirty flag is already set), a refresh of the
// controls, an attention box.
namespace corvane {

struct CommandEffect {
  bool ScheduleApply = false;  // timer 30 with 20 ms, which runs ApplyToDevice
  bool RefreshView = false;    // ShowCurrentProfile
  int AttentionText = 0;       // language text of an attention box, 0 for none
  int AttentionDelayMs = 0;    // shown after this delay
  bool Refused = false;        // nothing was changed
};

// A slider reports while it is dragged and once more when released; only the release
// asks for the upload.
enum class SliderCommit { Drag, Release };

}  // namespace corvane
