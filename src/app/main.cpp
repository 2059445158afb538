// The program: the Products window is its main window, and closing it ends the program.
#include "app/ProductsWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    int result = 0;
    {
        quarvel::ProductsWindow window;
        window.Form_Load();
        window.show();
        result = QApplication::exec();
    }
    return result;
}
