#pragma once
// Where the game's pictures are kept (Qt resources) and a shared cache of
// their SVG renderers, so that every board item draws crisp at any size.

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

}  // namespace zx::pictures
