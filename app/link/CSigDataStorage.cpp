#include "CSigDataStorage.h"

CSigDataStorage::~CSigDataStorage()
{
    Clear();
}

void CSigDataStorage::addRow(std::list<Row>& rows, int& count, double x, double a, double b, int& status)
{
    rows.push_back(Row { x, (a - b) * m_scale });
    ++count;
    status = 0;
}

void CSigDataStorage::AddOpenDataRow(double x, double a, double b, int& status)
{
    addRow(m_open, m_openCount, x, a, b, status);
}

void CSigDataStorage::AddCloseDataRow(double x, double a, double b, int& status)
{
    addRow(m_close, m_closeCount, x, a, b, status);
}

void CSigDataStorage::Clear()
{
    m_open.clear();
    m_close.clear();
    m_openCount = 0;
    m_closeCount = 0;
}
