#pragma once
// Small helpers the windows share to build their controls and to draw the
// rules' models onto them. Drawing only touches a control when its value
// really changes, so redrawing every window after each event stays cheap
// and never fires a control's own signals back into the rules.

#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QString>
#include <initializer_list>
#include <string>
#include <utility>

#include "windows/qt_text.h"

namespace zx {

inline QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent, const QString& tip = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (!tip.isEmpty()) l->setToolTip(tip);
    return l;
}

// Each value label is labelled by its caption label, so that a screen
// reader says "Cash: $5,000,000" and names a value even while it is empty.
inline void labelByCaption(QWidget* root, std::initializer_list<std::pair<const char*, QWidget*>> pairs) {
    for (const auto& [caption, value] : pairs)
        if (auto* label = root->findChild<QLabel*>(QString::fromLatin1(caption))) label->setBuddy(value);
}

inline void setText(QLabel* label, const std::string& text) {
    QString t = toQt(text);
    if (label->text() != t) label->setText(t);
}

// A label's text colour, through its palette: a style sheet would bring the
// style sheet machinery into the program (at start, and at every change of
// a figure counted in colour).
inline void setTextColor(QLabel* label, const QColor& color) {
    if (label->palette().color(QPalette::WindowText) == color) return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// The rules decide which option is selected, also that none is: an
// exclusive group cannot be emptied without lifting the exclusivity.
inline void setOption(QRadioButton* option, bool checked) {
    if (option->isChecked() == checked) return;
    const QSignalBlocker block(option);
    if (checked) {
        option->setChecked(true);
        return;
    }
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

}  // namespace zx
