# Precompiled headers (CORVANE_PCH): the standard, Qt and GoogleTest headers that nearly
# every file of a target includes are parsed once per target instead of once per file,
# which is most of a GUI or test file's compile time. scripts/test turns it on for its
# builds; it is off by default so that a developer's build still shows a missing include.
set(CORVANE_PCH_STD <algorithm> <array> <filesystem> <functional> <memory> <optional> <string> <string_view> <vector>)
set(CORVANE_PCH_QT <QDialog> <QImage> <QKeyEvent> <QPainter> <QString> <QTimer> <QWidget>)

function(corvane_precompile target)
  if(CORVANE_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
