#pragma once
// "Sell a company": the seller picks one of his companies, the other players
// type secret bids into masked boxes, Submit reveals them, and the seller
// chooses the buyer (or the bank) or keeps the company.

#include <array>

#include "windows/form_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zx {

class OptionGroup;

class SellWindow : public FormWindow {
    Q_OBJECT
public:
    explicit SellWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;
    void focusControl(FocusId f, int index) override;
    QString helpTopic() const override { return QStringLiteral("sell"); }

public slots:
    // The window's close command leaves without selling.
    void reject() override;

protected:
    // Esc does nothing here: the bids being typed would be lost with it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs a model handler, then redraws every window unless this one was
    // closed by the handler.

    QGroupBox* fraCompanies_ = nullptr;
    QGroupBox* fraBids_ = nullptr;
    std::array<QRadioButton*, 5> optName_{};
    std::array<QLabel*, 5> lblValue_{};
    std::array<QRadioButton*, 4> optPlayer_{};
    OptionGroup* companyOptions_ = nullptr;
    OptionGroup* buyerOptions_ = nullptr;
    std::array<QLineEdit*, 4> txtBid_{};
    QPushButton* cmdSubmit_ = nullptr;
    QPushButton* cmdSell_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace zx
