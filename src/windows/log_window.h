#pragma once
// "Game log": every event of the game in order, one line each with its
// move number, for a player who looked away or cannot see the board.

#include <cstdint>
#include <functional>

#include "windows/form_window.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

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
    // A game over the network: the players' chat goes among the log's
    // lines. Until this is called the chat line stays hidden.
    void enableChat(std::function<void(const QString&)> send);
    // A line somebody said, shown where it came among the game's events;
    // it is not part of the game's log, so it is never saved with it.
    void addChatLine(const QString& name, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sendChat();
    void followNewest(bool follow);
    bool atNewest() const;

    QListWidget* lstLog_ = nullptr;
    QWidget* chatRow_ = nullptr;
    QLineEdit* txtChat_ = nullptr;
    QPushButton* cmdSend_ = nullptr;
    std::function<void(const QString&)> sendChat_;
    QPushButton* cmdCopy_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    std::uint64_t generation_ = 0;
    std::size_t shown_ = 0;
    int chatLines_ = 0;
};

}  // namespace zx
