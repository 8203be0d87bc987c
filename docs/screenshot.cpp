// lodarix-screenshot [--code] FILE: the main window and the motion window
// after a scripted session, or with --code the main window and the code
// window part-way through a pick run line by line, drawn side by side
// offscreen into FILE (PNG), for the README. Model time runs on a clock of
// the script's own, so that the picture is the same at every run.

#include "app/lodarix/code_host.h"
#include "app/lodarix/motion_host.h"
#include "desktop/code_window/code_window.h"
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
    lodarix::MainWindowMenu& menu() { return host_.menu(); }

    void wait(std::int64_t ms) { nowMs_ += ms; }
    void pick(int floorNumber)
    {
        click("Option2", 0); // closes the grille
        click("Option1", floorNumber - 1);
    }
    void closeGrille() { click("Option2", 0); }
    void clickFloor(int floorNumber) { click("Option1", floorNumber - 1); }
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

// Two windows side by side on a plain ground.
QImage sideBySide(const QImage& left, const QImage& right)
{
    const int gap = 24;
    QImage picture(gap + left.width() + gap + right.width() + gap,
                   gap + std::max(left.height(), right.height()) + gap, QImage::Format_RGB32);
    picture.fill(QColor(214, 219, 226));
    QPainter painter(&picture);
    painter.drawImage(gap, gap, left);
    painter.drawImage(gap + left.width() + gap, gap, right);
    return picture;
}

// A trip to floor 8, then a pick of floor 3 run line by line up to the line
// that makes it the target.
QImage codeWindowPicture(Script& script)
{
    lodarix::CodeHost code(script.window(), script.menu());
    script.pick(8);
    script.steps(7);
    code.openCodeWindow();
    lodarix::CodeWindow& window = *code.codeWindow();
    window.resize(760, 1000);
    window.stepwiseButton()->click();
    script.closeGrille();
    script.clickFloor(3);
    for (int line = 0; line < 6; ++line)
        window.nextLineButton()->click();
    QCoreApplication::processEvents();
    return sideBySide(framed(script.window().form()), framed(window));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool codeWindow = argc == 3 && QString::fromLocal8Bit(argv[1]) == "--code";
    if (argc != 2 && !codeWindow) {
        std::fprintf(stderr, "usage: lodarix-screenshot [--code] FILE.png\n");
        return 2;
    }
    Script script;
    if (codeWindow)
        return codeWindowPicture(script).save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
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

    const QImage picture =
        sideBySide(framed(script.window().form()), framed(script.motionWindow()));
    return picture.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
