#include "gifselector.h"

#include "regularfile.h"

#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>

GifSelector::GifSelector(QWidget* mainWindow, SelectorConfirm select)
    : FileSelector({"GIF_FileSelector", QStringLiteral("Select a VGB GIF Background..."),
                    QStringLiteral("*.gif"), QStringLiteral("Choose your .GIF File here !"),
                    QStringLiteral("Select"), QStringLiteral("File selected")},
                   mainWindow, std::move(select), 230) {
    const QRect area = extraArea();
    auto* frame = new QGroupBox(QStringLiteral("GIF Preview"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(area.x(), area.y(), area.width(), 196);
    gif1 = new QLabel(frame);
    gif1->setObjectName(QStringLiteral("gif1"));
    gif1->setGeometry(6, 16, area.width() - 12, 174);
    gif1->setAlignment(Qt::AlignCenter);
    gif1->setToolTip(QStringLiteral("GIF preview"));
}

void GifSelector::fileClicked(int) {
    // A file that is no readable picture, or no regular file at all, leaves the preview empty.
    QFile file;
    if (!openRegularFile(file, text1->text()).isEmpty()) {
        gif1->clear();
        return;
    }
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        gif1->clear();
        return;
    }
    gif1->setPixmap(QPixmap::fromImage(
        image.scaled(gif1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
