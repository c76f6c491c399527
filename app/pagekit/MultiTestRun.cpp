#include "MultiTestRun.h"

void TestStatusList::AddString(const QString& line)
{
    m_lines << line;
    if (m_changed)
        m_changed();
}

void TestStatusList::ResetContent()
{
    m_lines.clear();
    if (m_changed)
        m_changed();
}

bool& MultiTestRun::done(MultiTest test)
{
    switch (test) {
    case MultiTest::Ramp:
        return m_bRampDone;
    case MultiTest::Step:
        return m_bStepDone;
    case MultiTest::PartialStroke:
        return m_bPSTDone;
    default:
        return m_bHDRLDone;
    }
}

void MultiTestRun::registerPage(MultiTest test, MultiTestPage page)
{
    const auto index = static_cast<size_t>(test);
    if (index >= m_pages.size())
        return;
    m_pages[index] = std::move(page);
    m_registered[index] = true;
}

const MultiTestPage* MultiTestRun::page(MultiTest test) const
{
    const auto index = static_cast<size_t>(test);
    return index < m_pages.size() && m_registered[index] ? &m_pages[index] : nullptr;
}
