#pragma once
// A group of option buttons works as one control for the keyboard: Tab
// stops once, at the chosen option (or the first one that can be chosen),
// and the arrow keys move to the previous or next option and choose it,
// as a click on it would. The windows' own option buttons need this: each
// sits in a row of its own, where Qt would make every one a Tab stop.

#include <QObject>
#include <vector>

class QRadioButton;

namespace zx {

class OptionGroup : public QObject {
    Q_OBJECT
public:
    OptionGroup(std::vector<QRadioButton*> options, QObject* parent);
    // Moves the Tab stop to where the options now stand; call it after
    // the window has drawn them (the rules choose without signals).
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool choosable(const QRadioButton* option) const;
    void step(QRadioButton* from, int direction);

    std::vector<QRadioButton*> options_;
};

}  // namespace zx
