// Image manager benchmark: 200 JPEG pictures of 2 megapixels shown as thumbnails by the
// container, beside decoding the same files at full size with QImage in the same run.
// Goal: the thumbnails within 1 s and 150 MB.
#include "benchsupport.h"
#include "iconcontainer.h"
#include "iconform.h"
#include "pictureediting.h"
#include "picturecatalog.h"
#include "picturereader.h"
#include "picturestore.h"
#include "pictureview.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int kPictures = 200;
const QSize kPhoto(1632, 1224); // 2 megapixels

// A photo-like picture: gradients and detail, so the decoder has real work to do.
QByteArray photoJpeg()
{
    QImage image(kPhoto, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, kPhoto.width(), kPhoto.height());
    gradient.setColorAt(0, QColor(40, 80, 120));
    gradient.setColorAt(1, QColor(200, 170, 90));
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 400; ++i) {
        painter.setPen(QColor::fromHsv(i % 360, 200, 200));
        painter.drawEllipse(QPoint((i * 97) % kPhoto.width(), (i * 61) % kPhoto.height()), 20 + i % 80, 10 + i % 50);
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    folder.createWorkFolders();
    QString error;
    if (!PictureCatalog::createEmpty(folder.catalogPath(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    PictureStore store(folder);
    if (!store.open())
        return 1;
    const QString source = dir.filePath(QStringLiteral("photo.jpg"));
    {
        QFile file(source);
        const QByteArray jpeg = photoJpeg();
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
            return 1;
        std::printf("%d JPEG pictures of %dx%d, %.2f MB each\n", kPictures, kPhoto.width(), kPhoto.height(),
                    jpeg.size() / 1e6);
    }
    for (int i = 0; i < kPictures; ++i) {
        if (store.add(42, source, QStringLiteral("foto %1").arg(i + 1), {}).status != PictureStore::Status::Done)
            return 1;
    }

    ScriptedDialogs dialogs;
    PictureEditing editing(store, dialogs, 42);
    Iconcontainer container(store, editing, dialogs, 42);
    container.resize(1600, 1000);
    container.show();
    QCoreApplication::processEvents();
    const long before = Bench::peakMegabytes();
    QElapsedTimer timer;
    double cpu = Bench::cpuSeconds();
    timer.start();
    container.refresh();
    QCoreApplication::processEvents();
    const double thumbnails = timer.nsecsElapsed() / 1e9;
    const double thumbnailsCpu = Bench::cpuSeconds() - cpu;
    const long peak = Bench::peakMegabytes();
    int shown = 0;
    for (const Iconform *thumbnail : container.thumbnails())
        shown += thumbnail->picture()->hasPicture() ? 1 : 0;

    const QList<PictureRow> rows = store.picturesOf(42).value();
    timer.restart();
    QStringList paths;
    for (const PictureRow &row : rows)
        paths.append(row.path);
    cpu = Bench::cpuSeconds();
    readPictures(paths, Iconcontainer::thumbnailSize());
    const double decodeOnly = timer.nsecsElapsed() / 1e9;
    const double decodeOnlyCpu = Bench::cpuSeconds() - cpu;
    timer.restart();
    cpu = Bench::cpuSeconds();
    qint64 pixels = 0;
    for (const PictureRow &row : rows)
        pixels += QImage(row.path).sizeInBytes();
    const double full = timer.nsecsElapsed() / 1e9;
    const double fullCpu = Bench::cpuSeconds() - cpu;

    std::printf("thumbnails: %d of %d shown in %.3f s (%.3f s of processor), peak %ld MB (%ld MB before)   "
                "goal 1 s, 150 MB: %s\n",
                shown, kPictures, thumbnails, thumbnailsCpu, peak, before,
                thumbnails <= 1.0 && peak <= 150 ? "met" : "NOT met");
    std::printf("of which decoding at thumbnail size: %.3f s (%.3f s of processor)\n", decodeOnly, decodeOnlyCpu);
    std::printf("full-size QImage decode of the same files, one after the other: %.3f s (%.3f s of processor), "
                "%.0f MB of pixels if kept   ratio %.2f (processor %.2f)\n",
                full, fullCpu, pixels / 1e6, thumbnails / full, thumbnailsCpu / fullCpu);
    for (const QString &text : dialogs.texts())
        std::fprintf(stderr, "%s\n", qPrintable(text));
    return shown == kPictures && dialogs.shown.isEmpty() ? 0 : 1;
}
