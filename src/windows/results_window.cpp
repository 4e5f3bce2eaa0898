#include "windows/results_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "media/pictures.h"
#include "rules/game.h"
#include "windows/controller.h"
#include "windows/picture_box.h"
#include "windows/qt_text.h"

namespace zx {

ResultsWindow::ResultsWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(tr("Game over!"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 6);
    outer->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    auto* picture = new PictureBox(QStringLiteral("Picture1"), this);
    picture->setPicture(pictures::resultsPath());
    picture->setFixedSize(96, 96);
    top->addWidget(picture, 0, Qt::AlignTop);

    auto* frame = new QGroupBox(tr("Results"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    static const char* const places[] = {"", "Winner:", "2nd place:", "3rd place:", "4th place:"};
    QFont bold = font();
    bold.setBold(true);
    for (int i = 1; i <= MaxPlayers; ++i) {
        auto idx = static_cast<std::size_t>(i);
        auto* label = new QLabel(QString::fromLatin1(places[i]), frame);
        label->setObjectName(QStringLiteral("lblFinisherLabel_%1").arg(i));
        auto* name = new QLabel(frame);
        name->setObjectName(QStringLiteral("lblFinisher_%1").arg(i));
        name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMM")));
        if (i == 1) name->setFont(bold);
        grid->addWidget(label, i - 1, 0);
        grid->addWidget(name, i - 1, 1);
        lblFinisherLabel_[idx] = label;
        lblFinisher_[idx] = name;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(MaxPlayers, 1);
    top->addWidget(frame, 1);
    outer->addLayout(top);

    auto* bottom = new QHBoxLayout;
    auto* f1 = helpLabel();
    bottom->addWidget(f1, 1);
    cmdOK_ = new QPushButton(tr("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setToolTip(tr("Finish game!"));
    cmdOK_->setDefault(true);
    bottom->addWidget(cmdOK_);
    outer->addLayout(bottom);

    connect(cmdOK_, &QPushButton::clicked, this, [this] { finish(); });
    render();
}

void ResultsWindow::render() {
    const ResultsForm& f = game().Results;
    for (int i = 1; i <= MaxPlayers; ++i) {
        auto idx = static_cast<std::size_t>(i);
        QString name = toQt(f.lblFinisher[idx]);
        if (lblFinisher_[idx]->text() != name) lblFinisher_[idx]->setText(name);
        bool visible = f.rowVisible[idx];
        if (lblFinisherLabel_[idx]->isVisibleTo(this) != visible) lblFinisherLabel_[idx]->setVisible(visible);
        if (lblFinisher_[idx]->isVisibleTo(this) != visible) lblFinisher_[idx]->setVisible(visible);
    }
}

void ResultsWindow::finish() {
    QPointer<ResultsWindow> self(this);
    Controller& c = controller;
    game().Results.cmdOK_Click();
    c.renderAll();
    // OK always ends the game: never leave a modal window behind.
    if (self && self->isVisible()) self->done(QDialog::Accepted);
}

void ResultsWindow::reject() { finish(); }

}  // namespace zx
