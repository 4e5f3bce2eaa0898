#include "windows/about_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "media/pictures.h"
#include "rules/game.h"
#include "windows/controller.h"
#include "windows/picture_box.h"

namespace zx {

namespace {

const QString kTitle = QStringLiteral("Zentrix");
constexpr int kMajor = 3;
constexpr int kMinor = 0;
constexpr int kRevision = 0;

const char* const kTrademarks = QT_TRANSLATE_NOOP(
    "zx::AboutWindow",
    "IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, "
    "Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, Toyota, "
    "Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen are registered "
    "trademarks of their respective owners.");

}  // namespace

AboutWindow::AboutWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(kTitle));
    setModal(true);

    auto* picIcon = new PictureBox(QStringLiteral("picIcon"), this);
    picIcon->setPicture(pictures::iconPath());
    picIcon->setFixedSize(64, 64);
    picIcon->setAccessibleName(tr("Zentrix icon"));

    auto* lblTitle = new QLabel(kTitle, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    auto* lblVersion = new QLabel(tr("Version %1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    auto* label2 = new QLabel(tr(kTrademarks), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setWordWrap(true);
    label2->setFixedWidth(340);
    QFont small = label2->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label2->setFont(small);

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdSysInfo_ = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { StartSysInfo(); });

    auto* f1 = helpLabel();

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(label2);
    texts->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, Qt::AlignTop);
    grid->addLayout(texts, 0, 1, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdSysInfo_);
    grid->addWidget(f1, 1, 0, 1, 2, Qt::AlignBottom | Qt::AlignLeft);
    grid->addLayout(buttons, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(12);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QStringList AboutWindow::defaultSysInfoPrograms() {
    return {QStringLiteral("hardinfo"),          QStringLiteral("hardinfo2"),
            QStringLiteral("kinfocenter"),       QStringLiteral("gnome-system-monitor"),
            QStringLiteral("lshw-gtk"),          QStringLiteral("xfce4-taskmanager")};
}

void AboutWindow::StartSysInfo() {
    for (const QString& name : sysInfoPrograms) {
        QString program = QStandardPaths::findExecutable(name);
        if (program.isEmpty()) continue;
        if (QProcess::startDetached(program, {})) return;
    }
    Message m;
    m.text = "System Information Is Unavailable At This Time";
    m.title = kTitle.toStdString();
    m.icon = MsgIcon::None;
    m.buttons = MsgButtons::Ok;
    controller.message(m);
}

void AboutWindow::cmdOK_Click() {
    game().PlayPositiveSound();
    closeBox();
}

void AboutWindow::closeBox() {
    if (controller.aboutWindow() == this) controller.closeWindow(WindowId::About, 0);
    else FormWindow::reject();
}

void AboutWindow::reject() { closeBox(); }

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // Esc is the same as OK here, sound included.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_->click();
        return;
    }
    FormWindow::keyPressEvent(event);
}

}  // namespace zx
