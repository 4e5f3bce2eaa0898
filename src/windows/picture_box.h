#pragma once
// A widget that shows one of the game's SVG pictures, scaled to fit with
// its aspect kept, drawn from the vector picture so it is sharp at any size.

#include <QWidget>

namespace zx {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QString& name, QWidget* parent = nullptr);
    void setPicture(const QString& path);
    QString picture() const { return path_; }
    QSize sizeHint() const override { return {64, 64}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString path_;
};

}  // namespace zx
