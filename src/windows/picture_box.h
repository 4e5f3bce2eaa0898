#pragma once
// A widget that shows one of the game's SVG pictures, scaled to fit with
// its aspect kept, rendered from the vector picture at the size shown (so it
// is sharp at any size) and kept for the next paint.

#include <QWidget>

#include "media/pictures.h"

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
    pictures::PixmapCache pixmaps_;
    QSizeF shownSize_;
};

}  // namespace zx
