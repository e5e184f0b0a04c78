#include "prefs/PhotoZoomWindow.h"

#include "prefs/PhotoFit.h"

#include <QLabel>
#include <QPixmap>

using namespace Qt::StringLiterals;

PhotoZoomWindow::PhotoZoomWindow(const QByteArray& photo, QWidget* parent)
    : QDialog(parent)
    , m_photo(QImage::fromData(photo))
{
    setObjectName(u"PhotoZoomWindow"_s);
    setWindowTitle(u"放大照片"_s);

    照片框 = new QLabel(this);
    照片框->setObjectName(u"照片框"_s);
    照片框->setScaledContents(true);
    if (!m_photo.isNull())
        照片框->setPixmap(QPixmap::fromImage(m_photo));
    // Shown once the window is up, so the photo never flashes at the wrong size.
    照片框->hide();

    resize(clientWidth, clientHeight);
}

void PhotoZoomWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fitPhoto();
}

void PhotoZoomWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitPhoto();
    照片框->show();
}

void PhotoZoomWindow::fitPhoto()
{
    照片框->setGeometry(PhotoFit::fit(m_photo.size(), size()));
}
