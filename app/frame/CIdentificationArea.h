#pragma once

#include "controls/ImageDisplay.h"
#include "ui/FormPage.h"

#include <array>

class CSerratK90ClipwellApp;

// The identity strip along the top of the main window: the device tag, its
// poll address and device id, three pictures and the help button. It reads
// the poll address and the tag itself, once, at its first update, and puts
// the tag into the document title.
class CIdentificationArea : public FormPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 135;
    static constexpr int HelpButtonId = 1000;
    static constexpr int TagId = 1001;
    static constexpr int PollAddressId = 1002;
    static constexpr int DeviceIdId = 1003;

    explicit CIdentificationArea(CSerratK90ClipwellApp& app, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // Reads and shows the poll address and the tag, outside the dispatchers:
    // nothing is decoded into the device data, counted or logged.
    void ReadIdentity();

    const IImageDisplayPtr& image(int slot) const { return m_images.at(slot); }

private:
    void readPollAddress();
    void readTag();

    CSerratK90ClipwellApp& m_app;
    std::array<IImageDisplayPtr, 3> m_images;
};
