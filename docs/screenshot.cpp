// lodarix-screenshot FILE: the main window and the motion window after a
// scripted session, drawn side by side offscreen into FILE (PNG), for the
// README. Model time runs on a clock of the script's own, so that the
// picture is the same at every run.

#include "app/lodarix/motion_host.h"
#include "desktop/motion_window/motion_window.h"
#include "desktop/window/lodarix_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>

namespace {

class Script {
public:
    Script()
    {
        window_.load();
        window_.show();
        host_.openMotionWindow();
        motionWindow().resize(1120, 700);
    }

    lodarix::LodarixWindow& window() { return window_; }
    lodarix::MotionWindow& motionWindow() { return *host_.motionWindow(); }

    void wait(std::int64_t ms) { nowMs_ += ms; }
    void pick(int floorNumber)
    {
        click("Option2", 0); // closes the grille
        click("Option1", floorNumber - 1);
    }
    void interval(int ms) { motionWindow().findChild<QSpinBox*>("intervalBox")->setValue(ms); }
    // The timer's periods up to count steps, or until the trip ends.
    void steps(int count)
    {
        for (int i = 0; i < count && window_.stepsRunning(); ++i) {
            wait(window_.stepIntervalMs());
            window_.deliverStep();
        }
    }

private:
    void click(const char* name, int index)
    {
        qobject_cast<QAbstractButton*>(window_.controls().find(name, index))->click();
    }

    std::int64_t nowMs_ = 0;
    lodarix::LodarixWindow window_;
    lodarix::MotionHost host_{window_, [this] { return nowMs_; }};
};

// A window's picture under a plain title bar.
QImage framed(QWidget& window)
{
    const QImage content = window.grab().toImage();
    const int bar = 28;
    QImage image(content.width() + 2, content.height() + bar + 1, QImage::Format_RGB32);
    image.fill(QColor(60, 64, 72));
    QPainter painter(&image);
    painter.drawImage(1, bar, content);
    QFont font = QApplication::font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, image.width() - 20, bar), Qt::AlignVCenter | Qt::AlignLeft,
                     window.windowTitle());
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lodarix-screenshot FILE.png\n");
        return 2;
    }
    Script script;
    script.wait(1500);
    script.pick(8);
    script.steps(7);
    script.wait(2000);
    script.interval(400);
    script.pick(3);
    script.steps(5);
    script.wait(1500);
    script.interval(800);
    script.pick(11);
    script.steps(3);
    script.wait(400);
    script.pick(5); // during the trip: the cabin jumps to 11 first
    script.steps(3);
    script.motionWindow().findChild<QCheckBox*>("wholeSessionBox")->setChecked(true);
    QCoreApplication::processEvents();

    const QImage main = framed(script.window().form());
    const QImage motion = framed(script.motionWindow());
    const int gap = 24;
    QImage picture(gap + main.width() + gap + motion.width() + gap,
                   gap + std::max(main.height(), motion.height()) + gap, QImage::Format_RGB32);
    picture.fill(QColor(214, 219, 226));
    QPainter painter(&picture);
    painter.drawImage(gap, gap, main);
    painter.drawImage(gap + main.width() + gap, gap, motion);
    painter.end();
    return picture.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
