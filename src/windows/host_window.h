#pragma once
// "Host a network game": the invite link the other players open, the
// address and port it names, and which seats are still open. It shows what
// it is given; whoever runs the server and the table sets it.

#include <QHostAddress>
#include <QList>
#include <QString>

#include "windows/form_window.h"

class QCborMap;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace zx {

class HostWindow : public FormWindow {
    Q_OBJECT
public:
    explicit HostWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override {}
    QString helpTopic() const override { return QStringLiteral("network"); }

    // The addresses offered for the link: others can reach the ones of the
    // machine's networks, so they come first, the machine's own last.
    void setAddresses(const QList<QHostAddress>& addresses);
    // The port the server listens on and the table's code: the link needs both.
    void setListening(quint16 port, const QString& code);
    // The seats of a "status" message: who sits where, and which are open.
    void setStatus(const QCborMap& status);
    // zentrix://HOST:PORT/CODE, empty until the table is open.
    QString link() const;
    // The port asked for (0: any free one); portChosen tells of a change.
    int chosenPort() const;
    void setChosenPort(int port);

signals:
    void portChosen(int port);

private:
    void updateLink();

    QLineEdit* txtLink_ = nullptr;
    QPushButton* cmdCopy_ = nullptr;
    QComboBox* cmbAddress_ = nullptr;
    QSpinBox* txtPort_ = nullptr;
    QListWidget* lstSeats_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    int toldPort_ = 0;
    quint16 port_ = 0;
    QString code_;
};

}  // namespace zx
