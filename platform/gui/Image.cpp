#include "Image.h"

#include "Application.h"

#include <QImage>
#include <QPixmap>

TImage::TImage(TComponent* owner, TWinControl* parent)
    : QLabel(qs::ParentWidgetFor(owner, parent)), TControl(this, owner) {
    qs::EnsureApplication();
}

bool TImage::LoadFromFile(const QString& fileName) {
    QImage image;
    const bool ok = image.load(fileName);
    SetPicture(ok ? image : QImage());
    return ok;
}

void TImage::SetPicture(const QImage& image) {
    setPixmap(QPixmap::fromImage(image));
}

bool TImage::Empty() const {
    return pixmap().isNull();
}
