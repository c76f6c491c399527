#pragma once

#include "InstrumentWidget.h"

#include "automation/InterfacePtr.h"

#include <QPixmap>

// Shows one of the program's pictures, chosen by its numeric resource id. An
// id without a picture leaves the display empty.
class ImageDisplay : public InstrumentWidget
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "DisplayLib.ImageDisplay";

public:
    explicit ImageDisplay(QWidget* parent = nullptr);

    void clear();
    // False, and an empty display, when the program has no such picture.
    bool loadImageResource(int resourceId);
    // The id last loaded, or 0.
    int imageResource() const { return m_resourceId; }

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    int m_resourceId = 0;
};

using IImageDisplayPtr = InterfacePtr<ImageDisplay>;
