#include "windows/join_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "client/remote_table.h"
#include "net/protocol.h"
#include "rules/game.h"
#include "windows/controller.h"

namespace zx {

namespace {
const QString kNameKey = QStringLiteral("network/name");
}

JoinWindow::JoinWindow(Controller& controller, QWidget* parent) : QDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("frmJoin"));
    setWindowTitle(tr("Join a network game"));

    auto* grid = new QGridLayout;
    auto* lblServer = new QLabel(tr("&Server or invite link:"), this);
    lblServer->setObjectName(QStringLiteral("lblServer"));
    txtServer_ = new QLineEdit(this);
    txtServer_->setObjectName(QStringLiteral("txtServer"));
    txtServer_->setPlaceholderText(QStringLiteral("zentrix://HOST:PORT/CODE"));
    lblServer->setBuddy(txtServer_);
    cmdTables_ = new QPushButton(tr("Show &Tables"), this);
    cmdTables_->setObjectName(QStringLiteral("cmdTables"));
    grid->addWidget(lblServer, 0, 0);
    grid->addWidget(txtServer_, 0, 1);
    grid->addWidget(cmdTables_, 0, 2);

    auto* lblName = new QLabel(tr("Your &name:"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    txtName_ = new QLineEdit(QSettings().value(kNameKey).toString(), this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setMaxLength(net::MaxNameLength);
    lblName->setBuddy(txtName_);
    grid->addWidget(lblName, 1, 0);
    grid->addWidget(txtName_, 1, 1, 1, 2);

    auto* lblTables = new QLabel(tr("Open tables and their free seats:"), this);
    lblTables->setObjectName(QStringLiteral("lblTables"));
    lstTables_ = new QListWidget(this);
    lstTables_->setObjectName(QStringLiteral("lstTables"));
    lstTables_->setAccessibleName(tr("Open tables"));
    lblTables->setBuddy(lstTables_);

    cmdJoin_ = new QPushButton(tr("&Join"), this);
    cmdJoin_->setObjectName(QStringLiteral("cmdJoin"));
    cmdJoin_->setDefault(true);
    cmdCancel_ = new QPushButton(tr("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdJoin_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel_, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(lblTables);
    layout->addWidget(lstTables_, 1);
    layout->addWidget(buttons);
    resize(520, 340);

    connect(cmdTables_, &QPushButton::clicked, this, &JoinWindow::showTables);
    connect(txtServer_, &QLineEdit::returnPressed, this, &JoinWindow::showTables);
    connect(cmdJoin_, &QPushButton::clicked, this, &JoinWindow::joinTable);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstTables_, &QListWidget::itemActivated, this, [this] { joinTable(); });
    connect(&controller_, &Controller::networkGameJoined, this, [this] {
        if (isVisible()) accept();
    });
}

JoinWindow::~JoinWindow() = default;

void JoinWindow::setLink(const QString& link) {
    txtServer_->setText(link);
    showTables();
}

void JoinWindow::showTables() {
    const auto link = client::ParseLink(txtServer_->text());
    if (!link) return controller_.networkMessage(badLinkText(txtServer_->text()));
    wantedTable_ = link->table;
    // The tables of an earlier address must not be joined in place of this one's.
    lstTables_->clear();
    lister_ = std::make_unique<client::RemoteTable>(controller_.game());
    connect(lister_.get(), &client::RemoteTable::tablesListed, this, [this](const QList<client::OpenTable>& tables) {
        lstTables_->clear();
        for (const client::OpenTable& t : tables) {
            const QString text = tr("%1: %2 (free seats: %3)").arg(t.code, t.names.join(QStringLiteral(", "))).arg(t.freeSeats);
            auto* item = new QListWidgetItem(text, lstTables_);
            item->setData(Qt::UserRole, t.code);
            if (t.code == wantedTable_) lstTables_->setCurrentItem(item);
        }
        if (!lstTables_->currentItem() && lstTables_->count() > 0) lstTables_->setCurrentRow(0);
    });
    connect(lister_.get(), &client::RemoteTable::failed, this, [this, server = link->server](client::Failure why, const QString& text) {
        controller_.networkMessage(failureText(why, text, server, {}));
    });
    lister_->listTables(link->server);
}

void JoinWindow::joinTable() {
    const auto link = client::ParseLink(txtServer_->text());
    if (!link) return controller_.networkMessage(badLinkText(txtServer_->text()));
    QString table = link->table;
    if (QListWidgetItem* item = lstTables_->currentItem(); item && (table.isEmpty() || lstTables_->count() > 0))
        table = item->data(Qt::UserRole).toString();
    if (table.isEmpty())
        return controller_.networkMessage(tr("Choose a table from the list, or give an invite link with the table's code."));
    QSettings().setValue(kNameKey, txtName_->text().trimmed());
    controller_.joinNetworkGame(link->server, table, txtName_->text().trimmed());
}

QString JoinWindow::badLinkText(const QString& link) {
    return tr("\"%1\" is not the address of a Zentrix server or table. An invite link looks like zentrix://HOST:PORT/CODE.")
        .arg(link.trimmed());
}

QString JoinWindow::failureText(client::Failure why, const QString& serverText, const QUrl& server, const QString& table) {
    const QString where = server.host() + QLatin1Char(':') + QString::number(server.port());
    switch (why) {
        case client::Failure::Unreachable:
            return tr("No Zentrix server answers at %1. Check the address, and that the server is running.").arg(where);
        case client::Failure::Lost: return tr("The connection to %1 was lost.").arg(where);
        case client::Failure::UnknownTable: return tr("There is no table %1 at %2.").arg(table, where);
        case client::Failure::TableFull: return tr("The table %1 has no free seat left.").arg(table);
        case client::Failure::BadName: return tr("Somebody at this table has that name already. Please choose another name.");
        case client::Failure::BadToken: return tr("The server no longer knows this seat.");
        case client::Failure::Version: return tr("This server plays another version of Zentrix: %1").arg(serverText);
        case client::Failure::Other: break;
    }
    return tr("The server says: %1").arg(serverText);
}

}  // namespace zx
