#include "engine/TextureFiles.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <deque>

namespace qor {

namespace {

struct Kept {
    QString path;
    qint64 size = 0;
    QDateTime modified;
    QImage picture;
};

// Most recently read first.
std::deque<Kept>& KeptFiles() {
    static std::deque<Kept> kept;
    return kept;
}

} // namespace

QImage ReadTextureFile(const QString& path) {
    const QFileInfo file(path);
    const QString key = file.absoluteFilePath();
    const qint64 size = file.size();
    const QDateTime modified = file.lastModified();
    std::deque<Kept>& kept = KeptFiles();
    const auto found =
        std::find_if(kept.begin(), kept.end(), [&](const Kept& k) { return k.path == key; });
    if (found != kept.end()) {
        Kept entry = *found;
        kept.erase(found);
        if (entry.size == size && entry.modified == modified) {
            kept.push_front(entry);
            return entry.picture;
        }
    }
    const QImage decoded(path);
    if (decoded.isNull()) {
        return {};
    }
    kept.push_front({key, size, modified, decoded.convertToFormat(QImage::Format_RGBA8888)});
    if (kept.size() > static_cast<std::size_t>(kKeptTextureFiles)) {
        kept.pop_back();
    }
    return kept.front().picture;
}

} // namespace qor
