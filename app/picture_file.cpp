#include "picture_file.h"

#include <QBuffer>
#include <QImage>

#include "io_error.h"
#include "text_file.h"

namespace vakrel {

void SavePictureAsBmp(const QImage& picture, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = picture.save(&buffer, "BMP");
    try {
        if (!encoded) throw IoError(IoErrorKind::Other, path);
        WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const IoError&) {
        throw IoError("Cannot create file " + path, path);
    }
}

}  // namespace vakrel
