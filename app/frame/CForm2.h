#pragma once

#include "controls/ImageDisplay.h"
#include "ui/FormPage.h"

class PageContext;

// The connection pane along the bottom of the main window: "Connected" or
// "Disconnected" with a picture for each, polled every 2000 ms from the
// device link's connection flag. When the state flips it refreshes the
// status strip of the page shown. A second instance is page 2 of the page
// table, hidden, and polls as well.
class CForm2 : public FormPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 308;
    static constexpr int PollTimerId = 500;
    static constexpr int PollMs = 2000;
    static constexpr int PictureId = 1009;
    static constexpr int StateTextId = 1035;
    static constexpr int ImagePlaceholder = 1028;
    static constexpr int ImageId = 5115;

    explicit CForm2(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void onTimer(int id) override;

    // 1 while "Disconnected" is shown, 0 while "Connected" is.
    int shownState() const { return m_nShownState; }

private:
    void showState(int pictureId, const QString& text);

    PageContext& m_context;
    IImageDisplayPtr m_pImage;
    int m_nShownState = 1;
};
