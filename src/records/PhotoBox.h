#pragma once

#include <QByteArray>
#include <QLabel>

// The photo of a record card or editor (140 × 188 unless the card sizes it): the stored picture
// fitted into the box, "暂无照片"
// where there is none (the placeholder counts as none), "照片无法显示" for bytes that do not decode.
// A double click asks for the zoom window when there is a picture.
class PhotoBox : public QLabel
{
    Q_OBJECT

public:
    static constexpr QSize Size {140, 188};

    explicit PhotoBox(const QString& objectName, QWidget* parent = nullptr);

    void setPhoto(const QByteArray& bytes);
    // Empty when there is no photo.
    const QByteArray& photo() const { return m_photo; }

Q_SIGNALS:
    void zoomRequested(const QByteArray& photo);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QByteArray m_photo;
};
