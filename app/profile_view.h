#pragma once
// The picture control of the main window (Image1): shows the raster that the profile plot
// draws into and keeps it between drawings. A left click emits clicked(); the right button
// asks for the context menu through the usual Qt request. From the keyboard, Space and Enter
// click, Shift+F10 and the Menu key ask for the context menu; the focus shows as a frame.

#include <QImage>
#include <QWidget>

namespace vakrel {

class ProfileView : public QWidget {
    Q_OBJECT
public:
    explicit ProfileView(QWidget* parent = nullptr);

    // The picture as last drawn; the same size as the control after FitImage().
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // Gives the picture the control's size (its contents are then to be drawn anew).
    void FitImage();

signals:
    void clicked();
    // The pointer moved over the picture to `at`, or left it.
    void pointerMoved(QPoint at);
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage image_;
    bool pressed_ = false;
};

}  // namespace vakrel
