#pragma once
// frmResults: "Game over!". The finishing order; OK ends the game.

#include <array>

#include "windows/form_window.h"

class QLabel;
class QPushButton;

namespace zx {

class ResultsWindow : public FormWindow {
    Q_OBJECT
public:
    explicit ResultsWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;
    QString helpTopic() const override { return QStringLiteral("results"); }

public slots:
    // Closing the window finishes the game, as OK does.
    void reject() override;

private:
    void finish();

    std::array<QLabel*, 5> lblFinisherLabel_{};  // 1..4
    std::array<QLabel*, 5> lblFinisher_{};       // 1..4
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace zx
