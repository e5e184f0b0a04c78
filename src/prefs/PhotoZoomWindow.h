#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

// 放大照片: the photo of the record on show, as large as the window allows.
class PhotoZoomWindow : public QDialog
{
    Q_OBJECT

public:
    // photo: the stored bytes (JPG, BMP or GIF). Bytes that do not decode show an empty box.
    explicit PhotoZoomWindow(const QByteArray& photo, QWidget* parent = nullptr);

    // The window is 360 × 500 with its frame; these are its inside.
    static constexpr int clientWidth = 354;
    static constexpr int clientHeight = 475;

    QSize photoSize() const { return m_photo.size(); }

    QLabel* 照片框;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitPhoto();

    QImage m_photo;
};
