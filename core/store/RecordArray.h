#pragma once

#include <cassert>
#include <vector>

namespace vantorel {

class Division;
class DivisionWriter;

// A fixed-capacity array of records indexed from 1, as every index stored in a league file is. It is
// allocated once at its full capacity and never grows; slot 0 is unused. Everyone may read a record; only a
// DivisionWriter may change one.
template <typename Record, int Capacity> class RecordArray {
public:
    static constexpr int kCapacity = Capacity;

    RecordArray() = default;
    RecordArray(const RecordArray&) = default;
    RecordArray(RecordArray&&) = default;

    const Record& operator[](int index) const {
        assert(index >= 1 && index <= Capacity);
        return records_[static_cast<std::size_t>(index)];
    }

private:
    friend class Division;
    friend class DivisionWriter;

    RecordArray& operator=(const RecordArray&) = default;
    RecordArray& operator=(RecordArray&&) = default;

    Record& at(int index) {
        assert(index >= 1 && index <= Capacity);
        return records_[static_cast<std::size_t>(index)];
    }

    std::vector<Record> records_ = std::vector<Record>(Capacity + 1);
};

} // namespace vantorel
