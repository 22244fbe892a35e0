// The start-up floor: the smallest Qt Widgets program that maps a window showing one label.
// The start-up benchmark compares the real program against it on the same X server.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Start-up baseline"));
    label.setWindowTitle(QStringLiteral("quilvane_bench_baseline"));
    label.show();
    return QApplication::exec();
}
