#include "cardpictures.h"

#include <marrowick/localresources.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtGui/QPainter>

const QString CardPictures::deckName = QStringLiteral(MARROWICK_DECK_NAME);

namespace {

// Search paths are plain prefixes of the resource name.
QString asPrefix(const QString &directory)
{
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

} // namespace

void CardPictures::setSearchPaths(const QString &decksDir)
{
    QStringList paths;
    if (!decksDir.isEmpty())
        paths << asPrefix(decksDir);
    paths << asPrefix(QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                      QStringLiteral(MARROWICK_DECK_DIR_FROM_PROGRAMS)))
          << asPrefix(QStringLiteral(MARROWICK_BUILD_DECK_DIR));
    Marrowick::LocalResources::setSearchPaths(paths);
}

bool CardPictures::load(QString *error)
{
    const QString file = Marrowick::LocalResources::resourcePath(deckName, QVariant::String);
    if (file.isEmpty()) {
        *error = QStringLiteral("cannot find the card deck ") + deckName + QStringLiteral(" in ") +
            Marrowick::LocalResources::searchPaths().join(QStringLiteral(", ")) + QStringLiteral(" (see -decks)");
        return false;
    }
    if (!m_renderer.load(file) || !m_renderer.elementExists(Marrowick::Card(Marrowick::Card::Back, 0).elementId())) {
        *error = QStringLiteral("cannot read the card deck ") + file;
        return false;
    }
    return true;
}

QPixmap CardPictures::picture(Marrowick::Card card, const QSize &size, qreal devicePixelRatio)
{
    const QSize pixels = size * devicePixelRatio;
    const QString element = card.elementId();
    const QString key = element + QLatin1Char('@') + QString::number(pixels.width()) + QLatin1Char('x') +
        QString::number(pixels.height());
    auto cached = m_cache.constFind(key);
    if (cached != m_cache.constEnd())
        return *cached;

    // A window resized again and again leaves pictures of old sizes behind.
    if (m_cache.size() >= maxCachedPictures)
        m_cache.clear();
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&painter, element, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    m_cache.insert(key, pixmap);
    return pixmap;
}
