#include <QApplication>

#include "platform/polices.h"
#include "render/form1.h"
#include "shell/demarrage.h"
#include "shell/menus.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PolicesAuDemarrage();
    Form1 table;
    ConnecteMenus(table);
    Form_Load(table);
    return app.exec();
}
