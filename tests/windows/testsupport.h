#pragma once
// Helpers for the window tests: a controller whose message boxes and file
// dialogs are answered from a script, and small finders for controls.

#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <deque>

#include "rules/random.h"
#include "windows/controller.h"

namespace zx::test {

class ScriptedHooks : public DialogHooks {
public:
    std::deque<MsgAnswer> answers;           // next answers; the default button when empty
    std::deque<std::string> saveAnswers;     // "" = Cancel
    std::deque<std::string> openAnswers;     // "" = Cancel
    std::vector<Message> messages;

    std::optional<MsgAnswer> message(const Message& m) override {
        messages.push_back(m);
        if (answers.empty()) return m.defaultAnswer;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
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

template <typename T>
T* find(QWidget* root, const QString& name) {
    return root->findChild<T*>(name);
}

}  // namespace zx::test
