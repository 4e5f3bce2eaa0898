#include "windows/picture_box.h"

#include <QPainter>

namespace zx {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QWidget(parent) { setObjectName(name); }

void PictureBox::setPicture(const QString& path) {
    if (path == path_) return;
    path_ = path;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (path_.isEmpty()) return;
    QPainter painter(this);
    QSizeF size = pictures::renderer(path_)->defaultSize();
    if (size.isEmpty()) size = QSizeF(1, 1);
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    if (target.size() != shownSize_) {
        // Resized: the pictures are shown at a new size.
        pixmaps_.clear();
        shownSize_ = target.size();
    }
    pictures::draw(&painter, target, path_, &pixmaps_);
}

}  // namespace zx
