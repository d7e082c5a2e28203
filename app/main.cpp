#include "frm_zorvane.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    frmZorvane window;
    window.show();
    return QApplication::exec();
}
