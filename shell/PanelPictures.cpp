#include "PanelPictures.h"

#include "JpegImage.h"

#include <QFile>

namespace qs {

QImage PanelPicture(const char* name) {
    QFile file(QStringLiteral(":/panel/") + QString::fromLatin1(name) + QStringLiteral(".jpg"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    JpegImage jpeg;
    if (!DecodeJpegData(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()), jpeg)) {
        return {};
    }
    return QImage(jpeg.rgb.data(), jpeg.width, jpeg.height, jpeg.width * 3, QImage::Format_RGB888).copy();
}

} // namespace qs
