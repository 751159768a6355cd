#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("青鸾自动发货软件V3  使用时电脑要安装千牛并打开 点一下监控淘宝窗口上登录一下 点开始"));
    window.resize(884, 589);
    window.show();
    return app.exec();
}
