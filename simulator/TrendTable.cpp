#include "TrendTable.h"

#include "ReplyWriter.h"

#include <cmath>

uint8_t TrendTable::write(uint8_t request)
{
    switch (request) {
    case 1:
        m_state = Idle;
        break;
    case 2:
        m_state = ReadMode;
        m_next = 0;
        break;
    case 4:
        m_cleared = true;
        m_state = Idle;
        break;
    default:
        break;
    }
    return state();
}

QByteArray TrendTable::nextRow(const TrendBaseline& baseline)
{
    if (state() != ReadMode)
        return row(m_next, baseline);
    // Past the last row the table keeps answering with the index after it.
    const int index = m_next;
    if (m_next < RowCount)
        ++m_next;
    return row(index, baseline);
}

QByteArray TrendTable::row(int index, const TrendBaseline& b) const
{
    ReplyWriter out;
    out.u8(uint8_t(index)).bytes(QByteArray(6, '\0'));
    if (m_cleared || index >= RowCount) {
        out.bytes(QByteArray(10, '\0'));
        return out.data();
    }
    // Older rows wander a little around today's values.
    const double swing = std::sin(index * 0.7);
    out.s16(ReplyWriter::signedHundredths(b.commandPercent + 8.0 * swing))
        .s16(ReplyWriter::signedHundredths(b.positionPercent + 8.0 * swing - 0.2))
        .s16(int16_t(std::lround(b.frictionLbf * (1.0 + 0.04 * std::cos(index * 0.3)))))
        .s16(ReplyWriter::signedHundredths(b.supplyPercent - 1.5 * std::abs(swing)))
        .s16(ReplyWriter::signedHundredths(b.temperature + 4.0 * std::sin(index * 0.45)));
    return out.data();
}
