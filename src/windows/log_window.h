#pragma once
// "Game log": every event of the game in order, one line each with its
// move number, for a player who looked away or cannot see the board.

#include <cstdint>

#include "windows/form_window.h"

class QListWidget;
class QPushButton;

namespace zx {

class LogWindow : public FormWindow {
    Q_OBJECT
public:
    explicit LogWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;
    QString helpTopic() const override { return QStringLiteral("gamelog"); }
    QListWidget* list() const { return lstLog_; }
    // The whole log, or the lines chosen in the list, as plain text.
    QString copyText(bool whole) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:

    QListWidget* lstLog_ = nullptr;
    QPushButton* cmdCopy_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    std::uint64_t generation_ = 0;
    std::size_t shown_ = 0;
};

}  // namespace zx
