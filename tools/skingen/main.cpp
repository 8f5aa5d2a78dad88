// Draws every skin file and the program's own pictures into the build tree:
//   skingen SKINS_DIR RESOURCE_DIR
// SKINS_DIR receives the 118 skin files (with the "mouse" subfolder), RESOURCE_DIR the
// pictures compiled into the program (128.png icon, 364.png main background, 287.png
// colour palette, 187.png and 188.png scroll-bar arrow strips).
#include <csetjmp>
#include <cstdio>
#include <functional>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <png.h>

#include "Painters.h"

using namespace skingen;

namespace {

struct SkinFile {
  const char* name;
  std::function<QImage()> paint;
};

std::vector<SkinFile> SkinFiles() {
  std::vector<SkinFile> files = {
      {"1000hz_dn.png", [] { return PaintPollingButton("1000Hz", true); }},
      {"1000hz_nr.png", [] { return PaintPollingButton("1000Hz", false); }},
      {"125hz_dn.png", [] { return PaintPollingButton("125Hz", true); }},
      {"125hz_nr.png", [] { return PaintPollingButton("125Hz", false); }},
      {"250hz_dn.png", [] { return PaintPollingButton("250Hz", true); }},
      {"250hz_nr.png", [] { return PaintPollingButton("250Hz", false); }},
      {"500hz_dn.png", [] { return PaintPollingButton("500Hz", true); }},
      {"500hz_nr.png", [] { return PaintPollingButton("500Hz", false); }},
      {"Frame_DPI.bmp", [] { return PaintFrame(429, 140); }},
      {"Frame_DPI_Sync.bmp", [] { return PaintFrame(429, 217); }},
      {"Frame_Lighting_Setting.bmp", [] { return PaintFrame(429, 217); }},
      {"Frame_Macro_Manager.bmp", [] { return PaintFrame(528, 365); }},
      {"Frame_common.bmp", [] { return PaintFrame(429, 140); }},
      {"Frame_launch.bmp", [] { return PaintFrame(429, 140); }},
      {"Frame_pairing.bmp", [] { return PaintFrame(429, 200); }},
      {"Frame_progress_nr.bmp", [] { return PaintProgressFrame(false); }},
      {"Frame_progress_ov.bmp", [] { return PaintProgressFrame(true); }},
      {"Frame_warning.bmp", [] { return PaintFrame(319, 102, true); }},
      {"Launch_nr.png", [] { return PaintLaunch(false); }},
      {"Launch_ov.png", [] { return PaintLaunch(true); }},
      {"Logo pic.png", [] { return PaintLogo(); }},
      {"Slider_Circle.png", [] { return PaintSliderThumb(); }},
      {"Slider_bar.png", [] { return PaintSliderBar(false); }},
      {"Slider_bar2.png", [] { return PaintSliderBar(true); }},
      {"Status_BLE.png", [] { return PaintStatusIcon("BLE"); }},
      {"Status_Wired.png", [] { return PaintStatusIcon("Wired"); }},
      {"Status_Wireless.png", [] { return PaintStatusIcon("Wireless"); }},
      {"add_nr.png", [] { return PaintAddGlyph(false); }},
      {"add_ov.png", [] { return PaintAddGlyph(true); }},
      {"battery_charging.png", [] { return PaintBattery("charging"); }},
      {"battery_empty.png", [] { return PaintBattery("empty"); }},
      {"battery_full.png", [] { return PaintBattery("full"); }},
      {"battery_green.png", [] { return PaintBattery("green"); }},
      {"battery_lighting.png", [] { return PaintBattery("lighting"); }},
      {"battery_orange.png", [] { return PaintBattery("orange"); }},
      {"battery_red.png", [] { return PaintBattery("red"); }},
      {"button1_nr.png", [] { return PaintButton(100, 26, 0); }},
      {"button1_ov.png", [] { return PaintButton(100, 26, 1); }},
      {"button2_nr.png", [] { return PaintButton(69, 20, 0); }},
      {"button2_ov.png", [] { return PaintButton(69, 20, 1); }},
      {"button4_nr.png", [] { return PaintButton(120, 30, 0); }},
      {"check_button_dpi_dn.png", [] { return PaintDpiSlot(2); }},
      {"check_button_dpi_nr.png", [] { return PaintDpiSlot(0); }},
      {"check_button_dpi_ov.png", [] { return PaintDpiSlot(1); }},
      {"check_dn.png", [] { return PaintCheckBox(2); }},
      {"check_nr.png", [] { return PaintCheckBox(0); }},
      {"check_ov.png", [] { return PaintCheckBox(1); }},
      {"color_select_check.png", [] { return PaintColorFrame(true); }},
      {"color_select_nr.png", [] { return PaintColorFrame(false); }},
      {"combo2_nr.png", [] { return PaintCombo(150, 24, false); }},
      {"combo2_ov.png", [] { return PaintCombo(150, 24, true); }},
      {"combo3_nr.png", [] { return PaintCombo(189, 26, false); }},
      {"combo3_ov.png", [] { return PaintCombo(189, 26, true); }},
      {"device name.png", [] { return PaintDeviceName(); }},
      {"down_check.png", [] { return PaintArrowButton(false, 2); }},
      {"down_nr.png", [] { return PaintArrowButton(false, 0); }},
      {"down_ov.png", [] { return PaintArrowButton(false, 1); }},
      {"dpi_value.png", [] { return PaintDpiValue(); }},
      {"exit_nr.png", [] { return PaintCloseGlyph(0); }},
      {"exit_ov.png", [] { return PaintCloseGlyph(1); }},
      {"foldr_close.png", [] { return PaintFolder(false); }},
      {"foldr_open.png", [] { return PaintFolder(true); }},
      {"header2_nr.png", [] { return PaintHeader(230, 25, false, true); }},
      {"header2_ov.png", [] { return PaintHeader(230, 25, true, true); }},
      {"header_nr.png", [] { return PaintHeader(300, 30, false, false); }},
      {"header_ov.png", [] { return PaintHeader(300, 30, true, false); }},
      {"macro_down.png", [] { return PaintMacroIcon("down"); }},
      {"macro_record_dn.png", [] { return PaintRecordButton(true); }},
      {"macro_record_nr.png", [] { return PaintRecordButton(false); }},
      {"macro_time.png", [] { return PaintMacroIcon("time"); }},
      {"macro_up.png", [] { return PaintMacroIcon("up"); }},
      {"menu_nr.png", [] { return PaintMenuRow(160, 22, false, false); }},
      {"menu_ov.png", [] { return PaintMenuRow(160, 22, true, false); }},
      {"menusub_nr.png", [] { return PaintMenuRow(160, 22, false, true); }},
      {"menusub_ov.png", [] { return PaintMenuRow(160, 22, true, true); }},
      {"min_nr.png", [] { return PaintMinimiseGlyph(0); }},
      {"min_ov.png", [] { return PaintMinimiseGlyph(1); }},
      {"mouse/dpi_bar_1.png", [] { return PaintVerticalBar(false); }},
      {"mouse/dpi_bar_2.png", [] { return PaintVerticalBar(true); }},
      {"mouse/mouse_nr.png", [] { return PaintMouse(); }},
      {"profile_slot_nr.png", [] { return PaintProfileSlot(false, false); }},
      {"profile_slot_nr2.png", [] { return PaintProfileSlot(false, true); }},
      {"profile_slot_ov.png", [] { return PaintProfileSlot(true, false); }},
      {"profile_slot_ov2.png", [] { return PaintProfileSlot(true, true); }},
      {"progress_bar_nr.png", [] { return PaintProgressBar(false); }},
      {"progress_bar_ov.png", [] { return PaintProgressBar(true); }},
      {"radio_dn.png", [] { return PaintRadio(2); }},
      {"radio_nr.png", [] { return PaintRadio(0); }},
      {"radio_ov.png", [] { return PaintRadio(1); }},
      {"up_check.png", [] { return PaintArrowButton(true, 2); }},
      {"up_nr.png", [] { return PaintArrowButton(true, 0); }},
      {"up_ov.png", [] { return PaintArrowButton(true, 1); }},
  };
  static std::vector<QByteArray> names;  // keeps the generated names alive
  for (int n = 1; n <= 9; ++n) {
    names.push_back(QStringLiteral("mouse/number%1.png").arg(n).toUtf8());
    files.push_back({names.back().constData(), [n] { return PaintNumber(n, false); }});
    names.push_back(QStringLiteral("mouse/serial_number%1.png").arg(n).toUtf8());
    files.push_back({names.back().constData(), [n] { return PaintNumber(n, true); }});
  }
  for (int minutes = 3; minutes <= 10; ++minutes) {
    names.push_back(QStringLiteral("power_manage_%1min.png").arg(minutes).toUtf8());
    files.push_back({names.back().constData(), [minutes] { return PaintPowerDial(minutes - 2); }});
  }
  return files;
}

// Whether no pixel lets anything behind it show through.
bool IsOpaque(const QImage& img) {
  if (!img.hasAlphaChannel()) return true;
  const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(line[x]) != 255) return false;
  }
  return true;
}

