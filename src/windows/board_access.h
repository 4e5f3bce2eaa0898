#pragma once
// The board for the keyboard and for screen readers. The keyboard moves a
// focus frame along the path of the cells (Enter does what a double-click
// does, Space what a click does); assistive technology sees the board as a
// list of 32 cells, each named and described from the game.

#include <QGraphicsObject>
#include <QObject>
#include <QString>
#include <array>

class QFocusEvent;
class QKeyEvent;

namespace zx {

class BoardView;
class Game;

// A ring round the cell that has the keyboard focus. It lies under the
// ownership outlines and the pieces, so it never hides who owns the cell
// or who stands on it.
class BoardFocusFrame : public QGraphicsObject {
    Q_OBJECT
public:
    explicit BoardFocusFrame(QGraphicsItem* parent = nullptr);
    void showAt(int cell);
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
};

class BoardKeyboard : public QObject {
    Q_OBJECT
public:
    explicit BoardKeyboard(BoardView* view);

    // The game the cells describe; called with every redraw of the board.
    // Tells screen readers about the cells whose words changed since.
    void gameChanged(const Game& game);

    int focusCell() const { return cell_; }
    // Moves the focus frame (and the screen reader's attention) to a cell.
    void setFocusCell(int cell);
    bool frameVisible() const;

    QString cellName(int cell) const;
    QString cellDescription(int cell) const;
    BoardView* view() const { return view_; }

    // Events of the view; keyPress returns true for the keys it used.
    bool keyPress(QKeyEvent* event);
    void focusIn(QFocusEvent* event);
    void focusOut(QFocusEvent* event);

private:
    void showFrame(bool shown);
    void tellFocus();

    BoardView* view_;
    BoardFocusFrame* frame_;
    const Game* game_ = nullptr;
    int cell_ = 0;
    bool byKeyboard_ = false;
    std::array<QString, 33> names_{}, descriptions_{};
};

}  // namespace zx
