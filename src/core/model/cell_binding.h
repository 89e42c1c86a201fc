#pragma once
// One cell of a grid display list: a string-table id (label lists) or a measurand
// index (value lists), placed at column and row (0, 0 is the top-left cell).
#include <cstdint>

namespace voltaro {

struct CellBinding {
    std::int32_t id;
    std::int32_t column;
    std::int32_t row;
};

}  // namespace voltaro
