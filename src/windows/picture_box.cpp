#include "windows/picture_box.h"

#include <QPainter>

#include "media/pictures.h"

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
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer* r = pictures::renderer(path_);
    QSizeF size = r->defaultSize();
    if (size.isEmpty()) size = QSizeF(1, 1);
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    r->render(&painter, target);
}

}  // namespace zx
