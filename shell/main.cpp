#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle("Quarvelin v1.30");
    fenetre.resize(678, 555);
    fenetre.show();
    return app.exec();
}
