#pragma once

#include <QLabel>
#include <QPixmap>

// A tool-bar picture that behaves as a button: pressed image while the left button is held
// over it, released image when the pointer is dragged off; a release over it is a click.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    PictureButton(const QPixmap &released, const QPixmap &pressed, QWidget *parent = nullptr);

    // The pointer counts as outside when x <= 0, x > width, y < 0 or y > height.
    bool isInside(const QPoint &position) const;
    bool showsPressedImage() const { return m_showsPressed; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showPressed(bool pressed);

    QPixmap m_released;
    QPixmap m_pressed;
    bool m_showsPressed = false;
};
