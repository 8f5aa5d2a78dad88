// The floor for the start-up and memory figures: the least a Qt Widgets program of the same
// build does to map one empty window of the main window's size. With --timer MS it also runs
// a repeating timer that looks at the window's visibility, as the main window's does: the
// reference for the idle figures, so they compare the rest of the program with the cost of
// that timer's wake-ups on this machine.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(1127, 740);
  window.show();
  QTimer timer;
  if (argc == 3 && std::strcmp(argv[1], "--timer") == 0) {
    QObject::connect(&timer, &QTimer::timeout, &window, [&window] {
      if (window.isHidden()) window.hide();
    });
    timer.start(std::atoi(argv[2]));
  }
  return app.exec();
}
