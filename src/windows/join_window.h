#pragma once
// "Join a network game": a server or an invite link, the player's name, the
// open tables of that server with their free seats, and Join.

#include <QDialog>
#include <QString>
#include <QUrl>
#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace zx {

class Controller;
namespace client {
class RemoteTable;
enum class Failure;
}

class JoinWindow : public QDialog {
    Q_OBJECT
public:
    JoinWindow(Controller& controller, QWidget* parent = nullptr);
    ~JoinWindow() override;

    // Puts a link in the box and lists that server's tables.
    void setLink(const QString& link);
    // Lists the open tables of the server in the box.
    void showTables();
    // Joins the table chosen (or the link's own); the window closes once
    // the seat is taken and stays open, with a message, otherwise.
    void joinTable();

    QLineEdit* serverBox() const { return txtServer_; }
    QLineEdit* nameBox() const { return txtName_; }
    QListWidget* tables() const { return lstTables_; }
    QPushButton* joinButton() const { return cmdJoin_; }

    // Words a person can act on for what went wrong.
    static QString failureText(client::Failure why, const QString& serverText, const QUrl& server, const QString& table);
    static QString badLinkText(const QString& link);

private:
    Controller& controller_;
    QLineEdit* txtServer_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QListWidget* lstTables_ = nullptr;
    QPushButton* cmdTables_ = nullptr;
    QPushButton* cmdJoin_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    std::unique_ptr<client::RemoteTable> lister_;
    QString wantedTable_;
};

}  // namespace zx
