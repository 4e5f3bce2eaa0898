#include "windows/new_game_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "ai/autopilot.h"
#include "media/pictures.h"
#include "rules/game.h"
#include "rules/text.h"
#include "windows/controller.h"
#include "windows/picture_box.h"
#include "windows/qt_text.h"
#include "windows/widgets.h"

namespace zx {

namespace {

constexpr int MaxNameLength = 12;
constexpr int PiecePictureSize = 40;
// The "Network player" entry follows the computer players in a row's list.
constexpr int NetworkEntry = Hard + 1;

void setCheck(QCheckBox* b, bool checked) {
    if (b->isChecked() == checked) return;
    QSignalBlocker block(b);
    b->setChecked(checked);
}

QCheckBox* makeCheck(const QString& name, const QString& text, const QString& tip, QWidget* parent) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setToolTip(tip);
    return c;
}

}  // namespace

NewGameWindow::NewGameWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmNewGame"));
    setWindowTitle(tr("Start a new game"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 6);
    outer->setSpacing(6);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    auto* right = new QVBoxLayout;
    right->setSpacing(6);

    // ---- number of players ----
    auto* fraNumOfPlayers = new QGroupBox(tr("Number of players"), this);
    fraNumOfPlayers->setObjectName(QStringLiteral("fraNumOfPlayers"));
    auto* numbers = new QHBoxLayout(fraNumOfPlayers);
    for (int n = 2; n <= MaxPlayers; ++n) {
        auto* opt = new QRadioButton(QStringLiteral("&%1").arg(n), fraNumOfPlayers);
        opt->setObjectName(QStringLiteral("optNumOfPlayers_%1").arg(n));
        numbers->addWidget(opt);
        optNumOfPlayers_[static_cast<std::size_t>(n)] = opt;
        // The state, not the click: an option chosen by the arrow keys or by
        // a screen reader's action counts the same.
        connect(opt, &QRadioButton::toggled, this, [this, n](bool on) {
            if (on) forward(&game().NewGame, [n](NewGameForm& f) { f.optNumOfPlayers_Click(n); });
        });
    }
    numbers->addStretch(1);
    left->addWidget(fraNumOfPlayers);

    // ---- names and genders ----
    auto* fraPlayerInfo = new QGroupBox(tr("Player name && gender"), this);
    fraPlayerInfo->setObjectName(QStringLiteral("fraPlayerInfo"));
    auto* info = new QGridLayout(fraPlayerInfo);
    info->setVerticalSpacing(4);
    // Room for a long name beside the two lists of its row.
    int nameWidth = fontMetrics().horizontalAdvance(QString(MaxNameLength, QLatin1Char('M'))) + 12;
    for (int i = 1; i <= MaxPlayers; ++i) {
        auto idx = static_cast<std::size_t>(i);
        auto* name = new QLineEdit(fraPlayerInfo);
        name->setObjectName(QStringLiteral("txtPlayerName_%1").arg(i));
        name->setMaxLength(MaxNameLength);
        name->setAccessibleName(tr("Player %1 name").arg(i));
        name->setMinimumWidth(nameWidth);
        name->installEventFilter(this);
        auto* sex = new QComboBox(fraPlayerInfo);
        sex->setObjectName(QStringLiteral("cmbPlayerSex_%1").arg(i));
        sex->addItems({QStringLiteral("F"), QStringLiteral("M")});
        sex->setToolTip(tr("Choose F for female or M for Male"));
        sex->setAccessibleName(tr("Player %1 gender").arg(i));
        auto* type = new QComboBox(fraPlayerInfo);
        type->setObjectName(QStringLiteral("cmbPlayerType_%1").arg(i));
        for (int t = Human; t <= Hard; ++t) type->addItem(toQt(Say(SourceText{"PlayerType", PlayerTypeName(t)})));
        type->setToolTip(tr("Choose Human for a person at this screen, or a computer player and its strength"));
        type->setAccessibleName(tr("Player %1 type").arg(i));
        info->addWidget(name, i - 1, 0);
        info->addWidget(sex, i - 1, 1);
        info->addWidget(type, i - 1, 2);
        txtPlayerName_[idx] = name;
        cmbPlayerSex_[idx] = sex;
        cmbPlayerType_[idx] = type;
        // Whatever put the name there (typing, pasting, an assistive tool)
        // counts; the window's own redraw blocks this signal.
        connect(name, &QLineEdit::textChanged, this, [this, i](const QString& text) {
            std::string typed = fromQt(text.left(MaxNameLength));
            forward(&game().NewGame, [i, typed](NewGameForm& f) { f.txtPlayerName_Typed(i, typed); });
        });
        connect(sex, &QComboBox::currentIndexChanged, this,
                [this, i](int entry) { forward(&game().NewGame, [i, entry](NewGameForm& f) { f.cmbPlayerSex_Click(i, entry); }); });
        connect(type, &QComboBox::currentIndexChanged, this, [this, i](int entry) { typeChosen(i, entry); });
    }
    info->setColumnStretch(0, 1);
    left->addWidget(fraPlayerInfo);
    left->addStretch(1);

    // ---- pieces ----
    auto* fraPieceSet = new QGroupBox(tr("Piece style"), this);
    fraPieceSet->setObjectName(QStringLiteral("fraPieceSet"));
    auto* pieces = new QHBoxLayout(fraPieceSet);
    pieces->setSpacing(4);
    for (int p = 1; p <= MaxPlayers; ++p) {
        auto* pic = new PictureBox(QStringLiteral("picPiece_%1").arg(p), fraPieceSet);
        pic->setFixedSize(PiecePictureSize, PiecePictureSize);
        pieces->addWidget(pic);
        picPiece_[static_cast<std::size_t>(p)] = pic;
    }
    pieces->addStretch(1);
    auto* cmdNextSet = new QPushButton(tr("&Next set"), fraPieceSet);
    cmdNextSet->setObjectName(QStringLiteral("cmdNextSet"));
    cmdNextSet->setToolTip(tr("See the next piece set"));
    pieces->addWidget(cmdNextSet);
    connect(cmdNextSet, &QPushButton::clicked, this, [this] { forward(&game().NewGame, [](NewGameForm& f) { f.cmdNextSet_Click(); }); });
    right->addWidget(fraPieceSet);

    // ---- companies ----
    auto* fraCompanySet = new QGroupBox(tr("Type of companies"), this);
    fraCompanySet->setObjectName(QStringLiteral("fraCompanySet"));
    auto* sets = new QVBoxLayout(fraCompanySet);
    static const char* const setCaptions[] = {"", QT_TR_NOOP("Com&puter companies"), QT_TR_NOOP("Ca&r manufacturers")};
    static const char* const setTips[] = {"", QT_TR_NOOP("Companies like Microsoft, Intel, HP, etc"),
                                          QT_TR_NOOP("Companies like Ford, Nissan, BMW, etc")};
    for (int s = 1; s <= 2; ++s) {
        auto* opt = new QRadioButton(tr(setCaptions[s]), fraCompanySet);
        opt->setObjectName(QStringLiteral("optCompanySet_%1").arg(s));
        opt->setToolTip(tr(setTips[s]));
        sets->addWidget(opt);
        optCompanySet_[static_cast<std::size_t>(s)] = opt;
        connect(opt, &QRadioButton::toggled, this, [this, s](bool on) {
            if (on) forward(&game().NewGame, [s](NewGameForm& f) { f.optCompanySet_Click(s); });
        });
    }
    right->addWidget(fraCompanySet);

    // ---- options ----
    auto* fraOptions = new QGroupBox(tr("Options"), this);
    fraOptions->setObjectName(QStringLiteral("fraOptions"));
    auto* options = new QVBoxLayout(fraOptions);
    chkAutoSave_ = makeCheck(QStringLiteral("chkAutoSave"), tr("&Auto-save every 5 min's"),
                             tr("Check to save the game automatically every 5 minutes"), fraOptions);
    chkSounds_ = makeCheck(QStringLiteral("chkSounds"), tr("Play &sounds"),
                           tr("Check to enable sounds during the game"), fraOptions);
    chkLimitReactionTime_ = makeCheck(
        QStringLiteral("chkLimitReactionTime"), tr("&Limit reaction time"),
        tr("Check to set limits on the amount of time you've got to react to game prompts"), fraOptions);
    chkBackgroundMusic_ = makeCheck(QStringLiteral("chkBackgroundMusic"), tr("Play &background music"),
                                    tr("Check to listen to soft music during the game"), fraOptions);
    for (QCheckBox* chk : {chkAutoSave_, chkSounds_, chkLimitReactionTime_, chkBackgroundMusic_}) options->addWidget(chk);
    connect(chkAutoSave_, &QCheckBox::toggled, this,
            [this](bool on) { forward(&game().NewGame, [on](NewGameForm& f) { f.chkAutoSave_Click(on); }); });
    connect(chkSounds_, &QCheckBox::toggled, this,
            [this](bool on) { forward(&game().NewGame, [on](NewGameForm& f) { f.chkSounds_Click(on); }); });
    connect(chkLimitReactionTime_, &QCheckBox::toggled, this,
            [this](bool on) { forward(&game().NewGame, [on](NewGameForm& f) { f.chkLimitReactionTime_Click(on); }); });
    connect(chkBackgroundMusic_, &QCheckBox::toggled, this,
            [this](bool on) { forward(&game().NewGame, [on](NewGameForm& f) { f.chkBackgroundMusic_Click(on); }); });
    right->addWidget(fraOptions);
    right->addStretch(1);

    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    outer->addLayout(columns);

    // ---- buttons ----
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    auto* f1 = helpLabel();
    bottom->addWidget(f1, 1);
    cmdStart_ = new QPushButton(tr("S&tart"), this);
    cmdStart_->setObjectName(QStringLiteral("cmdStart"));
    cmdStart_->setToolTip(tr("Start the game"));
    cmdStart_->setDefault(true);
    cmdClose_ = new QPushButton(tr("&Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setToolTip(tr("Cancel new game"));
    bottom->addWidget(cmdStart_);
    bottom->addWidget(cmdClose_);
    outer->addLayout(bottom);

    connect(cmdStart_, &QPushButton::clicked, this, [this] {
        if (hosting_) return controller.startHosting();
        forward(&game().NewGame, [](NewGameForm& f) { f.cmdStart_Click(); });
    });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { reject(); });

    render();
}

void NewGameWindow::render() {
    const NewGameForm& f = game().NewGame;
    for (int n = 2; n <= MaxPlayers; ++n) setOption(optNumOfPlayers_[static_cast<std::size_t>(n)], f.optNumOfPlayersValue[static_cast<std::size_t>(n)]);
    for (int i = 1; i <= MaxPlayers; ++i) {
        auto idx = static_cast<std::size_t>(i);
        QLineEdit* name = txtPlayerName_[idx];
        QString text = toQt(f.txtPlayerName[idx]).left(MaxNameLength);
        if (name->text() != text) {
            QSignalBlocker block(name);
            name->setText(text);
        }
        if (name->isEnabled() != f.rowEnabled[idx]) name->setEnabled(f.rowEnabled[idx]);
        QComboBox* sex = cmbPlayerSex_[idx];
        int entry = f.cmbPlayerSex[idx] == 1 ? 1 : 0;
        if (sex->currentIndex() != entry) {
            QSignalBlocker block(sex);
            sex->setCurrentIndex(entry);
        }
        if (sex->isEnabled() != f.rowEnabled[idx]) sex->setEnabled(f.rowEnabled[idx]);
        QComboBox* type = cmbPlayerType_[idx];
        // A seat left to the network is a person's seat in the model.
        if (f.cmbPlayerType[idx] != Human) networkSeat_[idx] = false;
        int kind = networkSeat_[idx] ? NetworkEntry : std::clamp(f.cmbPlayerType[idx], 0, type->count() - 1);
        if (type->currentIndex() != kind) {
            QSignalBlocker block(type);
            type->setCurrentIndex(kind);
        }
        if (type->isEnabled() != f.rowEnabled[idx]) type->setEnabled(f.rowEnabled[idx]);
        int piece = f.picPiece[idx];
        picPiece_[idx]->setPicture(piece > 0 ? pictures::piecePath(piece) : QString());
    }
    for (int s = 1; s <= 2; ++s) setOption(optCompanySet_[static_cast<std::size_t>(s)], f.optCompanySetValue[static_cast<std::size_t>(s)]);
    setCheck(chkAutoSave_, f.chkAutoSave);
    setCheck(chkSounds_, f.chkSounds);
    setCheck(chkLimitReactionTime_, f.chkLimitReactionTime);
    setCheck(chkBackgroundMusic_, f.chkBackgroundMusic);
}

void NewGameWindow::setHosting(bool hosting) {
    // Every opening starts with people at this screen, as the model does.
    networkSeat_ = {};
    if (hosting == hosting_) return render();
    hosting_ = hosting;
    for (int i = 1; i <= MaxPlayers; ++i) {
        QComboBox* type = cmbPlayerType_[static_cast<std::size_t>(i)];
        QSignalBlocker block(type);
        if (hosting) {
            type->addItem(tr("Network player"));
            type->setToolTip(tr("Choose Human for a person at this screen, Network player for a person joining "
                                "over the network, or a computer player and its strength"));
        } else {
            type->removeItem(NetworkEntry);
            type->setToolTip(tr("Choose Human for a person at this screen, or a computer player and its strength"));
        }
    }
    render();
}

bool NewGameWindow::isNetworkSeat(int i) const {
    return hosting_ && i >= 1 && i <= MaxPlayers && networkSeat_[static_cast<std::size_t>(i)];
}

void NewGameWindow::typeChosen(int i, int entry) {
    const auto idx = static_cast<std::size_t>(i);
    networkSeat_[idx] = hosting_ && entry == NetworkEntry;
    if (networkSeat_[idx]) entry = Human;
    forward(&game().NewGame, [i, entry](NewGameForm& f) { f.cmbPlayerType_Click(i, entry); });
}

void NewGameWindow::focusControl(FocusId focus, int index) {
    if (focus != FocusId::NewGameName || index < 1 || index > MaxPlayers) return;
    if (!isActiveWindow()) {
        raise();
        activateWindow();
    }
    QLineEdit* name = txtPlayerName_[static_cast<std::size_t>(index)];
    name->setFocus(Qt::OtherFocusReason);
    name->selectAll();
}

bool NewGameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* name = qobject_cast<QLineEdit*>(watched)) {
            // A new name replaces the whole old one. The click that brought
            // the focus would clear a selection made at once, so wait for it.
            QPointer<QLineEdit> guard(name);
            QTimer::singleShot(0, name, [guard] {
                if (guard && guard->hasFocus()) guard->selectAll();
            });
        }
    }
    return FormWindow::eventFilter(watched, event);
}

void NewGameWindow::reject() {
    QPointer<NewGameWindow> self(this);
    Controller& c = controller;
    c.game().NewGame.cmdClose_Click();
    c.renderAll();
    // Closing never leaves a stale dialog on screen.
    if (self && self->isVisible() && !c.game().NewGame.Loaded) self->FormWindow::reject();
}

}  // namespace zx
