#include "media/pictures.h"

#include <QHash>

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

}  // namespace zx::pictures
