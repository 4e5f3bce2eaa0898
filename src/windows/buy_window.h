#pragma once
// frmBuyCompany: "Buy a company". Offers the free companies of the complex
// sold at the market cell the current player has reached.

#include <array>

#include "windows/form_window.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zx {

class OptionGroup;
class PictureBox;

class BuyWindow : public FormWindow {
    Q_OBJECT
public:
    explicit BuyWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;
    void focusControl(FocusId focus, int index) override;
    QString helpTopic() const override { return QStringLiteral("buy"); }

public slots:
    // Esc and the window's close command refuse, like Cancel.
    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    QLabel* lblComplex_ = nullptr;
    std::array<QFrame*, 4> shape_{};           // 1..3
    std::array<QRadioButton*, 4> optName_{};   // 1..3
    OptionGroup* companies_ = nullptr;
    std::array<PictureBox*, 4> picLogo_{};     // 1..3
    std::array<QLabel*, 4> lblValue_{};        // 1..3
    QPushButton* cmdBuy_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace zx
