// The yardstick for the game's start-up: a main window holding one label, in
// a program that loads the same Qt modules as the game (Widgets, Svg, Charts,
// Multimedia; each is used once, so the linker keeps every one of them) and
// is sized like the game's window.
// Run by bench/startup.sh beside startup_game.

#include <QApplication>
#include <QAudioFormat>
#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include "startup_clock.h"

int main(int argc, char* argv[]) {
    const double mainTop = zx::bench::SecondsOf(CLOCK_MONOTONIC);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bare"));
    QApplication::setQuitOnLastWindowClosed(false);

    // Svg: draw a small picture.
    QSvgRenderer svg(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
                                "<rect width='16' height='16' fill='#2060c0'/></svg>"));
    QImage icon(16, 16, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    svg.render(&painter);
    painter.end();
    // Charts and Multimedia: one object of each.
    QLineSeries series;
    series.append(0, 0);
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setCentralWidget(new QLabel(QStringLiteral("Bare Qt window"), &window));
    zx::bench::FirstFrame watch(&window, [mainTop] { zx::bench::ReportStartup(mainTop); });
    // The game's main window takes the whole of a screen this size.
    if (QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    if (!svg.isValid() || series.count() != 1 || format.bytesForDuration(1000) != 4 * 44) return 1;
    return QApplication::exec();
}
