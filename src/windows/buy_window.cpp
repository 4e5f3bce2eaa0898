#include "windows/buy_window.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "media/pictures.h"
#include "rules/game.h"
#include "windows/controller.h"
#include "windows/option_group.h"
#include "windows/picture_box.h"
#include "windows/qt_text.h"
#include "windows/widgets.h"

namespace zx {

namespace {

constexpr int LogoSize = 44;

}  // namespace

BuyWindow::BuyWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmBuyCompany"));
    setWindowTitle(tr("Buy a company"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 6);
    outer->setSpacing(6);

    lblComplex_ = new QLabel(this);
    lblComplex_->setObjectName(QStringLiteral("lblComplex"));
    lblComplex_->setAlignment(Qt::AlignCenter);
    QFont bold = lblComplex_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblComplex_->setFont(bold);
    outer->addWidget(lblComplex_);

    int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("$00,000,000")) + 4;
    for (int s = 1; s <= 3; ++s) {
        auto idx = static_cast<std::size_t>(s);
        auto* shape = new QFrame(this);
        shape->setObjectName(QStringLiteral("Shape%1").arg(s));
        shape->setFrameShape(QFrame::Box);
        shape->setFrameShadow(QFrame::Sunken);
        auto* row = new QHBoxLayout(shape);
        row->setContentsMargins(6, 3, 8, 3);
        row->setSpacing(8);
        auto* logo = new PictureBox(QStringLiteral("picLogo_%1").arg(s), shape);
        logo->setToolTip(tr("Company logo"));
        logo->setFixedSize(LogoSize, LogoSize);
        row->addWidget(logo);
        auto* opt = new QRadioButton(shape);
        opt->setObjectName(QStringLiteral("optName_%1").arg(s));
        opt->setToolTip(tr("Company name"));
        row->addWidget(opt, 1);
        auto* value = new QLabel(shape);
        value->setObjectName(QStringLiteral("lblValue_%1").arg(s));
        value->setToolTip(tr("Company price"));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(valueWidth);
        row->addWidget(value);
        outer->addWidget(shape);
        shape_[idx] = shape;
        optName_[idx] = opt;
        picLogo_[idx] = logo;
        lblValue_[idx] = value;
        connect(opt, &QRadioButton::toggled, this, [this, s](bool on) {
            if (on && !game().BuyForm.optNameValue[static_cast<std::size_t>(s)])
                controller.act({.kind = OpKind::BuyChoose, .index = s});
        });
    }

    companies_ = new OptionGroup({optName_[1], optName_[2], optName_[3]}, this);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    auto* f1 = helpLabel();
    buttons->addWidget(f1, 1);
    cmdBuy_ = new QPushButton(tr("&Buy"), this);
    cmdBuy_->setObjectName(QStringLiteral("cmdBuy"));
    cmdBuy_->setToolTip(tr("Buy selected company"));
    cmdCancel_ = new QPushButton(tr("&Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setToolTip(tr("Refuse to buy any companies"));
    buttons->addWidget(cmdBuy_);
    buttons->addWidget(cmdCancel_);
    outer->addLayout(buttons);
    // Neither button is the default: Enter must not buy a company the player
    // has not chosen to buy.
    clickOnEnterWhenFocused({cmdBuy_, cmdCancel_});

    connect(cmdBuy_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::BuyBuy}); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::BuyCancel}); });

    setMinimumWidth(340);
    render();
}

void BuyWindow::render() {
    const BuyCompanyForm& f = game().BuyForm;
    setText(lblComplex_, f.lblComplex);
    for (int s = 1; s <= 3; ++s) {
        auto idx = static_cast<std::size_t>(s);
        QRadioButton* opt = optName_[idx];
        QString caption = toQt(f.optNameCaption[idx]);
        if (opt->text() != caption) opt->setText(caption);
        if (opt->isEnabled() != f.optNameEnabled[idx]) opt->setEnabled(f.optNameEnabled[idx]);
        setOption(opt, f.optNameValue[idx]);
        int logo = f.picLogo[idx];
        picLogo_[idx]->setPicture(logo > 0 ? pictures::logoPath(logo) : QString());
        setText(lblValue_[idx], f.lblValue[idx]);
    }
    companies_->refresh();
}

void BuyWindow::focusControl(FocusId focus, int) {
    if (focus != FocusId::BuyFirstOption) return;
    if (!isActiveWindow()) {
        raise();
        activateWindow();
    }
    optName_[1]->setFocus(Qt::OtherFocusReason);
}

bool BuyWindow::event(QEvent* e) {
    bool handled = FormWindow::event(e);
    // Coming back to the window (after a message box, or from a personal
    // window where a company may have changed hands) rebuilds the offer.
    if (e->type() == QEvent::WindowActivate && game().BuyForm.Loaded) forward([this] { game().BuyForm.Form_Activate(); });
    return handled;
}

void BuyWindow::reject() {
    if (game().BuyForm.Loaded) controller.act({.kind = OpKind::BuyCancel});
    else FormWindow::reject();
}

}  // namespace zx
