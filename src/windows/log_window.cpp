#include "windows/log_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "net/protocol.h"
#include "rules/game.h"
#include "windows/controller.h"
#include "windows/qt_text.h"

namespace zx {
namespace {

// Marks the list's chat lines: the game's lines may be read again from the
// log, the chat lines exist only here.
constexpr int ChatRole = Qt::UserRole + 1;

}  // namespace

LogWindow::LogWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmGameLog"));
    setWindowTitle(tr("Game log"));
    // Open beside the game while it goes on, like the trend graph.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* root = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("&Events of this game:"), this);
    caption->setObjectName(QStringLiteral("lblLog"));
    lstLog_ = new QListWidget(this);
    lstLog_->setObjectName(QStringLiteral("lstLog"));
    lstLog_->setAccessibleName(tr("Game log"));
    lstLog_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstLog_->setWordWrap(true);
    lstLog_->setUniformItemSizes(false);
    lstLog_->installEventFilter(this);
    caption->setBuddy(lstLog_);
    root->addWidget(caption);
    root->addWidget(lstLog_, 1);

    chatRow_ = new QWidget(this);
    auto* chat = new QHBoxLayout(chatRow_);
    chat->setContentsMargins(0, 0, 0, 0);
    auto* say = new QLabel(tr("&Say:"), chatRow_);
    say->setObjectName(QStringLiteral("lblChat"));
    txtChat_ = new QLineEdit(chatRow_);
    txtChat_->setObjectName(QStringLiteral("txtChat"));
    txtChat_->setMaxLength(net::MaxChatLength);
    say->setBuddy(txtChat_);
    cmdSend_ = new QPushButton(tr("Sen&d"), chatRow_);
    cmdSend_->setObjectName(QStringLiteral("cmdSend"));
    cmdSend_->setToolTip(tr("Say this to the other players"));
    cmdSend_->setAutoDefault(false);
    chat->addWidget(say);
    chat->addWidget(txtChat_, 1);
    chat->addWidget(cmdSend_);
    root->addWidget(chatRow_);
    chatRow_->hide();
    connect(txtChat_, &QLineEdit::returnPressed, this, [this] { sendChat(); });
    connect(cmdSend_, &QPushButton::clicked, this, [this] { sendChat(); });

    auto* row = new QHBoxLayout;
    row->addWidget(helpLabel());
    row->addStretch(1);
    cmdCopy_ = new QPushButton(tr("Copy &all"), this);
    cmdCopy_->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy_->setToolTip(tr("Copy the whole log as plain text (Ctrl+C copies the chosen lines)"));
    cmdClose_ = new QPushButton(tr("&Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setToolTip(tr("Put the log away; the game keeps writing it"));
    row->addWidget(cmdCopy_);
    row->addWidget(cmdClose_);
    root->addLayout(row);
    clickOnEnterWhenFocused({cmdCopy_, cmdClose_});
    connect(cmdCopy_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(copyText(true)); });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { hide(); });

    resize(520, 420);
    render();
}

void LogWindow::render() {
    const GameLog& log = game().Log;
    const auto& lines = log.Lines();
    if (log.Generation() != generation_ || lines.size() < shown_) {
        // The game's lines are read again; what the players said stays.
        if (chatLines_ == 0) lstLog_->clear();
        for (int i = lstLog_->count() - 1; i >= 0; --i)
            if (!lstLog_->item(i)->data(ChatRole).toBool()) delete lstLog_->takeItem(i);
        shown_ = 0;
        generation_ = log.Generation();
    }
    if (lines.size() == shown_) return;
    // Follow the game while the reader is at its newest line; someone
    // reading further back keeps his place.
    const bool follow = atNewest();
    for (; shown_ < lines.size(); ++shown_) {
        const LogLine& line = lines[shown_];
        auto* item = new QListWidgetItem(toQt(GameLog::Format(line)), lstLog_);
        item->setForeground(toQColor(line.color));
    }
    followNewest(follow);
}

bool LogWindow::atNewest() const {
    QScrollBar* bar = lstLog_->verticalScrollBar();
    return lstLog_->count() == 0 ||
           (bar->value() == bar->maximum() && lstLog_->currentRow() >= lstLog_->count() - 1);
}

void LogWindow::followNewest(bool follow) {
    if (follow) {
        // The newest line alone becomes the chosen one (in this list's
        // selection mode setCurrentRow would add it to the lines chosen
        // before); lines the reader chose to copy stay chosen.
        const bool chosen = lstLog_->selectedItems().size() > 1;
        lstLog_->setCurrentRow(lstLog_->count() - 1,
                               chosen ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
        lstLog_->scrollToBottom();
    }
}

void LogWindow::enableChat(std::function<void(const QString&)> send) {
    sendChat_ = std::move(send);
    chatRow_->show();
}

void LogWindow::addChatLine(const QString& name, const QString& text) {
    const bool follow = atNewest();
    auto* item = new QListWidgetItem(tr("%1: %2").arg(name, text), lstLog_);
    item->setData(ChatRole, true);
    ++chatLines_;
    followNewest(follow);
}

void LogWindow::sendChat() {
    const QString text = txtChat_->text().trimmed();
    if (text.isEmpty() || !sendChat_) return;
    sendChat_(text);
    txtChat_->clear();
}

QString LogWindow::copyText(bool whole) const {
    if (whole) return toQt(controller.game().Log.PlainText());
    QList<QListWidgetItem*> chosen = lstLog_->selectedItems();
    std::sort(chosen.begin(), chosen.end(),
              [this](QListWidgetItem* a, QListWidgetItem* b) { return lstLog_->row(a) < lstLog_->row(b); });
    QString text;
    for (QListWidgetItem* item : chosen) text += item->text() + QLatin1Char('\n');
    return text;
}

bool LogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstLog_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(copyText(false));
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

}  // namespace zx
