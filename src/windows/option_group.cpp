#include "windows/option_group.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>

namespace zx {

OptionGroup::OptionGroup(std::vector<QRadioButton*> options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {
    for (QRadioButton* option : options_) {
        option->installEventFilter(this);
        connect(option, &QRadioButton::toggled, this, [this] { refresh(); });
    }
    refresh();
}

bool OptionGroup::choosable(const QRadioButton* option) const {
    return option->isEnabled() && option->isVisibleTo(option->window());
}

void OptionGroup::refresh() {
    QRadioButton* stop = nullptr;
    for (QRadioButton* option : options_)
        if (option->isChecked() && choosable(option)) stop = option;
    if (!stop) {
        auto first = std::find_if(options_.begin(), options_.end(), [this](QRadioButton* o) { return choosable(o); });
        if (first != options_.end()) stop = *first;
    }
    // The others still take the focus from a click or a screen reader.
    for (QRadioButton* option : options_) {
        const Qt::FocusPolicy policy = option == stop ? Qt::StrongFocus : Qt::ClickFocus;
        if (option->focusPolicy() != policy) option->setFocusPolicy(policy);
    }
}

void OptionGroup::step(QRadioButton* from, int direction) {
    const auto n = static_cast<int>(options_.size());
    const auto at = static_cast<int>(std::find(options_.begin(), options_.end(), from) - options_.begin());
    for (int i = 1; i < n; ++i) {
        QRadioButton* next = options_[static_cast<std::size_t>(((at + direction * i) % n + n) % n)];
        if (!choosable(next)) continue;
        next->setFocus(Qt::TabFocusReason);
        // click() is what the mouse does: the window hears it through
        // `toggled` as it hears a click.
        next->click();
        return;
    }
}

bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::EnabledChange || type == QEvent::ShowToParent || type == QEvent::HideToParent) {
        refresh();
        return false;
    }
    if (type != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    int direction = 0;
    switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: direction = -1; break;
        case Qt::Key_Down:
        case Qt::Key_Right: direction = 1; break;
        default: return false;
    }
    step(static_cast<QRadioButton*>(watched), direction);
    return true;
}

}  // namespace zx
