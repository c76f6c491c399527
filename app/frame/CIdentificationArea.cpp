#include "CIdentificationArea.h"

#include "CSerratK90ClipwellApp.h"
#include "ReplyBytes.h"

#include "ui/Pictures.h"

#include <QPushButton>

#include <cstdint>

namespace
{
constexpr int ImagePlaceholders[3] = { 1027, 1028, 1029 };
constexpr int ImageIds[3] = { 5112, 5113, 5114 };
constexpr int HelpFace = 135;
// The device path's first ten characters are not part of the device id.
constexpr int DeviceIdSkip = 10;
}

CIdentificationArea::CIdentificationArea(CSerratK90ClipwellApp& app, QWidget* parent)
    : FormPage(QStringLiteral("CIdentificationArea"), DialogId, parent)
    , m_app(app)
{
    buildTemplate(847, 73,
        {
            ControlSpec::placeholder(1027, 4, 3, 62, 48),
            ControlSpec::placeholder(1028, 70, 3, 62, 48),
            ControlSpec::label(-1, QStringLiteral("DEVICE TAG:"), 150, 10, 70, 10),
            ControlSpec::label(TagId, QString(), 225, 10, 160, 10),
            ControlSpec::label(-1, QStringLiteral("POLL ADDRESS:"), 150, 26, 70, 10),
            ControlSpec::label(PollAddressId, QString(), 225, 26, 160, 10),
            ControlSpec::label(-1, QStringLiteral("DEVICE ID:"), 150, 42, 70, 10),
            ControlSpec::label(DeviceIdId, QString(), 225, 42, 300, 10),
            ControlSpec::button(HelpButtonId, QString(), 4, 53, 20, 16),
            ControlSpec::label(-1, QString(), 0, 71, 847, 1, ControlSpec::Border),
            ControlSpec::placeholder(1029, 680, 3, 160, 60),
            ControlSpec::picture(1009, 0, 600, 3, 10, 10, ControlSpec::Hidden),
            ControlSpec::picture(1010, 0, 612, 3, 10, 10, ControlSpec::Hidden),
        });
    setMinimumSize(0, 0);
    for (int id : { TagId, PollAddressId, DeviceIdId }) {
        QFont bold = control(id)->font();
        bold.setBold(true);
        control(id)->setFont(bold);
    }
    onClicked(HelpButtonId, "OnPageHelp", [this] { m_app.OpenHelp(m_app.selectedPageCode()); });
}

void CIdentificationArea::OnInitialUpdate()
{
    const bool isK40 = m_app.deviceData().DeviceType == 6;
    const int pictures[3] = { isK40 ? 161 : 130, isK40 ? 162 : 136, 131 };
    for (int slot = 0; slot < 3; ++slot) {
        m_images[slot] = CreateImageDisplayControl(
            this, controlScreenRect(ImagePlaceholders[slot]), ImageIds[slot], pictures[slot], m_app.log());
    }

    if (auto* help = controlAs<QPushButton>(HelpButtonId)) {
        const QPixmap face = Pictures::load(HelpFace);
        help->setIcon(face);
        help->setIconSize(face.size());
        help->setFlat(true);
        help->resize(face.size());
    }

    setWindowText(DeviceIdId, m_app.devicePath().mid(DeviceIdSkip));
    ReadIdentity();
}

void CIdentificationArea::ReadIdentity()
{
    readPollAddress();
    readTag();
}

void CIdentificationArea::readPollAddress()
{
    static constexpr uint8_t request[] = { 5, 200, 3, 202, 246, 254 };
    const auto reply = m_app.link().connection().TransactFrame(request);
    if (reply && ReplyHolds(*reply, 5, 1))
        setWindowText(PollAddressId, QString::number(GetReplyByte(*reply, 5)));
}

void CIdentificationArea::readTag()
{
    static constexpr uint8_t request[] = { 1, 13 };
    const auto reply = m_app.link().connection().TransactFrame(request);
    if (!reply || !ReplyHolds(*reply, 4, 6))
        return;
    const QString tag = Convert3ByteTo4Char(*reply, 4) + Convert3ByteTo4Char(*reply, 7);
    setWindowText(TagId, tag);
    m_app.documentTitle() = AutoString(tag + QStringLiteral(" CLIPWELL"));
}
