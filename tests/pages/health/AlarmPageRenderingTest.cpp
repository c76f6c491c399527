#include "AlarmPageTest.h"

#include "PixelColours.h"

#include "health/AlarmAnnunciatorRules.h"

#include <QImage>

namespace
{
namespace Colour = AlarmAnnunciatorRules::Colour;
QColor fromColorRef(uint32_t c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
} // namespace

// Every alarm page grabbed as the user sees it on both models, kept as a
// picture; the strip and the annunciator boxes read back in their colours.
TEST_F(AlarmPageTest, EachAlarmPageDrawsOnBothModels)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        device(path).setStatus(37, true); // NV RAM checksum alarm: red
        const QString model = QString::fromLatin1(path).section(QLatin1Char('/'), 1, 1);
        const std::pair<int, QString> pages[] = { { HubCode, QStringLiteral("alarms_hub") },
            { StatusCode, QStringLiteral("alarm_status") }, { AnnunciatorCode, QStringLiteral("alarm_annunciator") },
            { ConfigCode, QStringLiteral("alarm_configuration") } };
        for (const auto& [code, name] : pages) {
            select(code);
            clock().advance(1000);
            FormPage* shown = nullptr;
            for (FormPage* candidate : app().pageTable())
                if (candidate && candidate->isVisible())
                    shown = candidate;
            ASSERT_NE(shown, nullptr) << code;
            const QImage image = shown->grab().toImage();
            image.save(artifactPath(name + QLatin1Char('_') + model + QStringLiteral(".png")));
            auto* strip = qobject_cast<StripPage*>(shown);
            ASSERT_NE(strip, nullptr);
            const QRect led = strip->led()->geometry();
            EXPECT_TRUE(isBrightRed(image.pixelColor(led.center())))
                << name.toStdString() << " " << rgb(image.pixelColor(led.center()));
            if (code == AnnunciatorCode) {
                const QRect nvram = annunciator().box(CAlarmAnnunciator::NVRAMChecksumBox)->geometry();
                EXPECT_EQ(image.pixelColor(nvram.left() + 3, nvram.top() + 2), fromColorRef(Colour::Red));
                const QRect idle = annunciator().box(CAlarmAnnunciator::WatchDogTimeOutBox)->geometry();
                EXPECT_EQ(image.pixelColor(idle.left() + 3, idle.top() + 2), fromColorRef(Colour::Green));
            }
        }
        m_app.reset();
    }
}
