#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("textcipher");
    Form1 window;
    window.show();
    return QApplication::exec();
}
