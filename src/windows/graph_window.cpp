#include "windows/graph_window.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "rules/game.h"
#include "windows/controller.h"
#include "windows/qt_text.h"

namespace zx {

GraphWindow::GraphWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(tr("Game trend graph"));
    setModal(false);

    mscEstates_ = new QChartView(this);
    mscEstates_->setObjectName(QStringLiteral("mscEstates"));
    mscEstates_->setRenderHint(QPainter::Antialiasing);
    mscEstates_->setAccessibleName(tr("Estates of the players"));
    mscEstates_->setMinimumSize(480, 300);

    auto* lblGraph = new QLabel(tr("This graph shows the general direction and history of the game.  "
                                               "It is a superb tool to compare your wealth with your opponents."),
                                this);
    lblGraph->setObjectName(QStringLiteral("lblGraph"));
    lblGraph->setWordWrap(true);
    auto* f1 = helpLabel();

    auto* root = new QVBoxLayout(this);
    root->addWidget(mscEstates_, 1);
    root->addWidget(lblGraph);
    root->addWidget(f1);
    resize(640, 480);

    buildChart();
}

QString GraphWindow::rowLabel(int moves, int row) {
    // Row 10 is the newest sample, taken at the last multiple of ten moves.
    int move = (moves / 10 - HistorySlots + row) * 10;
    if (moves < 0 || move < 0) return {};
    return QString::number(move);
}

void GraphWindow::buildChart() {
    const GameState& s = game().S;
    auto* chart = new QChart;
    chart->setObjectName(QStringLiteral("chtEstates"));
    const QFont titleFont(QStringLiteral("Arial"), 12);
    const QColor gridColor(120, 120, 120);

    // Horizontal axis: one labelled position per history row. The category
    // axis wants distinct labels, so the blank ones are made of a different
    // number of spaces each.
    auto* moves = new QCategoryAxis;
    moves->setObjectName(QStringLiteral("axMoves"));
    moves->setTitleText(tr("Moves"));
    moves->setTitleFont(titleFont);
    moves->setGridLineColor(gridColor);
    moves->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    moves->setStartValue(0.5);
    for (int row = 1; row <= HistorySlots; ++row) {
        QString label = rowLabel(s.Moves, row);
        if (label.isEmpty()) label = QString(row, QLatin1Char(' '));
        moves->append(label, row);
    }
    moves->setRange(0.5, HistorySlots + 0.5);

    auto* estates = new QValueAxis;
    estates->setObjectName(QStringLiteral("axEstate"));
    estates->setTitleText(tr("Estate (Million $)"));
    estates->setTitleFont(titleFont);
    estates->setGridLineColor(gridColor);
    estates->setLabelFormat(QStringLiteral("%g"));

    chart->addAxis(moves, Qt::AlignBottom);
    chart->addAxis(estates, Qt::AlignLeft);

    double low = 0.0;
    double high = 0.0;
    bool any = false;
    int players = std::clamp(s.NumOfPlayers, 0, MaxPlayers);
    for (int p = 1; p <= players; ++p) {
        const QColor color = toQColor(GraphColor(s.PlayerPiece[static_cast<std::size_t>(p)]));
        const QString name = toQt(s.PlayerName[static_cast<std::size_t>(p)]);
        int runs = 0;
        auto makeSeries = [&] {
            auto* series = new QLineSeries;
            series->setName(name);
            QPen pen(color);
            pen.setWidth(2);
            series->setPen(pen);
            series->setColor(color);
            series->setPointsVisible(true);
            chart->addSeries(series);
            series->attachAxis(moves);
            series->attachAxis(estates);
            if (runs > 0) {
                for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
            }
            ++runs;
            return series;
        };
        // An empty history cell is a gap in the line, never a zero: a run of
        // samples after a gap goes into a continuation line of the same
        // player that has no legend entry of its own.
        QLineSeries* series = nullptr;
        for (int row = 1; row <= HistorySlots; ++row) {
            const auto& cell = s.EstateHistory[static_cast<std::size_t>(row)][static_cast<std::size_t>(p)];
            if (!cell) {
                series = nullptr;
                continue;
            }
            if (!series) series = makeSeries();
            series->append(row, *cell);
            low = any ? std::min(low, *cell) : std::min(0.0, *cell);
            high = any ? std::max(high, *cell) : *cell;
            any = true;
        }
        // A player without samples still has his legend entry.
        if (runs == 0) makeSeries();
    }
    if (!any || high <= low) high = low + 10.0;
    estates->setRange(low, high);
    estates->applyNiceNumbers();

    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(4, 4, 4, 4));
    mscEstates_->setChart(chart);
}

void GraphWindow::leave() {
    game().GraphLoaded = false;
    if (controller.graphWindow() == this) controller.closeWindow(WindowId::Graph, 0);
    else hide();
}

void GraphWindow::reject() { leave(); }

void GraphWindow::closeEvent(QCloseEvent* event) {
    leave();
    event->accept();
}

}  // namespace zx
