// The peer of the start-up benchmark: a bare toolkit program that shows a
// main window, maximized, and then writes one line to the file its first
// argument names, as the corvane program writes the first line of its
// diagnostics log once its main window is shown. It then runs its event
// loop until it is ended.

#include <QApplication>
#include <QMainWindow>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string path = argv[1];
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare main window");
    window.showMaximized();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return 1;
    std::fputs("bare main window shown\r\n", file);
    std::fflush(file);
    const int code = QApplication::exec();
    std::fclose(file);
    return code;
}
