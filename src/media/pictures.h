#pragma once
// Where the game's pictures are kept (Qt resources), a shared cache of their
// SVG renderers, and pixmap caches that draw each picture once per size, so
// that repainting a window costs a copy of pixels, not an SVG render.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>

#include "state/board.h"

namespace zx::pictures {

QString cellPath(CellKind kind);
QString emptyCompanyPath();
QString startBoxPath();
QString logoPath(int number);   // 1..24
QString piecePath(int number);  // 1..12
QString dicePath(int face);     // 0 blank, 1..6
QString boardPath();
QString iconPath();
QString resultsPath();

// The renderer of a picture, loaded once.
QSvgRenderer* renderer(const QString& path);

// A window icon of the picture, rendered at each size the window system asks
// for once; made once per picture, so setting it again costs nothing.
QIcon icon(const QString& path);
// The program's icon, for the application and every window.
QIcon appIcon();

// Pictures rendered at the sizes one view shows them. A pixmap stays until
// the view's scale changes: the owner clears the cache when it is resized,
// and a new device pixel ratio (the window moved to another screen) clears
// it by itself.
class PixmapCache {
public:
    // `pixels` is the size in device pixels; the pixmap carries the ratio.
    QPixmap get(const QString& path, const QSize& pixels, qreal devicePixelRatio);
    void clear() { pixmaps_.clear(); }

private:
    struct Key {
        QString path;
        QSize pixels;
        friend bool operator==(const Key& a, const Key& b) { return a.pixels == b.pixels && a.path == b.path; }
        friend size_t qHash(const Key& k, size_t seed = 0) {
            return qHashMulti(seed, k.path, k.pixels.width(), k.pixels.height());
        }
    };
    QHash<Key, QPixmap> pixmaps_;
    qreal ratio_ = 0;
};

// Draws a picture at `rect` (in the painter's coordinates) from `cache`: the
// rect is taken to whole device pixels and the pixmap copied there, so the
// picture is as sharp as a direct render. Without a cache the picture is
// rendered there from the vector picture, to the same pixels.
void draw(QPainter* painter, const QRectF& rect, const QString& path, PixmapCache* cache);

}  // namespace zx::pictures
