#pragma once

#include <list>

// The rows of ramp signatures, open and close direction, each stored as x and
// (a - b) x scale. Rows accumulate over every ramp test of the run; only the
// destructor clears them.
class CSigDataStorage
{
public:
    struct Row {
        double x = 0.0;
        double value = 0.0;
    };

    virtual ~CSigDataStorage();

    void SetScale(double factor) { m_scale = factor; }
    double Scale() const { return m_scale; }

    void AddOpenDataRow(double x, double a, double b, int& status);
    void AddCloseDataRow(double x, double a, double b, int& status);
    void Clear();

    int OpenRowCount() const { return m_openCount; }
    int CloseRowCount() const { return m_closeCount; }
    const std::list<Row>& OpenRows() const { return m_open; }
    const std::list<Row>& CloseRows() const { return m_close; }

private:
    void addRow(std::list<Row>& rows, int& count, double x, double a, double b, int& status);

    double m_scale = 0.0;
    std::list<Row> m_open;
    std::list<Row> m_close;
    int m_openCount = 0;
    int m_closeCount = 0;
};
