#pragma once
// The board: a QGraphicsView over a scene whose unit is the twip, scaled to
// fit the view. Cells, start boxes, pieces, ownership outlines and disaster
// masks are scene items placed with the board's own coordinates.
//
// A walking piece repaints the board 25 times a second, so only what moved
// or changed is repainted, and every picture is drawn from a pixmap made
// once for the size the view shows it at.

#include <QGraphicsObject>
#include <QGraphicsView>
#include <array>

#include "media/pictures.h"
#include "rules/main_view.h"
#include "state/board.h"

class QGraphicsSvgItem;

namespace zx {

class BoardKeyboard;

// A picture on the board that can be clicked (cells, start boxes, pieces).
class BoardPicture : public QGraphicsObject {
    Q_OBJECT
public:
    BoardPicture(const QString& name, const QRectF& rect, pictures::PixmapCache& cache,
                 QGraphicsItem* parent = nullptr);
    void setPicture(const QString& path);
    QString picture() const { return path_; }
    // A still picture painted whole, as in the first frame, after a resize
    // or when the window is uncovered, is rendered straight from the vector
    // picture; its pixmap is made only when a part of it is painted again,
    // as when a piece walks over it.
    void setStill(bool still);
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QRectF rect_;
    QString path_;
    pictures::PixmapCache& cache_;
    bool still_ = false;
};

// An ownership outline or a disaster mask.
class OutlineItem : public QGraphicsObject {
    Q_OBJECT
public:
    enum class Style { Outline, Mask };
    OutlineItem(const QString& name, const QRectF& rect, Style style, QGraphicsItem* parent = nullptr);
    void setColor(const QColor& c);
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QRectF rect_;
    Style style_;
    QColor color_;
};

class BoardView : public QGraphicsView {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent = nullptr);

    void render(const MainView& view);
    // Piece p's position in twips, as drawn.
    void setPiecePosition(int p, int left, int top);

    BoardPicture* cell(int i) const { return cells_[static_cast<std::size_t>(i)]; }
    BoardPicture* piece(int p) const { return pieces_[static_cast<std::size_t>(p)]; }
    OutlineItem* frame(int k) const { return frames_[static_cast<std::size_t>(k)]; }
    OutlineItem* complexFrame(int c) const { return complexFrames_[static_cast<std::size_t>(c)]; }
    OutlineItem* mask(int c) const { return masks_[static_cast<std::size_t>(c)]; }
    // The cell (1..32) under a point of the view, 0 for none.
    int cellAt(const QPoint& viewPoint) const;
    // The keyboard's focus frame and the cells as screen readers see them.
    BoardKeyboard* keyboard() const { return keyboard_; }

signals:
    void cellClicked(int index);
    void cellDoubleClicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Declared before the items that draw from it.
    pictures::PixmapCache pixmaps_;
    QGraphicsScene scene_;
    std::array<BoardPicture*, NumCells + 1> cells_{};
    std::array<BoardPicture*, 5> startBoxes_{};
    std::array<BoardPicture*, MaxPlayers + 1> pieces_{};
    std::array<OutlineItem*, NumCompanies + 1> frames_{};
    std::array<OutlineItem*, NumComplexes + 1> complexFrames_{};
    std::array<OutlineItem*, NumComplexes + 1> masks_{};
    BoardKeyboard* keyboard_ = nullptr;
};

}  // namespace zx
