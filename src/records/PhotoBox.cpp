#include "records/PhotoBox.h"

#include "records/RecordPhoto.h"

#include <QPixmap>

using namespace Qt::StringLiterals;

PhotoBox::PhotoBox(const QString& objectName, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setFixedSize(Size);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(u"QLabel { background: white; border: 1px solid #9aa7b5; color: #9aa7b5; }"_s);
    setPhoto({});
}

void PhotoBox::setPhoto(const QByteArray& bytes)
{
    m_photo = RecordPhoto::isNoPhoto(bytes) ? QByteArray() : bytes;
    const QImage image = RecordPhoto::decodeToFit(m_photo, contentsRect().size() - QSize(2, 2));
    if (image.isNull()) {
        setPixmap({});
        setText(m_photo.isEmpty() ? u"暂无照片"_s : u"照片无法显示"_s);
        return;
    }
    setPixmap(QPixmap::fromImage(image));
}

void PhotoBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_photo.isEmpty())
        Q_EMIT zoomRequested(m_photo);
    QLabel::mouseDoubleClickEvent(event);
}
