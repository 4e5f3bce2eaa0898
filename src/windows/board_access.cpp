#include "windows/board_access.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "rules/cell_text.h"
#include "rules/game.h"
#include "windows/board_view.h"
#include "windows/qt_text.h"

namespace zx {

namespace {

constexpr int CellsPerSide = 8;
// The action's name is its key; the screen reader reads localizedActionName.
const QString ShowInformationAction = QStringLiteral("Show information");

int Step(int cell, int by) { return ((cell - 1 + by) % NumCells + NumCells) % NumCells + 1; }

// One cell of the board: it has no object of its own, so it speaks for
// itself through the view and its keyboard helper.
class CellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)

public:
    CellAccessible(BoardView* view, int cell) : view_(view), cell_(cell) {}

    bool isValid() const override { return view_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name: return view_->keyboard()->cellName(cell_);
            case QAccessible::Description: return view_->keyboard()->cellDescription(cell_);
            default: return {};
        }
    }

    QRect rect() const override {
        QRect r = view_->mapFromScene(QRectF(CellLeft(cell_), CellTop(cell_), CellSize, CellSize)).boundingRect();
        return QRect(view_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        const bool current = view_->keyboard()->focusCell() == cell_;
        s.focused = current && view_->hasFocus();
        s.selected = current;
        s.invisible = !view_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // Press is the click (the Computer's free move), "Show information" the
    // double-click; SetFocus puts the focus frame on the cell.
    QStringList actionNames() const override { return {pressAction(), ShowInformationAction, setFocusAction()}; }
    QString localizedActionName(const QString& action) const override {
        return action == ShowInformationAction ? tr("Show information")
                                               : QAccessibleActionInterface::localizedActionName(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Space")};
        if (action == ShowInformationAction) return {QStringLiteral("Return")};
        return {};
    }
    void doAction(const QString& action) override {
        if (action == setFocusAction()) {
            view_->activateWindow();
            view_->setFocus(Qt::OtherFocusReason);
            view_->keyboard()->setFocusCell(cell_);
        } else if (action == pressAction()) {
            emit view_->cellClicked(cell_);
        } else if (action == ShowInformationAction) {
            emit view_->cellDoubleClicked(cell_);
        }
    }

    BoardView* view() const { return view_; }
    int cell() const { return cell_; }

private:
    BoardView* view_;
    int cell_;
};

// The board as a list of its 32 cells, in the order of the path.
class BoardAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)

public:
    explicit BoardAccessible(BoardView* view)
        : QAccessibleWidget(view, QAccessible::List, tr("Game board")), view_(view) {}
    ~BoardAccessible() override {
        for (QAccessible::Id id : ids_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return NumCells; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= NumCells) return nullptr;
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (!id) id = QAccessible::registerAccessibleInterface(new CellAccessible(view_, index + 1));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = dynamic_cast<const CellAccessible*>(child);
        return cell && cell->view() == view_ ? cell->cell() - 1 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        int cell = view_->cellAt(view_->viewport()->mapFromGlobal(QPoint(x, y)));
        return cell > 0 ? child(cell - 1) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        int cell = view_->keyboard()->focusCell();
        return view_->hasFocus() && cell > 0 ? child(cell - 1) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return tr("Game board");
        if (t == QAccessible::Description)
            return tr("The arrow keys move along the path, Home goes to the current player's piece, Enter "
                      "tells about the cell and Space moves there when the Computer lets you.");
        return QAccessibleWidget::text(t);
    }

private:
    BoardView* view_;
    mutable std::array<QAccessible::Id, NumCells> ids_{};
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zx::BoardView") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardView*>(object));
    return nullptr;
}

