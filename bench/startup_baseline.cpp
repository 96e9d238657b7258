// The smallest Qt program that does the same visible work: a maximised
// window showing the same photo, centred. Prints the CLOCK_MONOTONIC time
// right after its first paint, measured the same way as the program.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class PhotoWindow : public QWidget {
public:
    explicit PhotoWindow(QImage photo) : photo_(std::move(photo)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.drawImage((width() - photo_.width()) / 2, (height() - photo_.height()) / 2, photo_);
        if (!painted_) {
            painted_ = true;
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first_paint_ns=%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
    }

private:
    QImage photo_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFile file(argv[1]);
    if (argc < 2 || !file.open(QIODevice::ReadOnly)) return 2;
    QImage photo = QImage::fromData(file.readAll(), "JPEG");
    PhotoWindow window(photo);
    window.setWindowTitle("Baseline");
    window.showMaximized();
    return app.exec();
}
