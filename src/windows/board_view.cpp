#include "windows/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyleOptionGraphicsItem>

#include "media/pictures.h"
#include "rules/text.h"
#include "windows/board_access.h"

namespace zx {

namespace {
QColor toQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }
}  // namespace

BoardPicture::BoardPicture(const QString& name, const QRectF& rect, pictures::PixmapCache& cache,
                           QGraphicsItem* parent)
    : QGraphicsObject(parent), rect_(rect), cache_(cache) {
    setObjectName(name);
}

void BoardPicture::setPicture(const QString& path) {
    if (path == path_) return;
    path_ = path;
    update();
}

QRectF BoardPicture::boundingRect() const { return rect_; }

void BoardPicture::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    if (path_.isEmpty()) return;
    const bool whole = still_ && option->exposedRect.contains(rect_);
    pictures::draw(painter, rect_, path_, whole ? nullptr : &cache_);
}

void BoardPicture::setStill(bool still) {
    still_ = still;
    // Tells paint() which part is to be painted.
    setFlag(ItemUsesExtendedStyleOption, still);
}

OutlineItem::OutlineItem(const QString& name, const QRectF& rect, Style style, QGraphicsItem* parent)
    : QGraphicsObject(parent), rect_(rect), style_(style), color_(Qt::black) {
    setObjectName(name);
    setAcceptedMouseButtons(Qt::NoButton);
}

void OutlineItem::setColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    update();
}

QRectF OutlineItem::boundingRect() const { return rect_.adjusted(-40, -40, 40, 40); }

void OutlineItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    if (style_ == Style::Outline) {
        // A thick outline in the owner's colour with a thin dark edge on both
        // sides, so that it reads on light and dark cells alike.
        QRectF r = rect_.adjusted(10, 10, -10, -10);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(QColor(30, 30, 30), 90, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->drawRoundedRect(r, 60, 60);
        painter->setPen(QPen(color_, 60, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->drawRoundedRect(r, 60, 60);
    } else {
        painter->setPen(QPen(QColor(20, 20, 20, 220), 30));
        painter->setBrush(QColor(20, 20, 20, 140));
        painter->drawRoundedRect(rect_, 60, 60);
        QBrush hatch(QColor(0, 0, 0, 170), Qt::BDiagPattern);
        QTransform t;
        t.scale(12, 12);  // the pattern's lines are one device pixel apart otherwise
        hatch.setTransform(t);
        painter->setBrush(hatch);
        painter->drawRoundedRect(rect_, 60, 60);
    }
}

BoardView::BoardView(QWidget* parent) : QGraphicsView(parent) {
    setObjectName(QStringLiteral("Board"));
    setScene(&scene_);
    scene_.setSceneRect(0, 0, BoardExtent, BoardExtent);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    // Only the items that move or change are painted again, with what lies
    // under them where they were and where they are.
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    scene_.setItemIndexMethod(QGraphicsScene::NoIndex);
    setMinimumSize(300, 300);
    setBackgroundBrush(palette().window());
    setMouseTracking(true);

    auto* background =
        new BoardPicture(QStringLiteral("BoardBackground"), QRectF(0, 0, BoardExtent, BoardExtent), pixmaps_);
    background->setPicture(pictures::boardPath());
    background->setZValue(-10);
    // The background is by far the biggest picture, and one of a kind; the
    // cells share a few pictures, which are cheaper copied than rendered.
    background->setStill(true);
    scene_.addItem(background);

    for (int i = 1; i <= NumCells; ++i) {
        auto* item = new BoardPicture(QStringLiteral("Box_%1").arg(i), QRectF(0, 0, CellSize, CellSize), pixmaps_);
        item->setPos(CellLeft(i), CellTop(i));
        item->setPicture(pictures::cellPath(Cell(i).kind));
        item->setToolTip(QString::fromStdString(Say(SourceText{"Cell", CellHoverText(Cell(i).kind)})));
        scene_.addItem(item);
        cells_[static_cast<std::size_t>(i)] = item;
    }
    for (int b = 1; b <= 4; ++b) {
        auto* item = new BoardPicture(QStringLiteral("StartBox_%1").arg(b), QRectF(0, 0, CellSize, CellSize), pixmaps_);
        item->setPos(StartBoxLeft(b), StartBoxTop(b));
        item->setPicture(pictures::startBoxPath());
        scene_.addItem(item);
        startBoxes_[static_cast<std::size_t>(b)] = item;
    }
    for (int k = 1; k <= NumCompanies; ++k) {
        Rect r = CompanyFrameRect(k);
        auto* item = new OutlineItem(QStringLiteral("Frame_%1").arg(k), QRectF(0, 0, r.width, r.height),
                                     OutlineItem::Style::Outline);
        item->setPos(r.left, r.top);
        item->setZValue(5);
        item->setVisible(false);
        scene_.addItem(item);
        frames_[static_cast<std::size_t>(k)] = item;
    }
    for (int c = 1; c <= NumComplexes; ++c) {
        Rect r = ComplexFrameRect(c);
        auto* item = new OutlineItem(QStringLiteral("ComplexFrame_%1").arg(c), QRectF(0, 0, r.width, r.height),
                                     OutlineItem::Style::Outline);
        item->setPos(r.left, r.top);
        item->setZValue(5);
        item->setVisible(false);
        scene_.addItem(item);
        complexFrames_[static_cast<std::size_t>(c)] = item;

        Rect m = DestroyMaskRect(c);
        auto* mask = new OutlineItem(QStringLiteral("shpDestroyMask_%1").arg(c), QRectF(0, 0, m.width, m.height),
                                     OutlineItem::Style::Mask);
        mask->setPos(m.left, m.top);
        mask->setZValue(8);
        mask->setVisible(false);
        scene_.addItem(mask);
        masks_[static_cast<std::size_t>(c)] = mask;
    }
    for (int p = 1; p <= MaxPlayers; ++p) {
        auto* item =
            new BoardPicture(QStringLiteral("picPiece_%1").arg(p), QRectF(0, 0, PieceSize, PieceSize), pixmaps_);
        item->setPos(StartBoxLeft(p) + PieceInset, StartBoxTop(p) + PieceInset);
        item->setZValue(10 + p);
        item->setVisible(false);
        item->setAcceptedMouseButtons(Qt::NoButton);
        scene_.addItem(item);
        pieces_[static_cast<std::size_t>(p)] = item;
    }
    keyboard_ = new BoardKeyboard(this);
}

void BoardView::render(const MainView& view) {
    for (int i = 1; i <= NumCells; ++i) {
        auto* item = cells_[static_cast<std::size_t>(i)];
        int logo = view.cellLogo[static_cast<std::size_t>(i)];
        if (Cell(i).kind == CellKind::Company)
            item->setPicture(logo > 0 ? pictures::logoPath(logo) : pictures::emptyCompanyPath());
        QString tip = QString::fromStdString(view.cellToolTip[static_cast<std::size_t>(i)]);
        if (item->toolTip() != tip) item->setToolTip(tip);
    }
    for (int p = 1; p <= MaxPlayers; ++p) {
        const auto& pv = view.picPiece[static_cast<std::size_t>(p)];
        auto* item = pieces_[static_cast<std::size_t>(p)];
        item->setVisible(pv.visible);
        item->setPicture(pictures::piecePath(pv.picture));
        QString tip = QString::fromStdString(pv.toolTip);
        if (item->toolTip() != tip) item->setToolTip(tip);
    }
    for (int k = 1; k <= NumCompanies; ++k) {
        const auto& f = view.Frame[static_cast<std::size_t>(k)];
        frames_[static_cast<std::size_t>(k)]->setVisible(f.visible);
        frames_[static_cast<std::size_t>(k)]->setColor(toQColor(f.color));
    }
    for (int c = 1; c <= NumComplexes; ++c) {
        const auto& f = view.ComplexFrame[static_cast<std::size_t>(c)];
        complexFrames_[static_cast<std::size_t>(c)]->setVisible(f.visible);
        complexFrames_[static_cast<std::size_t>(c)]->setColor(toQColor(f.color));
        masks_[static_cast<std::size_t>(c)]->setVisible(view.shpDestroyMask[static_cast<std::size_t>(c)]);
    }
}

void BoardView::setPiecePosition(int p, int left, int top) {
    auto* item = pieces_.at(static_cast<std::size_t>(p));
    if (item->pos() != QPointF(left, top)) item->setPos(left, top);
}

int BoardView::cellAt(const QPoint& viewPoint) const {
    QPointF scenePoint = mapToScene(viewPoint);
    for (int i = 1; i <= NumCells; ++i) {
        QRectF r(CellLeft(i), CellTop(i), CellSize, CellSize);
        if (r.contains(scenePoint)) return i;
    }
    return 0;
}

void BoardView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    fitInView(scene_.sceneRect(), Qt::KeepAspectRatio);
    // The pictures are shown at new sizes now. (A new screen's pixel ratio
    // is noticed by the cache itself.)
    pixmaps_.clear();
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        int i = cellAt(event->position().toPoint());
        if (i > 0) emit cellClicked(i);
    }
    QGraphicsView::mousePressEvent(event);
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        int i = cellAt(event->position().toPoint());
        if (i > 0) emit cellDoubleClicked(i);
    }
    QGraphicsView::mouseDoubleClickEvent(event);
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    if (!keyboard_->keyPress(event)) QGraphicsView::keyPressEvent(event);
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QGraphicsView::focusInEvent(event);
    keyboard_->focusIn(event);
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    QGraphicsView::focusOutEvent(event);
    keyboard_->focusOut(event);
}

}  // namespace zx
