// The actuator table comes from beside the program and may be edited by hand:
// any bytes must parse without crashing, each read of at most 69 characters
// gives at most one entry, and no field is longer than its line.
#include "ActuatorTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CActuatorStorage storage;
    ActuatorTable::parse(bytes, storage);
    if (static_cast<size_t>(storage.count()) > size)
        std::abort();
    const int longest = ActuatorTable::ChunkBytes - 1;
    for (const ActuatorTableEntry& entry : storage.entries()) {
        if (entry.Manufacturer.size() > longest || entry.Model.size() > longest)
            std::abort();
    }
    storage.RemoveAll();
    if (storage.count() != 0)
        std::abort();
    return 0;
}
