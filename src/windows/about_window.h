#pragma once
// "About Zentrix": the title, the version, the trademark notice, and a way
// to the machine's system information tool.

#include <QStringList>

#include "windows/form_window.h"

class QPushButton;

namespace zx {

class AboutWindow : public FormWindow {
    Q_OBJECT
public:
    explicit AboutWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override {}
    QString helpTopic() const override { return QStringLiteral("about"); }

    // System information programs looked for on the PATH, best first.
    static QStringList defaultSysInfoPrograms();
    QStringList sysInfoPrograms = defaultSysInfoPrograms();

    // Starts the first system information program found; tells the user
    // when there is none or it would not start.
    void StartSysInfo();

public slots:
    // The window's close command closes quietly.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdOK_Click();
    void closeBox();

    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};

}  // namespace zx
