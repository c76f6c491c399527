// Strokewise: starts the main window. The application core replaces this
// frame with the full one (identity strip, navigation tree, pages).
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strokewise"));
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Serrat XD HART Clipwell"));
    frame.showMaximized();
    return app.exec();
}
