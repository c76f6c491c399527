#include "CForm2.h"

#include "DeviceData.h"
#include "PageContext.h"
#include "PageHelpers.h"

#include "ui/Pictures.h"

#include <QLabel>

namespace
{
constexpr int ConnectedPicture = 133;
constexpr int DisconnectedPicture = 134;
constexpr int PaneImage = 132;
}

CForm2::CForm2(PageContext& context, QWidget* parent)
    : FormPage(QStringLiteral("CForm2"), DialogId, parent)
    , m_context(context)
{
    buildTemplate(847, 60,
        {
            ControlSpec::label(-1, QString(), 0, 0, 847, 2, ControlSpec::Border),
            ControlSpec::label(-1, QString(), 0, 58, 847, 2, ControlSpec::Border),
            ControlSpec::picture(PictureId, 0, 10, 14, 22, 20),
            ControlSpec::label(StateTextId, QString(), 36, 19, 90, 10, ControlSpec::AlignCenter),
            ControlSpec::placeholder(ImagePlaceholder, 700, 8, 134, 40),
        });
    setMinimumSize(0, 0);
}

void CForm2::OnInitialUpdate()
{
    m_pImage
        = CreateImageDisplayControl(this, controlScreenRect(ImagePlaceholder), ImageId, PaneImage, m_context.log());
    setTimer(PollTimerId, PollMs);
}

void CForm2::onTimer(int id)
{
    if (id != PollTimerId)
        return;
    const int wanted = m_context.deviceData().Connected ? 0 : 1;
    if (m_nShownState != wanted) {
        m_nShownState = wanted;
        killTimer(PollTimerId);
        // A strip that fails to paint must not stop the polling.
        guard("RefreshAllStatusStrips", [this] { m_context.RefreshAllStatusStrips(); });
        setTimer(PollTimerId, PollMs);
    }
    if (wanted == 0)
        showState(ConnectedPicture, QStringLiteral("Connected"));
    else
        showState(DisconnectedPicture, QStringLiteral("Disconnected"));
}

void CForm2::showState(int pictureId, const QString& text)
{
    if (auto* picture = controlAs<QLabel>(PictureId))
        picture->setPixmap(Pictures::load(pictureId));
    setWindowText(StateTextId, text);
}
