#pragma once
// Helpers for the window tests: a controller whose message boxes and file
// dialogs are answered from a script, and small finders for controls.

#include <QAbstractButton>
#include <QFile>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <deque>

#include "rules/random.h"
#include "windows/controller.h"
#include "windows/main_window.h"
#include "windows/player_window.h"

namespace zx::test {

class ScriptedHooks : public DialogHooks {
public:
    std::deque<MsgAnswer> answers;           // next answers; the default button when empty
    std::deque<std::string> saveAnswers;     // "" = Cancel
    std::deque<std::string> openAnswers;     // "" = Cancel
    std::vector<Message> messages;
    // Boxes the computer players answered themselves (never shown).
    std::vector<Message> computerMessages;

    std::optional<MsgAnswer> message(const Message& m) override {
        messages.push_back(m);
        if (answers.empty()) return m.defaultAnswer;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void answeredByComputer(const Message& m, MsgAnswer) override { computerMessages.push_back(m); }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        if (saveAnswers.empty()) return std::string();
        std::string a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    std::optional<std::string> openFile(const std::string&) override {
        if (openAnswers.empty()) return std::string();
        std::string a = openAnswers.front();
        openAnswers.pop_front();
        return a;
    }
};

// A running program: the controller after its start, with scripted dialogs.
struct Program {
    StdRandom random{12345};
    ScriptedHooks hooks;
    Controller controller{random};
    Program() : Program(12345) {}
    // The dice and the Computer's draws from another seed.
    explicit Program(unsigned seed) : random(seed) {
        controller.setHooks(&hooks);
        controller.start();
    }
    Game& game() { return controller.game(); }
};

// Gives the offscreen platform one screen of the size given (before the
// application is made): tests of sizes must not depend on its default.
inline bool useOffscreenScreen(const QString& folder, int width, int height) {
    const QString config = folder + QStringLiteral("/screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": %1, "height": %2,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    return true;
}

// The offscreen platform complains at every raise(); the tests raise often.
inline void quietOffscreenWarnings() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) return;
        if (previous) previous(type, context, text);
    });
}

// Saves a picture of a window when ZENTRIX_SHOTS names a folder.
inline void shot(QWidget* w, const QString& name) {
    const QByteArray dir = qgetenv("ZENTRIX_SHOTS");
    if (dir.isEmpty()) return;
    w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The same for the main window with every personal window over its seat,
// as the players see the table.
inline void shotOfTable(Controller& c, const QString& name) {
    if (qEnvironmentVariableIsEmpty("ZENTRIX_SHOTS")) return;
    QWidget* main = &c.mainWindow();
    QPixmap table = main->grab();
    QPainter painter(&table);
    for (int p = 1; p <= 4; ++p)
        if (QWidget* w = c.playerWindow(p); w && w->isVisible())
            painter.drawPixmap(main->mapFromGlobal(w->geometry().topLeft()), w->grab());
    painter.end();
    table.save(qEnvironmentVariable("ZENTRIX_SHOTS") + QLatin1Char('/') + name + QStringLiteral(".png"));
}

template <typename T>
T* find(QWidget* root, const QString& name) {
    return root->findChild<T*>(name);
}

// A click with the mouse, as a person makes it.
inline void clickOn(QAbstractButton* b) {
    QVERIFY(b);
    QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(b->objectName()));
    // Check boxes and option buttons answer a click on their mark, at the left.
    bool mark = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
    QPoint at = mark ? QPoint(std::min(8, b->width() / 2), b->height() / 2) : b->rect().center();
    QTest::mouseClick(b, Qt::LeftButton, {}, at);
}

// Replaces a text box's content by typing.
inline void typeInto(QLineEdit* box, const QString& text) {
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

}  // namespace zx::test
