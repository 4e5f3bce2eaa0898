#include "windows/host_window.h"

#include <QAbstractSocket>
#include <QApplication>
#include <QCborArray>
#include <QCborMap>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace zx {
namespace {

// Others reach this machine through its networks' addresses; a link-local
// IPv6 address needs its interface's name, which a link cannot carry.
int Rank(const QHostAddress& a) {
    if (a.isLoopback()) return 2;
    if (a.protocol() == QAbstractSocket::IPv4Protocol) return 0;
    return 1;
}

}  // namespace

HostWindow::HostWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmHost"));
    setWindowTitle(tr("Host a network game"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* root = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* linkLabel = new QLabel(tr("&Invite link:"), this);
    linkLabel->setObjectName(QStringLiteral("lblLink"));
    txtLink_ = new QLineEdit(this);
    txtLink_->setObjectName(QStringLiteral("txtLink"));
    txtLink_->setReadOnly(true);
    txtLink_->setPlaceholderText(tr("The link appears once the table is open"));
    linkLabel->setBuddy(txtLink_);
    cmdCopy_ = new QPushButton(tr("&Copy"), this);
    cmdCopy_->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy_->setToolTip(tr("Copy the link, to send it to the other players"));
    grid->addWidget(linkLabel, 0, 0);
    grid->addWidget(txtLink_, 0, 1);
    grid->addWidget(cmdCopy_, 0, 2);

    auto* addressLabel = new QLabel(tr("&Address:"), this);
    addressLabel->setObjectName(QStringLiteral("lblAddress"));
    cmbAddress_ = new QComboBox(this);
    cmbAddress_->setObjectName(QStringLiteral("cmbAddress"));
    cmbAddress_->setToolTip(tr("The address of this computer that the other players can reach"));
    addressLabel->setBuddy(cmbAddress_);
    grid->addWidget(addressLabel, 1, 0);
    grid->addWidget(cmbAddress_, 1, 1, 1, 2);

    auto* portLabel = new QLabel(tr("&Port:"), this);
    portLabel->setObjectName(QStringLiteral("lblPort"));
    txtPort_ = new QSpinBox(this);
    txtPort_->setObjectName(QStringLiteral("txtPort"));
    txtPort_->setRange(0, 65535);
    txtPort_->setSpecialValueText(tr("any free port"));
    txtPort_->setToolTip(tr("The TCP port to listen on; open it in a firewall between you and the others"));
    portLabel->setBuddy(txtPort_);
    grid->addWidget(portLabel, 2, 0);
    grid->addWidget(txtPort_, 2, 1, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    root->addLayout(grid);

    auto* seatsLabel = new QLabel(tr("&Seats:"), this);
    seatsLabel->setObjectName(QStringLiteral("lblSeats"));
    lstSeats_ = new QListWidget(this);
    lstSeats_->setObjectName(QStringLiteral("lstSeats"));
    seatsLabel->setBuddy(lstSeats_);
    root->addWidget(seatsLabel);
    root->addWidget(lstSeats_, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(helpLabel());
    row->addStretch(1);
    cmdClose_ = new QPushButton(tr("C&lose"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setToolTip(tr("Put this window away; the table stays open"));
    row->addWidget(cmdClose_);
    root->addLayout(row);
    clickOnEnterWhenFocused({cmdCopy_, cmdClose_});

    connect(cmdCopy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(link()); });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { hide(); });
    connect(cmbAddress_, &QComboBox::currentIndexChanged, this, [this] { updateLink(); });
    // Told once the person has finished typing, and only when it changed:
    // a new port means listening afresh.
    connect(txtPort_, &QSpinBox::editingFinished, this, [this] {
        if (txtPort_->value() == toldPort_) return;
        toldPort_ = txtPort_->value();
        emit portChosen(toldPort_);
    });

    setAddresses(QNetworkInterface::allAddresses());
    resize(520, 360);
}

void HostWindow::setAddresses(const QList<QHostAddress>& addresses) {
    QList<QHostAddress> usable;
    for (const QHostAddress& a : addresses)
        if (a.scopeId().isEmpty() && !a.isNull() && !usable.contains(a)) usable.append(a);
    std::stable_sort(usable.begin(), usable.end(),
                     [](const QHostAddress& a, const QHostAddress& b) { return Rank(a) < Rank(b); });
    const QString kept = cmbAddress_->currentText();
    {
        QSignalBlocker block(cmbAddress_);
        cmbAddress_->clear();
        for (const QHostAddress& a : usable) cmbAddress_->addItem(a.toString());
        const int again = cmbAddress_->findText(kept);
        cmbAddress_->setCurrentIndex(again >= 0 ? again : 0);
    }
    updateLink();
}

void HostWindow::setListening(quint16 port, const QString& code) {
    port_ = port;
    code_ = code;
    updateLink();
}

QString HostWindow::link() const {
    const QString host = cmbAddress_->currentText();
    if (host.isEmpty() || port_ == 0 || code_.isEmpty()) return {};
    QUrl url;
    url.setScheme(QStringLiteral("zentrix"));
    url.setHost(host);
    url.setPort(port_);
    url.setPath(QLatin1Char('/') + code_);
    return url.toString();
}

int HostWindow::chosenPort() const { return txtPort_->value(); }

void HostWindow::setChosenPort(int port) {
    txtPort_->setValue(port);
    toldPort_ = txtPort_->value();
}

void HostWindow::updateLink() {
    txtLink_->setText(link());
    cmdCopy_->setEnabled(!txtLink_->text().isEmpty());
}

void HostWindow::setStatus(const QCborMap& status) {
    const int current = lstSeats_->currentRow();
    lstSeats_->clear();
    for (const QCborValue& v : status.value(QLatin1String("seats")).toArray()) {
        const QCborMap seat = v.toMap();
        const auto number = seat.value(QLatin1String("seat")).toInteger();
        const QString name = seat.value(QLatin1String("name")).toString();
        QString text;
        if (seat.value(QLatin1String("type")).toString() != QLatin1String("remote"))
            text = tr("Seat %1: %2, a computer player").arg(number).arg(name);
        else if (seat.value(QLatin1String("free")).toBool())
            text = tr("Seat %1: open").arg(number);
        else if (seat.value(QLatin1String("connected")).toBool())
            text = tr("Seat %1: %2, joined").arg(number).arg(name);
        else
            text = tr("Seat %1: %2, away").arg(number).arg(name);
        lstSeats_->addItem(text);
    }
    if (current >= 0 && current < lstSeats_->count()) lstSeats_->setCurrentRow(current);
}

}  // namespace zx
