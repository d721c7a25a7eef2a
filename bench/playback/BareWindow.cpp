// A bare Qt Widgets window of the main window's outer size at its place: what
// any Qt program pays to show a window, beside which the program's start is measured.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("bare window");
  window.setGeometry(286, 134, 467, 385);
  window.show();
  return application.exec();
}
