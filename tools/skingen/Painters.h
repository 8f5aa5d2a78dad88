#pragma once
// Painters of the generated pictures, one family per file.
#include <QColor>
#include <QImage>
#include <QString>

namespace skingen {

// Dialog frames: a dark panel with a title band and an accent edge.
QImage PaintFrame(int w, int h, bool warning = false);
// The progress frame, empty (filled = false) or with the bar filled in rows 66 to 77.
QImage PaintProgressFrame(bool filled);

// Buttons and faces; state 0 normal, 1 hover, 2 pressed or selected.
QImage PaintButton(int w, int h, int state, const QString& caption = QString());
QImage PaintCloseGlyph(int state);
QImage PaintMinimiseGlyph(int state);
QImage PaintMenuRow(int w, int h, bool hover, bool submenu);
QImage PaintCheckBox(int state);
QImage PaintRadio(int state);
QImage PaintDpiSlot(int state);
QImage PaintCombo(int w, int h, bool hover);
QImage PaintArrowButton(bool up, int state);
QImage PaintAddGlyph(bool hover);
QImage PaintHeader(int w, int h, bool hover, bool variant);
QImage PaintProfileSlot(bool hover, bool variant);
QImage PaintPollingButton(const QString& caption, bool selected);
QImage PaintRecordButton(bool pressed);
QImage PaintColorFrame(bool checked);

// Values and status.
QImage PaintSliderThumb();
QImage PaintSliderBar(bool filled);
QImage PaintVerticalBar(bool filled);
QImage PaintDpiValue();
QImage PaintProgressBar(bool filled);
QImage PaintBattery(const QString& kind);
QImage PaintStatusIcon(const QString& kind);
QImage PaintPowerDial(int level);

// Small pictures.
QImage PaintFolder(bool open);
QImage PaintMacroIcon(const QString& kind);
QImage PaintLaunch(bool hover);
QImage PaintLogo();
QImage PaintDeviceName();
QImage PaintMouse();
QImage PaintNumber(int n, bool serial);

// The program's own pictures.
// The application icon, drawn on a 128-unit grid at size x size pixels.
QImage PaintAppIcon(int size = 128);
QImage PaintMainBackground();
QImage PaintPalette();
QImage PaintArrowStrip(bool up);

}  // namespace skingen
