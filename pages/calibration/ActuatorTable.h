#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// One row of the actuator table: a model of a manufacturer, its effective
// area in square inches, the model/size code the device stores for it and
// its position within its manufacturer's run.
struct ActuatorTableEntry {
    QString Manufacturer;
    QString Model;
    double Area = 0.0;
    uint16_t ModelCode = 0;
    uint16_t ModelIndex = 0;
};

// The program's actuator table, in file order. Filled once at start-up from
// "Actuators.tbl" and never written back; no sorting and no removal of
// duplicates, so lookups take the first row that matches.
class CActuatorStorage
{
public:
    CActuatorStorage() = default;
    virtual ~CActuatorStorage() { RemoveAll(); }

    void AddEntry(
        const QString& manufacturer, const QString& model, double area, uint16_t modelCode, uint16_t modelIndex);
    void RemoveAll() { m_entries.clear(); }

    int count() const { return static_cast<int>(m_entries.size()); }
    const std::vector<ActuatorTableEntry>& entries() const { return m_entries; }

private:
    std::vector<ActuatorTableEntry> m_entries;
};

// Reading "Actuators.tbl". A row is: manufacturer, TAB, "!", model, one
// separator, "@", area, one separator, "#", model code, one separator, "?",
// model index, the line end ("Ostelm\t!M1 @23.8 #1 ?0").
//
// The table is read in pieces of at most 69 characters, each taken as a line
// of its own, so a longer line splits into several entries; a line whose
// first character is "/" is a comment; every other line, a blank one too,
// gives an entry. Each field is cut at the first occurrence of its marker; a
// missing marker counts as position -1 and the cuts are clamped to the line,
// so any line gives an entry. CRLF line ends read as LF ones.
namespace ActuatorTable
{
constexpr int ChunkBytes = 70; // one line: at most 68 characters and its line end
constexpr const char* FileName = "Actuators.tbl";

// The entry of one line (without its line end).
ActuatorTableEntry parseLine(const QByteArray& line);
// Every entry of a table's bytes, in order, appended to `storage`.
void parse(const QByteArray& bytes, CActuatorStorage& storage);
// Reads the file at `path` into `storage`; false (and nothing added) when it
// cannot be opened.
bool load(const QString& path, CActuatorStorage& storage);
} // namespace ActuatorTable
