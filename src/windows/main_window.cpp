#include "windows/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTranslator>
#include <QMenuBar>
#include <QStatusBar>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

#include "media/pictures.h"
#include "rules/game.h"
#include "windows/board_access.h"
#include "windows/board_view.h"
#include "windows/language.h"
#include "windows/picture_box.h"
#include "windows/qt_text.h"
#include "windows/widgets.h"

namespace zx {

namespace {

void setLine(QLabel* label, const TextLine& line) {
    QString text = toQt(line.text);
    if (label->text() != text) label->setText(text);
    setTextColor(label, toQColor(line.color));
}

// "auto" until the user says: then "on" or "off" for every game.
const QString kRecentEventsKey = QStringLiteral("view/recentEvents");
constexpr int kRecentLines = 6;

}  // namespace

void MainWindow::chooseLanguage(const QString& code) {
    if (code == languageSetting()) return;
    setLanguageSetting(code);
    // Every window, prompt and log line would have to be rebuilt to change
    // at once; the choice waits for the next start and says so in the
    // language chosen, which the player reads best.
    const QLocale locale = localeFor(code);
    QTranslator chosen;
    const bool found =
        locale.language() != QLocale::English &&
        chosen.load(locale, QStringLiteral("zentrix"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    auto say = [&](const char* source) {
        const QString text = found ? chosen.translate("zx::MainWindow", source) : QString();
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    };
    static const char* const title = QT_TRANSLATE_NOOP("zx::MainWindow", "Language");
    static const char* const note = QT_TRANSLATE_NOOP("zx::MainWindow", "Zentrix will speak this language from its next start.");
    QMessageBox::information(this, say(title), say(note));
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Zentrix 3.0"));
    setWindowIcon(pictures::appIcon());

    // ---- menus ----
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnuGame"));
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& key, bool enabled) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty()) a->setShortcut(key);
        a->setEnabled(enabled);
        return a;
    };
    mnuGameNew = add(game, "mnuGameNew", tr("&New..."), QKeySequence(QStringLiteral("Ctrl+N")), true);
    mnuGameLoad = add(game, "mnuGameLoad", tr("&Load..."), QKeySequence(QStringLiteral("Ctrl+L")), true);
    mnuGameHost = add(game, "mnuGameHost", tr("&Host Network Game..."), {}, true);
    mnuGameJoin = add(game, "mnuGameJoin", tr("&Join Network Game..."), {}, true);
    mnuGameResume = add(game, "mnuGameResume", tr("&Resume Network Game"), {}, true);
    mnuGameResume->setVisible(false);
    mnuGameClose = add(game, "mnuGameClose", tr("&Close"), {}, false);
    game->addSeparator()->setObjectName(QStringLiteral("mnuGameDash1"));
    mnuGameSave = add(game, "mnuGameSave", tr("&Save"), QKeySequence(QStringLiteral("Ctrl+S")), false);
    mnuGameSaveAs = add(game, "mnuGameSaveAs", tr("Save &As..."), {}, false);
    game->addSeparator()->setObjectName(QStringLiteral("mnuGameDash2"));
    mnuGameExit = add(game, "mnuGameExit", tr("E&xit"), {}, true);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    mnuViewRecentEvents = add(view, "mnuViewRecentEvents", tr("&Recent Events"), {}, true);
    mnuViewRecentEvents->setCheckable(true);
    QMenu* speed = view->addMenu(tr("Computer &Speed"));
    speed->setObjectName(QStringLiteral("mnuViewSpeed"));
    auto* speeds = new QActionGroup(speed);
    speeds->setExclusive(true);
    mnuViewSpeedSlow = add(speed, "mnuViewSpeedSlow", tr("&Slow"), {}, true);
    mnuViewSpeedNormal = add(speed, "mnuViewSpeedNormal", tr("&Normal"), {}, true);
    mnuViewSpeedFast = add(speed, "mnuViewSpeedFast", tr("&Fast"), {}, true);
    for (QAction* a : {mnuViewSpeedSlow, mnuViewSpeedNormal, mnuViewSpeedFast}) {
        a->setCheckable(true);
        speeds->addAction(a);
    }
    mnuViewSpeedNormal->setChecked(true);
    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    settings->setObjectName(QStringLiteral("mnuSettings"));
    QMenu* language = settings->addMenu(tr("&Language"));
    language->setObjectName(QStringLiteral("mnuSettingsLanguage"));
    auto* languages = new QActionGroup(language);
    languages->setExclusive(true);
    const QString chosenLanguage = languageSetting();
    for (const LanguageChoice& choice : languageChoices()) {
        QAction* a = language->addAction(choice.name);
        a->setObjectName(QStringLiteral("mnuLanguage_") +
                         (choice.code.isEmpty() ? QStringLiteral("System") : choice.code));
        a->setCheckable(true);
        a->setChecked(choice.code == chosenLanguage);
        languages->addAction(a);
        connect(a, &QAction::triggered, this, [this, code = choice.code] { chooseLanguage(code); });
    }
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpHelp = add(help, "mnuHelpHelp", tr("&Help..."), QKeySequence(Qt::Key_F1), true);
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpDash"));
    mnuHelpAbout = add(help, "mnuHelpAbout", tr("&About Zentrix..."), {}, true);