void Tell(BoardView* view, QAccessible::Event type, int cell) {
    QAccessibleEvent event(view, type);
    event.setChild(cell - 1);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

// ---- the focus frame ----

BoardFocusFrame::BoardFocusFrame(QGraphicsItem* parent) : QGraphicsObject(parent) {
    setObjectName(QStringLiteral("BoardFocusFrame"));
    setAcceptedMouseButtons(Qt::NoButton);
    // Over the cell pictures, under the ownership outlines (5), the disaster
    // masks (8) and the pieces (10 and up).
    setZValue(4);
    setVisible(false);
}

void BoardFocusFrame::showAt(int cell) {
    setPos(CellLeft(cell), CellTop(cell));
    setVisible(true);
}

QRectF BoardFocusFrame::boundingRect() const { return QRectF(-80, -80, CellSize + 160, CellSize + 160); }

void BoardFocusFrame::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    // A broad band from the gap between the cells into the cell's edge:
    // black outside, bright yellow inside, readable on every cell picture.
    // A light wash over the picture makes the cell stand out even where the
    // board is drawn small; the pieces lie above it.
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF ring(5, 5, CellSize - 10, CellSize - 10);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 214, 0, 80));
    painter->drawRoundedRect(ring, 70, 70);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(QColor(10, 10, 10), 150, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawRoundedRect(ring, 70, 70);
    painter->setPen(QPen(QColor(255, 214, 0), 80, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawRoundedRect(ring, 70, 70);
}

// ---- the keyboard and the screen reader ----

BoardKeyboard::BoardKeyboard(BoardView* view) : QObject(view), view_(view), frame_(new BoardFocusFrame) {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    Q_UNUSED(installed);
    view_->scene()->addItem(frame_);
    view_->setFocusPolicy(Qt::StrongFocus);
}

QString BoardKeyboard::cellName(int cell) const { return game_ ? toQt(CellName(*game_, cell)) : QString(); }

QString BoardKeyboard::cellDescription(int cell) const {
    return game_ ? toQt(CellDescription(*game_, cell)) : QString();
}

void BoardKeyboard::gameChanged(const Game& game) {
    game_ = &game;
    if (!QAccessible::isActive()) return;
    for (int cell = 1; cell <= NumCells; ++cell) {
        auto i = static_cast<std::size_t>(cell);
        QString name = cellName(cell);
        QString description = cellDescription(cell);
        if (name != names_[i]) {
            names_[i] = name;
            Tell(view_, QAccessible::NameChanged, cell);
        }
        if (description != descriptions_[i]) {
            descriptions_[i] = description;
            Tell(view_, QAccessible::DescriptionChanged, cell);
        }
    }
}

bool BoardKeyboard::frameVisible() const { return frame_->isVisible(); }

void BoardKeyboard::setFocusCell(int cell) {
    if (cell < 1 || cell > NumCells) return;
    cell_ = cell;
    if (view_->hasFocus()) showFrame(true);
    tellFocus();
}

void BoardKeyboard::showFrame(bool shown) {
    if (shown && cell_ > 0)
        frame_->showAt(cell_);
    else
        frame_->setVisible(false);
}

void BoardKeyboard::tellFocus() {
    if (!view_->hasFocus() || cell_ < 1) return;
    Tell(view_, QAccessible::Focus, cell_);
}

bool BoardKeyboard::keyPress(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (cell_ < 1) cell_ = 1;
    byKeyboard_ = true;
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down: setFocusCell(Step(cell_, 1)); break;
        case Qt::Key_Left:
        case Qt::Key_Up: setFocusCell(Step(cell_, -1)); break;
        case Qt::Key_PageDown: setFocusCell(Step(cell_, CellsPerSide)); break;
        case Qt::Key_PageUp: setFocusCell(Step(cell_, -CellsPerSide)); break;
        case Qt::Key_Home: {
            int here = game_ ? CellOfPiece(*game_, game_->S.CurrentPlayer) : 0;
            setFocusCell(here > 0 ? here : 1);
            break;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            showFrame(true);
            emit view_->cellDoubleClicked(cell_);
            break;
        case Qt::Key_Space:
            showFrame(true);
            emit view_->cellClicked(cell_);
            break;
        default: return false;
    }
    event->accept();
    return true;
}

void BoardKeyboard::focusIn(QFocusEvent* event) {
    if (cell_ < 1) {
        int here = game_ ? CellOfPiece(*game_, game_->S.CurrentPlayer) : 0;
        cell_ = here > 0 ? here : 1;
    }
    // A click on the board is a mouse player's: the frame waits for a key.
    // Coming back from a message box keeps whatever the player was using.
    switch (event->reason()) {
        case Qt::MouseFocusReason: byKeyboard_ = false; break;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason: break;
        default: byKeyboard_ = true; break;
    }
    showFrame(byKeyboard_);
    // Qt tells of the board's own focus after this handler; the cell's news
    // must come after that, or the screen reader's last word is "board".
    QTimer::singleShot(0, this, [this] { tellFocus(); });
}

void BoardKeyboard::focusOut(QFocusEvent*) { showFrame(false); }

}  // namespace zx
