#pragma once
// frmNewGame: "Start a new game". Players, names, genders, piece style,
// company catalogue and the game's options.

#include <array>

#include "windows/form_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zx {

class PictureBox;

class NewGameWindow : public FormWindow {
    Q_OBJECT
public:
    explicit NewGameWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;
    void focusControl(FocusId focus, int index) override;
    QString helpTopic() const override { return QStringLiteral("newgame"); }

    // Opened for hosting a network game, each row may also be a "Network
    // player": a person at another machine. The game's model knows such a
    // seat as a person's; the window keeps which ones are the network's.
    // Called at each opening: every row starts as a person's here.
    void setHosting(bool hosting);
    bool hosting() const { return hosting_; }
    bool isNetworkSeat(int i) const;

public slots:
    // Esc and the window's close command act as Close.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typeChosen(int i, int entry);

    std::array<QRadioButton*, 5> optNumOfPlayers_{};  // 2..4
    std::array<QLineEdit*, 5> txtPlayerName_{};       // 1..4
    std::array<QComboBox*, 5> cmbPlayerSex_{};        // 1..4
    std::array<QComboBox*, 5> cmbPlayerType_{};       // 1..4
    std::array<PictureBox*, 5> picPiece_{};           // 1..4
    std::array<QRadioButton*, 3> optCompanySet_{};    // 1..2
    QCheckBox* chkAutoSave_ = nullptr;
    QCheckBox* chkSounds_ = nullptr;
    QCheckBox* chkLimitReactionTime_ = nullptr;
    QCheckBox* chkBackgroundMusic_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    bool hosting_ = false;
    std::array<bool, 5> networkSeat_{};               // 1..4
};

}  // namespace zx
