#include "picturereader.h"

#include "picvaulttext.h"

#include <QImageReader>
#include <QStringList>
#include <QThreadPool>

ReadPicture readPicture(const QString &path, QSize box)
{
    ReadPicture result;
    QImageReader reader(path);
    result.size = reader.size();
    if (!box.isEmpty() && result.size.isValid()
        && (result.size.width() > box.width() || result.size.height() > box.height()))
        reader.setScaledSize(result.size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    if (!reader.read(&result.image)) {
        result.error = reader.errorString();
        result.image = QImage();
        return result;
    }
    if (!result.size.isValid())
        result.size = result.image.size();
    // A reader that cannot decode smaller (it does not know the size beforehand) is scaled here.
    if (!box.isEmpty() && (result.image.width() > box.width() || result.image.height() > box.height()))
        result.image = result.image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return result;
}

QList<ReadPicture> readPictures(const QStringList &paths, QSize box)
{
    QList<ReadPicture> pictures(paths.size());
    ReadPicture *results = pictures.data();
    QThreadPool pool;
    for (qsizetype i = 0; i < paths.size(); ++i)
        pool.start([results, &paths, box, i] { results[i] = readPicture(paths.at(i), box); });
    pool.waitForDone();
    return pictures;
}

QString pictureChooserFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString extension = QString::fromLatin1(format).toLower();
        patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    }
    return PicvaultText::ChooserLabel.toString() + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
        + QLatin1Char(')');
}
