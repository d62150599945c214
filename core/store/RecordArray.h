#pragma once

#include <cassert>
#include <vector>

namespace vantorel {

// A fixed-capacity array of records indexed from 1, as every index stored in a league file is. It is
// allocated once at its full capacity and never grows; slot 0 is unused.
template <typename Record, int Capacity> class RecordArray {
public:
    static constexpr int kCapacity = Capacity;

    Record& operator[](int index) {
        assert(index >= 1 && index <= Capacity);
        return records_[static_cast<std::size_t>(index)];
    }
    const Record& operator[](int index) const {
        assert(index >= 1 && index <= Capacity);
        return records_[static_cast<std::size_t>(index)];
    }

private:
    std::vector<Record> records_ = std::vector<Record>(Capacity + 1);
};

} // namespace vantorel
