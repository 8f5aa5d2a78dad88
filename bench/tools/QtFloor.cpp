// The floor for the start-up and memory figures: the least a Qt Widgets program of the same
// build does to map one empty window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(1127, 740);
  window.show();
  return app.exec();
}
