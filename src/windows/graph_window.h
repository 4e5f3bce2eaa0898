#pragma once
// "Game trend graph": the players' estates over the last ten samples (one
// every ten moves), one line per player in the colour of his piece. The
// chart is drawn from the history as it was when the window opened.

#include "windows/form_window.h"

class QChartView;

namespace zx {

class GraphWindow : public FormWindow {
    Q_OBJECT
public:
    explicit GraphWindow(Controller& controller, QWidget* parent = nullptr);
    // The chart is built once, when the window opens.
    void render() override {}
    QString helpTopic() const override { return QStringLiteral("graph"); }

    // The label of history row 1..10 at a move count: the move of that
    // sample, blank for samples from before the game started.
    static QString rowLabel(int moves, int row);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildChart();
    void leave();

    QChartView* mscEstates_ = nullptr;
};

}  // namespace zx
