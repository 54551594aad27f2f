#pragma once

#include "picturereader.h"
#include "zoomfraction.h"

#include <QImage>
#include <QWidget>

// Image control: one picture file shown whole within the control, or at a zoom fraction of its
// own size; a file that cannot be read shows a placeholder with the reason instead.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    void setFileName(const QString &path) { m_fileName = path; }
    const QString &fileName() const { return m_fileName; }
    // Reads the named file, no larger than decodeBox when one is given; false when it cannot.
    bool load(QSize decodeBox = {});
    // Shows a picture read beforehand from the named file.
    void show(ReadPicture picture);
    bool hasPicture() const { return !m_image.isNull(); }
    const QImage &image() const { return m_image; }
    // The picture's own size in pixels.
    QSize pictureSize() const { return m_pictureSize; }
    // Why the file could not be shown, empty when it is shown.
    QString placeholderText() const { return m_error; }

    // From now on the control takes the picture's size at this fraction instead of fitting it.
    void setZoom(ZoomFraction zoom);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintPlaceholder(QPainter &painter);

    QString m_fileName;
    QImage m_image;
    QSize m_pictureSize;
    QString m_error;
    bool m_zoomed = false;
};
