// The baseline for the start-up benchmark: a bare Qt dialog of marlix's size and font.
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("BARE");
    QFont font("Liberation Sans");
    font.setPointSize(8);
    dialog.setFont(font);
    const QFontMetrics metrics(font);
    const int baseX =
        (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 +
         1) /
        2;
    const int baseY = metrics.height();
    dialog.setFixedSize(661 * baseX / 4, 450 * baseY / 8);
    dialog.show();
    return app.exec();
}