    // ---- the three columns ----
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainArea"));
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->setSpacing(6);

    auto makeSeat = [this, central](int seat) {
        auto* frame = new QFrame(central);
        frame->setObjectName(QStringLiteral("Seat_%1").arg(seat));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setMinimumHeight(120);
        seats_[static_cast<std::size_t>(seat)] = frame;
        return frame;
    };

    // Left column: seats 1 and 2, then the statistics.
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(makeSeat(1), 1);
    left->addWidget(makeSeat(2), 1);
    auto* statsFrame = new QGroupBox(tr("Statistics"), central);
    statsFrame->setObjectName(QStringLiteral("fraStatistics"));
    // The frame's title would label every control directly inside it, so
    // that an empty value reads "Statistics": the values sit one level
    // deeper and are labelled by their captions alone.
    auto* stats = new QWidget(statsFrame);
    stats->setObjectName(QStringLiteral("StatisticsBody"));
    auto* statsLayout = new QVBoxLayout(statsFrame);
    statsLayout->setContentsMargins(0, 0, 0, 0);
    statsLayout->addWidget(stats);
    auto* grid = new QGridLayout(stats);
    const QString timeTip = tr("Amount of time elapsed since game started");
    const QString movesTip = tr("Number of dice rolls or moves since game started");
    const QString reactTip = tr("Reaction time count-down will be shown here");
    // Each value is labelled by its caption, so a screen reader says
    // "Moves: 12" (or just "Moves:" while the value is empty).
    auto* gameTimeLabel = makeLabel(QStringLiteral("lblGameTimeLabel"), tr("Game time:"), stats, timeTip);
    grid->addWidget(gameTimeLabel, 0, 0);
    lblGameTime_ = makeLabel(QStringLiteral("lblGameTime"), {}, stats, timeTip);
    gameTimeLabel->setBuddy(lblGameTime_);
    grid->addWidget(lblGameTime_, 0, 1);
    auto* movesLabel = makeLabel(QStringLiteral("lblMovesLabel"), tr("Moves:"), stats, movesTip);
    grid->addWidget(movesLabel, 1, 0);
    lblMoves_ = makeLabel(QStringLiteral("lblMoves"), {}, stats, movesTip);
    movesLabel->setBuddy(lblMoves_);
    grid->addWidget(lblMoves_, 1, 1);
    auto* reactionLabel =
        makeLabel(QStringLiteral("lblReactionTimeLabel"), tr("Reaction time:"), stats, reactTip);
    grid->addWidget(reactionLabel, 2, 0);
    lblReactionTime_ = makeLabel(QStringLiteral("lblReactionTime"), {}, stats, reactTip);
    reactionLabel->setBuddy(lblReactionTime_);
    grid->addWidget(lblReactionTime_, 2, 1);
    cmdShowGraph_ = new QPushButton(tr("&Trend Graph"), stats);
    cmdShowGraph_->setObjectName(QStringLiteral("cmdShowGraph"));
    cmdShowGraph_->setToolTip(tr("Compare players' estates in a graph"));
    cmdShowLog_ = new QPushButton(tr("Ga&me Log"), stats);
    cmdShowLog_->setObjectName(QStringLiteral("cmdShowLog"));
    cmdShowLog_->setToolTip(tr("Every event of this game, in order (Ctrl+G)"));
    auto* statButtons = new QHBoxLayout;
    statButtons->setSpacing(4);
    statButtons->addWidget(cmdShowGraph_);
    statButtons->addWidget(cmdShowLog_);
    grid->addLayout(statButtons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    left->addWidget(statsFrame);

    // Middle: the board over the prompt lines.
    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    board_ = new BoardView(central);
    middle->addWidget(board_, 1);
    lblPrompt_ = makeLabel(QStringLiteral("lblPrompt"), tr("Game prompts are shown here"), central);
    lblComputerPrompt_ =
        makeLabel(QStringLiteral("lblComputerPrompt"), tr("Computer prompts are shown here"), central);
    lblHint_ = makeLabel(QStringLiteral("lblHint"), {}, central, tr("Game hints are shown here"));
    QFont promptFont = lblPrompt_->font();
    promptFont.setBold(true);
    lblPrompt_->setFont(promptFont);
    for (QLabel* l : {lblPrompt_, lblComputerPrompt_, lblHint_}) {
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        l->setFocusPolicy(Qt::NoFocus);
        middle->addWidget(l);
    }
    lblPrompt_->setMinimumHeight(lblPrompt_->fontMetrics().lineSpacing() * 2 + 4);
    lblHint_->setMinimumHeight(lblHint_->fontMetrics().lineSpacing() * 2 + 4);
    lblPrompt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Under the prompt lines, the last few events stay a while longer than
    // the lines themselves, which the computers replace every second.
    recentPanel_ = new QWidget(central);
    recentPanel_->setObjectName(QStringLiteral("RecentEventsPanel"));
    auto* recent = new QVBoxLayout(recentPanel_);
    recent->setContentsMargins(0, 0, 0, 0);
    recent->setSpacing(1);
    auto* recentLabel = makeLabel(QStringLiteral("lblRecentEvents"), tr("&Recent events"), recentPanel_);
    lstRecentEvents_ = new QListWidget(recentPanel_);
    lstRecentEvents_->setObjectName(QStringLiteral("lstRecentEvents"));
    lstRecentEvents_->setToolTip(tr("The newest events of the game; the Game Log shows them all"));
    lstRecentEvents_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecentEvents_->setTextElideMode(Qt::ElideRight);
    lstRecentEvents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstRecentEvents_->setUniformItemSizes(true);
    recentLabel->setBuddy(lstRecentEvents_);
    const int row = lstRecentEvents_->fontMetrics().height() + 2;
    lstRecentEvents_->setFixedHeight(row * kRecentLines + 2 * lstRecentEvents_->frameWidth() + 2);
    recent->addWidget(recentLabel);
    recent->addWidget(lstRecentEvents_);
    middle->addWidget(recentPanel_);
    recentPanel_->hide();
    connect(mnuViewRecentEvents, &QAction::triggered, this, [this](bool on) {
        QSettings().setValue(kRecentEventsKey, on ? QStringLiteral("on") : QStringLiteral("off"));
        updateRecentEventsPanel();
    });

    // Right column: seats 3 and 4, then the die and the turn.
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(makeSeat(3), 1);
    right->addWidget(makeSeat(4), 1);
    auto* turn = new QFrame(central);
    turn->setObjectName(QStringLiteral("TurnPanel"));
    turnPanel_ = turn;
    auto* turnGrid = new QGridLayout(turn);
    turnGrid->setContentsMargins(2, 2, 2, 2);
    picDice_ = new PictureBox(QStringLiteral("picDice"), turn);
    picDice_->setToolTip(tr("Dice picture"));
    picDice_->setPicture(pictures::dicePath(0));
    picDice_->setMinimumSize(56, 56);
    turnGrid->addWidget(picDice_, 0, 0, 2, 1);
    cmdRollDice_ = new QPushButton(tr("Roll &Dice"), turn);
    cmdRollDice_->setObjectName(QStringLiteral("cmdRollDice"));
    cmdRollDice_->setToolTip(tr("Roll the dice"));
    cmdRollDice_->setEnabled(false);
    cmdRollDice_->setMinimumHeight(40);
    turnGrid->addWidget(cmdRollDice_, 0, 1, 2, 1);
    const QString currentTip = tr("The player who is playing now");
    const QString nextTip = tr("The player who will play next");
    auto* currentLabel =
        makeLabel(QStringLiteral("lblCurrentPlayerLabel"), tr("Current player:"), turn, currentTip);
    turnGrid->addWidget(currentLabel, 2, 0);
    lblCurrentPlayer_ = makeLabel(QStringLiteral("lblCurrentPlayer"), {}, turn, currentTip);
    currentLabel->setBuddy(lblCurrentPlayer_);
    turnGrid->addWidget(lblCurrentPlayer_, 2, 1);
    auto* nextLabel = makeLabel(QStringLiteral("lblNextPlayerLabel"), tr("Next player:"), turn, nextTip);
    turnGrid->addWidget(nextLabel, 3, 0);
    lblNextPlayer_ = makeLabel(QStringLiteral("lblNextPlayer"), {}, turn, nextTip);
    nextLabel->setBuddy(lblNextPlayer_);
    turnGrid->addWidget(lblNextPlayer_, 3, 1);
    auto* f1 = makeLabel(QStringLiteral("lblPressF1forHelp"), tr("Press F1 for online help!"), turn,
                         tr("Press F1 for complete HTML Help!"));
    turnGrid->addWidget(f1, 4, 0, 1, 2);
    turnGrid->setColumnStretch(1, 1);
    right->addWidget(turn);

    auto* leftBox = new QWidget(central);
    leftBox->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    auto* rightBox = new QWidget(central);
    rightBox->setLayout(right);
    right->setContentsMargins(0, 0, 0, 0);
    leftBox->setObjectName(QStringLiteral("LeftColumn"));
    rightBox->setObjectName(QStringLiteral("RightColumn"));
    leftBox->setFixedWidth(kColumnWidth);
    rightBox->setFixedWidth(kColumnWidth);
    leftColumn_ = leftBox;
    rightColumn_ = rightBox;
    columns->addWidget(leftBox);
    columns->addLayout(middle, 1);
    columns->addWidget(rightBox);
    setCentralWidget(central);
    // The personal windows follow their seats, which also move when only
    // the layout inside the window changes (a column widening after a resize).
    for (std::size_t i = 1; i < seats_.size(); ++i) seats_[i]->installEventFilter(this);
    for (QWidget* w : {central, leftColumn_, rightColumn_}) w->installEventFilter(this);
    updateRecentEventsPanel();
    resize(1016, 720);
}

void MainWindow::setSeatMinimum(const QSize& size) {
    if (size == seatMinimum_) return;
    seatMinimum_ = size;
    for (std::size_t i = 1; i < seats_.size(); ++i) seats_[i]->setMinimumSize(size);
    const int column = std::max(kColumnWidth, size.width());
    if (leftColumn_->width() < column) {
        leftColumn_->setFixedWidth(column);
        rightColumn_->setFixedWidth(column);
    }
}

void MainWindow::setComputersPlaying(bool computersPlaying) {
    if (computersPlaying_ == computersPlaying) return;
    computersPlaying_ = computersPlaying;
    updateRecentEventsPanel();
}

bool MainWindow::recentEventsShown() const {
    const QString chosen = QSettings().value(kRecentEventsKey, QStringLiteral("auto")).toString();
    if (chosen == QLatin1String("on")) return true;
    if (chosen == QLatin1String("off")) return false;
    return computersPlaying_;
}

void MainWindow::updateRecentEventsPanel() {
    const bool shown = recentEventsShown();
    mnuViewRecentEvents->setChecked(shown);
    if (recentPanel_->isVisibleTo(this) != shown) recentPanel_->setVisible(shown);
}

void MainWindow::showRecentEvents(const Game& game) {
    const GameLog& log = game.Log;
    if (log.Revision() == recentRevision_) return;
    recentRevision_ = log.Revision();
    const auto& lines = log.Lines();
    const std::size_t first = lines.size() > kRecentLines ? lines.size() - kRecentLines : 0;
    const QString newestBefore = lstRecentEvents_->count() ? lstRecentEvents_->item(lstRecentEvents_->count() - 1)->text() : QString();
    // Few lines: drawing them all again is cheaper than matching them up.
    lstRecentEvents_->clear();
    for (std::size_t i = first; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(toQt(GameLog::Format(lines[i])), lstRecentEvents_);
        item->setForeground(toQColor(lines[i].color));
        item->setToolTip(item->text());
    }
    lstRecentEvents_->scrollToBottom();
    const QString newest = lstRecentEvents_->count() ? lstRecentEvents_->item(lstRecentEvents_->count() - 1)->text() : QString();
    // A screen reader hears the newest event as it hears a new prompt line:
    // the list keeps its name, its description becomes the event.
    if (newest != newestBefore && recentPanel_->isVisible()) {
        lstRecentEvents_->setAccessibleDescription(newest);
        QAccessibleEvent event(lstRecentEvents_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void MainWindow::setNetworkStatus(const QString& text) {
    if (!lblNetworkStatus_) {
        if (text.isEmpty()) return;
        lblNetworkStatus_ = new QLabel(this);
        lblNetworkStatus_->setObjectName(QStringLiteral("lblNetworkStatus"));
        lblNetworkStatus_->setTextFormat(Qt::PlainText);
        statusBar()->addWidget(lblNetworkStatus_, 1);
    }
    if (lblNetworkStatus_->text() != text) lblNetworkStatus_->setText(text);
    statusBar()->setVisible(!text.isEmpty());
}

void MainWindow::render(const Game& game, bool peopleMayRoll) {
    const MainView& v = game.Main;
    QString caption = toQt(v.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    setLine(lblPrompt_, v.lblPrompt);
    setLine(lblComputerPrompt_, v.lblComputerPrompt);
    setLine(lblHint_, v.lblHint);
    setLine(lblCurrentPlayer_, v.lblCurrentPlayer);
    setLine(lblNextPlayer_, v.lblNextPlayer);
    setText(lblGameTime_, v.lblGameTime);
    setText(lblMoves_, v.lblMoves);
    setText(lblReactionTime_, v.lblReactionTime);
    cmdRollDice_->setEnabled(v.cmdRollDiceEnabled && peopleMayRoll);
    picDice_->setPicture(pictures::dicePath(v.picDice));
    mnuGameClose->setEnabled(v.mnuGameCloseEnabled);
    mnuGameSave->setEnabled(v.mnuGameSaveEnabled);
    mnuGameSaveAs->setEnabled(v.mnuGameSaveAsEnabled);
    showRecentEvents(game);
    board_->render(v);
    board_->keyboard()->gameChanged(game);
    for (int p = 1; p <= MaxPlayers; ++p)
        board_->setPiecePosition(p, game.S.PieceLeft[static_cast<std::size_t>(p)],
                                 game.S.PieceTop[static_cast<std::size_t>(p)]);
}

QRect MainWindow::seatRect(int seat) const {
    QFrame* f = seats_.at(static_cast<std::size_t>(seat));
    return QRect(f->mapToGlobal(QPoint(0, 0)), f->size());
}

QRect MainWindow::boardArea() const {
    const QRect drawn = board_->mapFromScene(board_->sceneRect()).boundingRect();
    return QRect(board_->viewport()->mapToGlobal(drawn.topLeft()), drawn.size()).intersected(
        QRect(board_->mapToGlobal(QPoint(0, 0)), board_->size()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) emit seatsMoved();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    emit seatsMoved();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    // The side columns hold the personal windows: they widen a little on
    // large screens, so the windows there are not cramped.
    const int least = std::max(kColumnWidth, seatMinimum_.width());
    int column = std::clamp(width() / 5, least, std::max(least, 330));
    if (leftColumn_ && leftColumn_->width() != column) {
        leftColumn_->setFixedWidth(column);
        rightColumn_->setFixedWidth(column);
    }
    QMainWindow::resizeEvent(event);
    emit seatsMoved();
}

}  // namespace zx
