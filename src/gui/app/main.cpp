// Entry point of the desktop program. The main window is not wired up yet: a placeholder
// window carrying the product name stands in for it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VOLTARO_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VOLTARO_PRODUCT_VERSION));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral(VOLTARO_PRODUCT_NAME " " VOLTARO_PRODUCT_VERSION));
    auto* label = new QLabel(QStringLiteral(VOLTARO_PRODUCT_NAME), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(480, 320);
    window.show();
    return QApplication::exec();
}
