// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "RenderPicture.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace tarvelo::dialogs {

namespace {

/// Pictures and icons kept for the process. They are emptied when the
/// application goes away, so that no pixmap outlives the application that made
/// it, and the connection goes with the module when it is unloaded first.
class PictureCache {
public:
    static PictureCache& instance()
    {
        static PictureCache cache;
        cache.watchApplication();
        return cache;
    }

    ~PictureCache() { QObject::disconnect(m_watch); }

    QHash<QString, QPixmap> pictures;
    QHash<QString, QSize> sizes;
    QHash<QString, QIcon> icons;

private:
    void watchApplication()
    {
        QCoreApplication* application = QCoreApplication::instance();
        if (application == m_watched)
            return;
        QObject::disconnect(m_watch);
        m_watched = application;
        if (application != nullptr)
            m_watch = QObject::connect(application, &QObject::destroyed, [this] { clear(); });
    }

    void clear()
    {
        pictures.clear();
        sizes.clear();
        icons.clear();
        m_watched = nullptr;
    }

    QCoreApplication* m_watched = nullptr;
    QMetaObject::Connection m_watch;
};

QSize svgSize(const QSvgRenderer& renderer)
{
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

}  // namespace

QPixmap renderPicture(const QString& path)
{
    PictureCache& cache = PictureCache::instance();
    if (const auto found = cache.pictures.constFind(path); found != cache.pictures.cend())
        return *found;
    QSvgRenderer renderer(path);
    const QSize size = svgSize(renderer);
    cache.sizes.insert(path, size);
    QPixmap picture;
    if (!size.isEmpty()) {
        picture = QPixmap(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        renderer.render(&painter);
    }
    cache.pictures.insert(path, picture);
    return picture;
}

QSize pictureSize(const QString& path)
{
    PictureCache& cache = PictureCache::instance();
    if (const auto found = cache.sizes.constFind(path); found != cache.sizes.cend())
        return *found;
    const QSize size = svgSize(QSvgRenderer(path));
    cache.sizes.insert(path, size);
    return size;
}

QIcon pictureIcon(const QString& path)
{
    return keptIcon(path, [&path] { return QIcon(path); });
}

QIcon keptIcon(const QString& key, const std::function<QIcon()>& make)
{
    PictureCache& cache = PictureCache::instance();
    if (const auto found = cache.icons.constFind(key); found != cache.icons.cend())
        return *found;
    return *cache.icons.insert(key, make());
}

}  // namespace tarvelo::dialogs
