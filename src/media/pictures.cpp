#include "media/pictures.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

namespace zx::pictures {

QString cellPath(CellKind kind) {
    switch (kind) {
        case CellKind::Market: return QStringLiteral(":/art/cells/market.svg");
        case CellKind::Computer: return QStringLiteral(":/art/cells/computer.svg");
        case CellKind::Tax: return QStringLiteral(":/art/cells/tax.svg");
        case CellKind::Bank: return QStringLiteral(":/art/cells/bank.svg");
        case CellKind::Insurance: return QStringLiteral(":/art/cells/insurance.svg");
        case CellKind::Company: return emptyCompanyPath();
    }
    return {};
}

QString emptyCompanyPath() { return QStringLiteral(":/art/cells/company_empty.svg"); }
QString startBoxPath() { return QStringLiteral(":/art/cells/startbox.svg"); }
QString logoPath(int number) { return QStringLiteral(":/art/logos/logo%1.svg").arg(number, 2, 10, QLatin1Char('0')); }
QString piecePath(int number) { return QStringLiteral(":/art/pieces/piece%1.svg").arg(number, 2, 10, QLatin1Char('0')); }
QString dicePath(int face) { return QStringLiteral(":/art/dice/dice%1.svg").arg(face); }
QString boardPath() { return QStringLiteral(":/art/board.svg"); }
QString iconPath() { return QStringLiteral(":/art/icon.svg"); }
QString resultsPath() { return QStringLiteral(":/art/results.svg"); }

QSvgRenderer* renderer(const QString& path) {
    static QHash<QString, QSvgRenderer*> cache;
    auto it = cache.find(path);
    if (it != cache.end()) return it.value();
    // Renderers live for the whole program; they are shared by every item.
    auto* r = new QSvgRenderer(path);
    cache.insert(path, r);
    return r;
}

namespace {

QPixmap render(const QString& path, const QSize& pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer(path)->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return QPixmap::fromImage(std::move(image));
}

// Renders the picture at a size the first time the window system asks for
// it, and keeps it: nothing is drawn for a window system that never shows
// icons, and every window sharing the icon shares the pixmaps.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(QString path) : path_(std::move(path)) {}
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }
    QString key() const override { return QStringLiteral("ZentrixPicture"); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        // The sizes X11 window managers, task bars and switchers are given
        // (the ones Qt renders a scalable icon at).
        return {{16, 16}, {32, 32}, {64, 64}, {128, 128}};
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const quint64 key = (static_cast<quint64>(size.width()) << 32) | (static_cast<quint64>(size.height()) << 1) |
                            (mode == QIcon::Disabled ? 1 : 0);
        auto it = pixmaps_.constFind(key);
        if (it != pixmaps_.constEnd()) return it.value();
        QPixmap made = render(path_, size);
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            made = QApplication::style()->generatedIconPixmap(QIcon::Disabled, made, &option);
        }
        pixmaps_.insert(key, made);
        return made;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

private:
    QString path_;
    QHash<quint64, QPixmap> pixmaps_;
};

}  // namespace

QIcon icon(const QString& path) {
    static QHash<QString, QIcon> icons;
    auto it = icons.constFind(path);
    if (it != icons.constEnd()) return it.value();
    QIcon made(new PictureIconEngine(path));
    icons.insert(path, made);
    return made;
}

QIcon appIcon() { return icon(iconPath()); }

QPixmap PixmapCache::get(const QString& path, const QSize& pixels, qreal devicePixelRatio) {
    if (devicePixelRatio != ratio_) {
        pixmaps_.clear();
        ratio_ = devicePixelRatio;
    }
    if (pixels.isEmpty()) return {};
    const Key key{path, pixels};
    auto it = pixmaps_.constFind(key);
    if (it != pixmaps_.constEnd()) return it.value();
    QPixmap pixmap = render(path, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmaps_.insert(key, pixmap);
    return pixmap;
}

void draw(QPainter* painter, const QRectF& rect, const QString& path, PixmapCache* cache) {
    const QTransform toDevice = painter->deviceTransform();
    if (toDevice.isRotating()) {
        // Not a view of ours; nothing to gain from a cache.
        renderer(path)->render(painter, rect);
        return;
    }
    // Whole device pixels: the size alone picks the pixmap, so every cell
    // showing the same picture shares one.
    const QRectF device = toDevice.mapRect(rect);
    const QSize pixels(qRound(device.width()), qRound(device.height()));
    const QPointF corner(std::round(device.left()), std::round(device.top()));
    const qreal ratio = painter->device()->devicePixelRatio();
    // What lies under the world transform (the window's offset, the pixel
    // ratio) stays; the picture goes to the corner without any scaling.
    const QTransform under = painter->worldTransform().inverted() * toDevice;
    const QPointF at = under.inverted().map(corner);
    painter->save();
    painter->setWorldTransform(QTransform());
    if (cache) {
        const QPixmap pixmap = cache->get(path, pixels, ratio);
        if (!pixmap.isNull()) painter->drawPixmap(at, pixmap);
    } else {
        renderer(path)->render(painter, QRectF(at, QSizeF(pixels) / ratio));
    }
    painter->restore();
}

}  // namespace zx::pictures
