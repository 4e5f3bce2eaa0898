#pragma once
// "Lend money": the lender picks the borrower, the amount in millions and
// one setting for both the interest and the duration; the borrower confirms.

#include <array>

#include "windows/form_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace zx {

class OptionGroup;

class LoanWindow : public FormWindow {
    Q_OBJECT
public:
    explicit LoanWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;
    void focusControl(FocusId f, int index) override;
    QString helpTopic() const override { return QStringLiteral("loan"); }

public slots:
    // The window's close command gives the reserved loan slot back.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:

    std::array<QRadioButton*, 5> optPlayer_{};  // 1..4
    OptionGroup* borrowers_ = nullptr;
    QLineEdit* txtLoanNum_ = nullptr;
    QScrollBar* vscLoanNum_ = nullptr;
    QScrollBar* VScroll_ = nullptr;
    QLabel* lblInterest_ = nullptr;
    QLabel* lblDuration_ = nullptr;
    QPushButton* cmdLoan_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace zx