// PNG rows are written unfiltered: the pictures are flat colours and gradients, so the
// files come out smaller than with the adaptive filters, and undoing a filter row by row
// was half of the program's decode time at start. An opaque picture is stored without
// alpha, so it decodes straight into the window's pixel format.
// libpng reports a failed write by jumping back to the setjmp here.
bool WriteRows(png_structp png, png_infop info, std::FILE* file, const QImage& rows, bool opaque) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rows.width()), static_cast<png_uint_32>(rows.height()), 8,
               opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  for (int y = 0; y < rows.height(); ++y) png_write_row(png, rows.constScanLine(y));
  png_write_end(png, info);
  return true;
}

bool WritePng(const QImage& img, const QString& path) {
  const bool opaque = IsOpaque(img);
  const QImage rows = img.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
  std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool ok = png && info && WriteRows(png, info, file, rows, opaque);
  png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
  return std::fclose(file) == 0 && ok;
}

bool Save(const QImage& img, const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  const bool ok = path.endsWith(".bmp") ? img.convertToFormat(QImage::Format_RGB32).save(path) : WritePng(img, path);
  if (!ok) {
    std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: skingen SKINS_DIR RESOURCE_DIR\n");
    return 2;
  }
  const QString skins = QString::fromLocal8Bit(argv[1]);
  const QString res = QString::fromLocal8Bit(argv[2]);
  bool ok = true;
  std::size_t count = 0;
  for (const auto& f : SkinFiles()) {
    ok = Save(f.paint(), skins + "/" + QString::fromUtf8(f.name)) && ok;
    ++count;
  }
  ok = Save(PaintAppIcon(), res + "/128.png") && ok;
  // The desktop's icon theme wants the same icon drawn at each size (cmake/Install.cmake).
  for (const int size : {48, 128, 256}) ok = Save(PaintAppIcon(size), res + QString("/icon-%1.png").arg(size)) && ok;
  ok = Save(PaintMainBackground(), res + "/364.png") && ok;
  ok = Save(PaintPalette(), res + "/287.png") && ok;
  ok = Save(PaintArrowStrip(false), res + "/187.png") && ok;
  ok = Save(PaintArrowStrip(true), res + "/188.png") && ok;
  if (count != 118) {
    std::fprintf(stderr, "skingen: %zu skin files instead of 118\n", count);
    return 1;
  }
  return ok ? 0 : 1;
}
